// The program on machines of odd sizes, with failing devices, bad dump files and malformed or
// racing messages: nothing crashes, nothing is written that a person did not confirm in an
// unlocked editor.

#include "DeviceLines.h"
#include "ProgramDriver.h"

#include <AppDefs.h>
#include <Menu.h>
#include <Messenger.h>
#include <SimulatedMachines.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

// The simulated program's standard error and exit status. A program that opened a window
// instead would be stopped by the timeout.
std::string RunSimulatedProgram(const std::string& arguments)
{
    FILE* program =
        popen(("timeout 20 " PCIZ_SIM_PROGRAM " " + arguments + " 2>&1 >/dev/null; echo status $?")
                  .c_str(),
              "r");
    std::string output(256, '\0');
    output.resize(std::fread(output.data(), 1, output.size(), program));
    pclose(program);
    return output;
}

} // namespace

TEST(BadInput, ABadDumpFileOrASecondArgumentEndsTheSimulatedProgramWithOneLine)
{
    const std::string folder = testing::TempDir();
    std::ofstream(folder + "empty.dump");
    std::ofstream(folder + "garbled.dump") << "00:00.0 Host bridge: Test\n00: 86 80 zz\n";
    const std::string reasons[][2] = {
        {"missing.dump", "cannot read " + folder + "missing.dump: No such file or directory"},
        {"empty.dump", folder + "empty.dump is empty"},
        {"garbled.dump", folder + "garbled.dump, line 2: \"zz\" is not a byte in hex"},
        {"empty.dump two", "two is one argument too many: give one dump file"}};
    for (const auto& [arguments, reason] : reasons)
        EXPECT_EQ(RunSimulatedProgram(folder + arguments),
                  "pcizorvane-sim: " + reason + "\nstatus 2\n");
    EXPECT_EQ(RunSimulatedProgram("--help"), "status 0\n");
}

TEST(BadInput, AMachineWithoutFunctionsShowsZerosAndItsEditorReadsAllOnes)
{
    ProgramDriver program({});
    EXPECT_EQ(program.DeviceMenu()->Menu()->CountItems(), 0);
    EXPECT_EQ(LineOf(program.DeviceWindow(), "Device ID"), "Device ID 0");
    program.PressEdit();
    EXPECT_EQ(program.EditorTitle(), "bus 0     device 0     function 0");
    program.ToggleReadOnly();
    program.TypeIntoCell(0x3C, "5");
    EXPECT_EQ(CellText(program.Editor(), 0x3C), "FF");
}

// A selection carrying address fields of its own still shows the device selected; closing the
// editor while selections and writes are queued loses no selection and writes nothing.
TEST(BadInput, ForgedAndRacingMessagesRetargetToTheSelectedDeviceAndWriteNothing)
{
    ProgramDriver program(StandardMachine());
    program.PressEdit();
    BMessage forged(3);
    forged.AddInt8(kBusField, 9);
    forged.AddInt32(kDeviceField, 9);
    Step([&] { program.DeviceWindow()->PostMessage(&forged); });
    EXPECT_EQ(program.EditorTitle(), "bus 0     device 7     function 1");
    program.ToggleReadOnly();
    BWindow* device = program.DeviceWindow();
    BMessenger editor(program.Editor());
    BMessage write = WriteRequest({0, 0, 0}, 0x3C, 1);
    Step([&] {
        device->PostMessage(3);
        editor.SendMessage(B_QUIT_REQUESTED);
        device->PostMessage(5);
        editor.SendMessage(&write);
        device->PostMessage(kEditRequest);
    });
    EXPECT_TRUE(program.machine.bus.WriteLog().empty());
    ASSERT_EQ(program.EditorCount(), 1);
    EXPECT_EQ(program.EditorTitle(), "bus 0     device 7     function 3");
    EXPECT_TRUE(AllCellsLocked(program.Editor()));
}
