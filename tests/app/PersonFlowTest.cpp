// The program driven as a person drives it, on the simulated machine.

#include "DeviceLines.h"
#include "ProgramDriver.h"
#include "Screenshots.h"
#include "StandardMachineFunctions.h"

#include <SimulatedMachines.h>

#include <gtest/gtest.h>

namespace {

class PersonFlowTest : public testing::Test, public ProgramDriver {
protected:
    PersonFlowTest() : ProgramDriver(StandardMachine()) {}
};

} // namespace

// PCIZ_SCREENSHOTS=1 makes this test draw docs/screenshot.png's picture.
TEST_F(PersonFlowTest, TheEditorBesideTheDeviceWindowWritesWhatIsConfirmedUnlockedToTheDevicePicked)
{
    EXPECT_EQ(DeviceWindow()->Bounds().Height(), 280);
    PressEdit();
    TypeIntoCell(0x3C, "3c");
    EXPECT_EQ(CellText(Editor(), 0x3C), "0");
    ToggleReadOnly();
    TypeIntoCell(0x00, "12");
    EXPECT_EQ(CellText(Editor(), 0x00), "86"); // read-only: the device keeps its byte
    PickDevice(kUsbIndex);
    ScreenshotIfAsked({DeviceWindow(), Editor()}, "program-both-windows");
    PickDevice(kIdeIndex);
    EXPECT_EQ(EditorTitle(), "bus 0     device 7     function 1");
    EXPECT_TRUE(GridShowsBus(Editor(), machine.bus, kIde));
    TypeIntoCell(0x3C, "3c");
    EXPECT_EQ(CellText(Editor(), 0x3C), "3C");
    EXPECT_EQ(machine.bus.WriteLog(),
              (std::vector<ConfigWrite>{{kHostBridge, 0, 1, 0x12}, {kIde, 0x3C, 1, 0x3C}}));
}

TEST_F(PersonFlowTest, TypingLeftWithoutEnterNeverStaysOnScreenNorReachesADevice)
{
    PressEdit();
    ToggleReadOnly();
    BWindow* editor = Editor();
    std::vector<DataTextView*> cells = CellsOf(editor);
    // Left by a click on another cell, on the grid's background or the window's margin, by Tab
    // and Shift+Tab (which go back), by Escape and by "Read Only" set again.
    const auto typeThenLeave = [&](int offset, auto leave) {
        Step([&] {
            kittest::Click(cells[offset]);
            kittest::Type(editor, "77");
        });
        Step(leave);
        EXPECT_EQ(CellText(editor, offset), DeviceByte(kHostBridge, offset)) << offset;
    };
    typeThenLeave(0x3C, [&] { kittest::Click(cells[0x3D]); });
    const BRect besideCell = cells[0x30]->Frame();
    typeThenLeave(0x3C,
                  [&] { kittest::ClickAt(editor, besideCell.right + 3, besideCell.top + 5); });
    typeThenLeave(0x3C, [&] { kittest::ClickAt(editor, 3, 200); });
    typeThenLeave(0x3D, [&] { kittest::PressKey(editor, B_TAB); });
    typeThenLeave(0x3D, [&] { kittest::PressShiftTab(editor); });
    EXPECT_TRUE(cells[0x3C]->IsFocus());
    typeThenLeave(0x3E, [&] { kittest::PressKey(editor, B_ESCAPE); });
    typeThenLeave(0x3F, [&] { editor->PostMessage(kReadOnlyToggle); });
    ToggleReadOnly();
    // Another device picked while typing: the grid is the new device's, unfocused.
    typeThenLeave(0x3C, [&] {
        PickDevice(kIdeIndex);
        PickDevice(0);
    });
    EXPECT_EQ(editor->CurrentFocus(), nullptr);

    // Enter handled after the editor was told to show another function: the byte typed for
    // the IDE function goes to neither.
    PickDevice(kIdeIndex);
    BMessage retarget = AddressMessage(kHostBridge);
    Step([&] {
        kittest::Click(cells[0x3C]);
        kittest::Type(editor, "12");
        editor->PostMessage(&retarget);
        kittest::PressKey(editor, B_ENTER);
    });
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    EXPECT_EQ(CellText(editor, 0x3C), DeviceByte(kHostBridge, 0x3C));
}

// A function of a second PCI domain at an address the first one has too is listed and edited
// as itself: the device window and the editor name where it really is, and its bytes are its own.
TEST_F(PersonFlowTest, AFunctionOfAnotherDomainIsShownAtItsRealAddressWithItsOwnBytes)
{
    PickDevice(kDriveIndex);
    EXPECT_EQ(LineOf(DeviceWindow(), "Vendor ID"), "Vendor ID 144D");
    EXPECT_EQ(LineOf(DeviceWindow(), "Bus"), "Bus 0 Device 0 Function 0");
    PressEdit();
    EXPECT_EQ(EditorTitle(), "0001:00:00.0");
    EXPECT_EQ(CellText(Editor(), 0) + CellText(Editor(), 1), "4D14");
}
