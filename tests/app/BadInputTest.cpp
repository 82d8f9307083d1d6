// The program on machines of odd sizes, with failing devices, bad dump files and malformed or
// racing messages: nothing crashes, nothing is written that a person did not confirm in an
// unlocked editor.

#include "DeviceLines.h"
#include "ProgramDriver.h"
#include "Screenshots.h"

#include <AppDefs.h>
#include <Menu.h>
#include <Messenger.h>
#include <SimulatedMachines.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace {

// What a command says and its exit status. A program that opened a window instead would be
// stopped by the timeout.
std::string Said(const std::string& command)
{
    FILE* run = popen(("timeout 20 " + command + " 2>&1; echo status $?").c_str(), "r");
    std::string output(1024, '\0');
    output.resize(std::fread(output.data(), 1, output.size(), run));
    pclose(run);
    return output;
}

std::string RunSimulatedProgram(const std::string& arguments)
{
    return Said(PCIZ_SIM_PROGRAM " " + arguments);
}

} // namespace

// pcizorvane takes no arguments: a dump named to it would seem to be opened on the real bus.
// Both programs answer -h, --help and --version, the version being the one the device window
// shows.
TEST(BadInput, TheRealBusProgramRefusesArgumentsAndBothSayWhatTheyAreAndTheirVersion)
{
    const std::string real = PCIZ_PROGRAM " ", sim = PCIZ_SIM_PROGRAM " ";
    const std::string version =
        kittest::FindView<BStringView>(ProgramDriver({}).DeviceWindow(), "version")->Text();
    const std::string runs[][2] = {
        {real + "m.txt", "pcizorvane: takes no arguments, not \"m.txt\": to open a dump file, run "
                         "pcizorvane-sim FILE\nstatus 2\n"},
        {real + "--version", "pcizorvane " + version + "\nstatus 0\n"},
        {sim + "--version", "pcizorvane-sim " + version + "\nstatus 0\n"}};
    for (const auto& [command, said] : runs)
        EXPECT_EQ(Said(command), said);
    for (const std::string& command : {real + "-h", real + "--help", sim + "-h", sim + "--help"})
        EXPECT_THAT(Said(command),
                    testing::MatchesRegex("Usage: (.|\n)*pcizorvane-sim \\[?FILE(.|\n)*status 0\n"))
            << command;
}

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
}

// No made-up record: the window says there are no functions, and on the real bus (no machine
// name) why; Edit has nothing to open.
TEST(BadInput, AMachineWithoutFunctionsSaysSoShowsNoRecordAndOpensNoEditor)
{
    for (const char* name : {"", "simulated"}) {
        ProgramDriver program({}, name);
        EXPECT_EQ(program.DeviceMenu()->Menu()->CountItems(), 0);
        EXPECT_STREQ(program.DeviceMenu()->MenuLabel(), "");
        std::vector<std::string> texts = {"v1.0", "No PCI functions are visible."};
        if (*name == '\0')
            texts.push_back("Pci Zorvane needs the kernel's sysfs: /sys/bus/pci.");
        std::vector<std::string> shown;
        for (BStringView* view : ShownTexts(program.DeviceWindow()))
            shown.push_back(view->Text());
        EXPECT_EQ(shown, texts) << name;
        ScreenshotIfAsked({program.DeviceWindow()},
                          *name ? "no-functions-simulated" : "no-functions");
        program.PressEdit();
        EXPECT_EQ(program.EditorCount(), 0);
    }
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
