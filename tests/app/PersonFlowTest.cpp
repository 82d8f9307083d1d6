// The program driven as a person drives it, on the simulated machine.

#include "EditorRequests.h"
#include "LspciDump.h"
#include "ProgramDriver.h"

#include <DumpFile.h>
#include <EditorOpenFlag.h>
#include <Menu.h>
#include <SimulatedMachines.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

namespace {

const PciAddress kHostBridge{0, 0, 0};
const PciAddress kIde{0, 0x07, 1};
constexpr int32 kIdeIndex = 3;

class PersonFlowTest : public testing::Test, public ProgramDriver {
protected:
    PersonFlowTest() : ProgramDriver(StandardMachine()) {}
};

} // namespace

TEST_F(PersonFlowTest, AByteTypedAndConfirmedIsWrittenOnceAndReadBack)
{
    PressEdit();
    ASSERT_NE(Editor(), nullptr);
    ToggleReadOnly();
    TypeIntoCell(0x3C, "3c");
    std::vector<ConfigWrite> expected{{kHostBridge, 0x3C, 1, 0x3C}};
    EXPECT_EQ(machine.bus.WriteLog(), expected);
    EXPECT_EQ(CellText(Editor(), 0x3C), "3C");

    // A read-only register takes the write and keeps its value.
    TypeIntoCell(0x00, "12");
    ASSERT_EQ(machine.bus.WriteLog().size(), 2u);
    EXPECT_EQ(machine.bus.WriteLog()[1], (ConfigWrite{kHostBridge, 0x00, 1, 0x12}));
    EXPECT_EQ(CellText(Editor(), 0x00), "86");
}

TEST_F(PersonFlowTest, TypingIntoALockedCellDoesNothing)
{
    PressEdit();
    TypeIntoCell(0x3C, "3c");
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    EXPECT_EQ(CellText(Editor(), 0x3C), "0");
}

TEST_F(PersonFlowTest, PickingAnotherDeviceRetargetsTheEditorAndKeepsItsLock)
{
    PressEdit();
    ToggleReadOnly();
    PickDevice(kIdeIndex);
    EXPECT_STREQ(EditorTitle(),
                 "bus 0     device 7     function 1");
    for (int offset = 0; offset < 256; ++offset)
        ASSERT_EQ(CellText(Editor(), offset), DeviceByte(kIde, offset)) << offset;
    TypeIntoCell(0x3C, "e");
    std::vector<ConfigWrite> expected{{kIde, 0x3C, 1, 0x0E}};
    EXPECT_EQ(machine.bus.WriteLog(), expected);
}

TEST_F(PersonFlowTest, TypingLeftWithoutEnterNeverStaysOnScreenNorReachesADevice)
{
    PressEdit();
    ToggleReadOnly();
    BWindow* editor = Editor();
    std::vector<DataTextView*> cells = CellsOf(editor);
    // Left by a click on another cell, by Tab, by Escape and by "Read Only" set again.
    kittest::Click(cells[0x3C]);
    kittest::Type(editor, "77");
    kittest::Click(cells[0x3D]);
    EXPECT_EQ(CellText(editor, 0x3C), DeviceByte(kHostBridge, 0x3C));
    kittest::Type(editor, "55");
    kittest::PressKey(editor, B_TAB);
    EXPECT_EQ(CellText(editor, 0x3D), DeviceByte(kHostBridge, 0x3D));
    kittest::Click(cells[0x3E]);
    kittest::Type(editor, "66");
    kittest::PressKey(editor, B_ESCAPE);
    EXPECT_EQ(CellText(editor, 0x3E), DeviceByte(kHostBridge, 0x3E));
    kittest::Click(cells[0x3F]);
    kittest::Type(editor, "44");
    editor->PostMessage(kReadOnlyToggle);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(CellText(editor, 0x3F), DeviceByte(kHostBridge, 0x3F));

    // Typing in a cell when another device is picked: the grid is the new device's, unfocused.
    editor->PostMessage(kReadOnlyToggle);
    kittest::DeliverPostedMessages();
    kittest::Click(cells[0x3C]);
    kittest::Type(editor, "33");
    ASSERT_EQ(CellText(editor, 0x3C), "33");
    PickDevice(kIdeIndex);
    EXPECT_EQ(CellText(editor, 0x3C), DeviceByte(kIde, 0x3C));
    EXPECT_EQ(editor->CurrentFocus(), nullptr);

    // Enter handled after the editor was told to show another function: the byte typed for
    // the IDE function goes to neither.
    kittest::Click(cells[0x3C]);
    kittest::Type(editor, "12");
    BMessage retarget = AddressMessage(kHostBridge);
    editor->PostMessage(&retarget);
    kittest::PressKey(editor, B_ENTER);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    EXPECT_EQ(CellText(editor, 0x3C), DeviceByte(kHostBridge, 0x3C));
}

TEST_F(PersonFlowTest, EditOpensOneEditorAndAfterClosingAFreshLockedOneForTheDeviceNow)
{
    PressEdit();
    PressEdit();
    EXPECT_EQ(EditorCount(), 1);
    ToggleReadOnly();

    kittest::CloseWindow(Editor());
    kittest::DeliverPostedMessages();
    EXPECT_EQ(EditorCount(), 0);
    EXPECT_EQ(gEditorOpen, 0);
    ASSERT_NE(DeviceWindow(), nullptr);

    PickDevice(kIdeIndex);
    PressEdit();
    ASSERT_EQ(EditorCount(), 1);
    EXPECT_EQ(kittest::FindView<BCheckBox>(Editor(), "failsafe")->Value(), B_CONTROL_ON);
    for (DataTextView* cell : CellsOf(Editor()))
        ASSERT_FALSE(cell->IsEditable());
    EXPECT_STREQ(EditorTitle(),
                 "bus 0     device 7     function 1");
}

TEST_F(PersonFlowTest, ClosingTheDeviceWindowWithTheEditorOpenEndsTheProgram)
{
    PressEdit();
    kittest::CloseWindow(DeviceWindow());
    app.Run();
    EXPECT_EQ(app.CountWindows(), 0);
    EXPECT_EQ(gEditorOpen, 0);
}

TEST_F(PersonFlowTest, TheEditorBesideTheDeviceWindow)
{
    PickDevice(4);
    PressEdit();
    EXPECT_GT(std::filesystem::file_size(kittest::SaveScreenshot(Editor(), "program-editor-locked")), 0u);
    ToggleReadOnly();
    EXPECT_GT(std::filesystem::file_size(
                  kittest::SaveScreenshot({DeviceWindow(), Editor()}, "program-both-windows")),
              0u);
}

TEST(PersonFlowOnADump, ShowsTheDumpedBytesInOrderAndTakesWritesByTheRegisters)
{
    std::vector<uint8> device = Image(0x8086, 0x1229, 0x00, 256);
    device[0x07] = 0x22;  // A master abort flagged, beside the read-only DEVSEL timing.
    const std::vector<DumpedFunction> dumped = {{"00:00.0", {0, 0, 0}, device},
        {"00:01.0", {0, 1, 0}, Image(0x8086, 0x7191, 0x01, 256)},
        {"01:00.0", {1, 0, 0}, Image(0x10C8, 0x0006, 0x00, 64)}};  // Dumped with -x.
    const DumpFile dump(WriteDump("person.dump", dumped));
    EXPECT_EQ(dump.MachineName(), "person.dump, simulated");
    ProgramDriver program(dump.Functions());
    ASSERT_EQ(program.DeviceMenu()->Menu()->CountItems(), 3);
    program.PressEdit();
    for (int32 n = 0; n < 3; ++n) {
        program.PickDevice(n);
        const std::vector<uint8>& bytes = dumped[n].bytes;
        for (size_t offset = 0; offset < 256; ++offset)
            ASSERT_EQ(std::stoi(CellText(program.Editor(), int(offset)), nullptr, 16),
                offset < bytes.size() ? bytes[offset] : 0xFF) << n << " " << offset;
    }

    // {function, offset, typed, shown}: the bridge's secondary bus, then the device's interrupt
    // line, status and a base address register.
    program.ToggleReadOnly();
    const std::tuple<int32, int, const char*, int> writes[] = {{1, 0x19, "5", 5},
        {0, 0x3C, "b", 0xB}, {0, 0x07, "ff", 0x02}, {0, 0x13, "0", device[0x13]}};
    for (const auto& [index, offset, typed, shown] : writes) {
        program.PickDevice(index);
        program.TypeIntoCell(offset, typed);
        EXPECT_EQ(std::stoi(CellText(program.Editor(), offset), nullptr, 16), shown) << offset;
    }
}
