// The program on a device whose reads hang until the test lets them go: the device window
// answers, repaints and closes meanwhile, the editor shows only the bytes of the function and
// page it names, says when it is reading, and writes in the order asked; a closed editor reads
// and writes nothing more.

#include "DeviceLines.h"
#include "HeldBus.h"
#include "ProgramDriver.h"
#include "StandardMachineFunctions.h"

#include <SimulatedMachines.h>
#include <TypeConstants.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace {

// One step as a person takes it while a read may hang: what it posts to windows is delivered,
// the editor's bus thread is not waited for.
template <typename Action>
void HeldStep(Action action)
{
    action();
    kittest::DeliverWindowMessages();
}

// A first page as the editor's bus thread sends it, of bytes no function here holds.
BMessage ForgedFirstPage(PciAddress function, int32 serial, int32 size)
{
    BMessage page = AddressMessage(function, kPageBytes);
    const uint8 bytes[256] = {0x12};
    page.AddInt32(kPageField, 0);
    page.AddInt32(kSerialField, serial);
    page.AddInt32(kSizeField, size);
    page.AddData(kBytesField, B_RAW_TYPE, bytes, sizeof(bytes));
    return page;
}

class SlowDeviceTest : public testing::Test, public ProgramDriver {
protected:
    SlowDeviceTest() : ProgramDriver(StandardMachine()) {}

    void EditWhileHeld()
    {
        held.Hold();
        HeldStep([&] { kittest::Click(kittest::FindView<BButton>(DeviceWindow(), "EditButton")); });
        ASSERT_TRUE(held.WaitUntilAReadIsHeld());
    }
    void PickWhileHeld(int32 index)
    {
        HeldStep([&] { kittest::ChooseMenuItem(DeviceMenu(), index); });
    }

    HeldBus held{machine.bus};
};

} // namespace

TEST_F(SlowDeviceTest,
       TheDeviceWindowAnswersWhileTheEditorWaitsAndTheEditorShowsOnlyTheFunctionNamed)
{
    EditWhileHeld();
    ASSERT_NE(Editor(), nullptr);
    // Nothing named before its bytes are there (a slow machine may have said it is reading).
    EXPECT_THAT(EditorTitle(), testing::AnyOf("", testing::StartsWith("reading")));
    PickWhileHeld(kUsbIndex);
    PickWhileHeld(kIdeIndex);
    kittest::Repaint(DeviceWindow());
    EXPECT_EQ(LineOf(DeviceWindow(), "Device ID"), "Device ID 7111");

    // Still waiting a while after: the editor says so, and shows no bytes to type over; a
    // function picked meanwhile is the one it names.
    HeldStep([&] { Editor()->PostMessage(kStillReading); });
    EXPECT_EQ(EditorTitle(), "reading bus 0 device 7 function 1...");
    EXPECT_EQ(CellText(Editor(), 0), "");
    PickWhileHeld(kUsbIndex);
    EXPECT_EQ(EditorTitle(), "reading bus 0 device 7 function 2...");
    PickWhileHeld(kIdeIndex);
    // Bytes of a function it no longer shows never reach the grid.
    BMessage stale = ForgedFirstPage(kHostBridge, 1000, 256);
    HeldStep([&] { Editor()->PostMessage(&stale); });
    EXPECT_EQ(CellText(Editor(), 0), "");

    held.Release();
    kittest::DeliverPostedMessages();
    EXPECT_EQ(EditorTitle(), "bus 0     device 7     function 1");
    EXPECT_TRUE(GridShowsBus(Editor(), machine.bus, kIde));
    ToggleReadOnly();
    EXPECT_TRUE(AllCellsLocked(Editor(), false));
}

// The whole space, read in the background for the names of its capabilities, never stops the
// reading of the page the grid waits for.
TEST_F(SlowDeviceTest, ReadingTheWholeSpaceNeverStopsThePageTheGridAwaits)
{
    PickDevice(kExpressIndex);
    EditWhileHeld();
    BMessage again = AddressMessage(kExpress);
    HeldStep([&] { Editor()->PostMessage(&again); });
    // The bytes of the first reading, come in after the second was asked for.
    BMessage first = ForgedFirstPage(kExpress, 1, 4096);
    HeldStep([&] { Editor()->PostMessage(&first); });
    held.Release();
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(GridShowsBus(Editor(), machine.bus, kExpress));
}

// Writes land in the order confirmed, each on the function it was typed for, even when the
// editor follows another function before they are done; the lock holds for what comes after.
TEST_F(SlowDeviceTest, WritesLandInOrderOnTheFunctionTypedForAndTheLockHolds)
{
    PickDevice(kNicIndex);
    PressEdit();
    ToggleReadOnly();
    held.Hold();
    const BMessage writes[] = {WriteRequest(kNic, 0x3C, 0x01), WriteRequest(kNic, 0x3C, 0x02),
                               WriteRequest(kNic, 0x0D, 0x20)};
    HeldStep([&] {
        for (BMessage write : writes)
            Editor()->PostMessage(&write);
    });
    ASSERT_TRUE(held.WaitUntilAReadIsHeld());
    PickWhileHeld(kIdeIndex);
    BMessage late = WriteRequest(kNic, 0x3C, 0x03);
    HeldStep([&] {
        Editor()->PostMessage(&late);
        Editor()->PostMessage(kReadOnlyToggle);
        BMessage locked = WriteRequest(kIde, 0x3C, 0x04);
        Editor()->PostMessage(&locked);
    });
    held.Release();
    kittest::DeliverPostedMessages();
    EXPECT_EQ(machine.bus.WriteLog(),
              (std::vector<ConfigWrite>{
                  {kNic, 0x3C, 1, 0x01}, {kNic, 0x3C, 1, 0x02}, {kNic, 0x0D, 1, 0x20}}));
    EXPECT_EQ(EditorTitle(), "bus 0     device 7     function 1");
    EXPECT_TRUE(GridShowsBus(Editor(), machine.bus, kIde));
}

// Closing while a read hangs takes no longer than that read: the windows go at once, and once
// the read is let go, the editor's thread ends without another read or write.
TEST_F(SlowDeviceTest, ClosingDuringAHeldReadEndsTheEditorsThreadAfterThatRead)
{
    EditWhileHeld();
    const int reads = held.Reads();
    HeldStep([&] { kittest::CloseWindow(DeviceWindow()); });
    EXPECT_EQ(app.CountWindows(), 0);
    held.Release();
    kittest::DeliverPostedMessages();
    EXPECT_EQ(held.Reads(), reads);
    EXPECT_TRUE(machine.bus.WriteLog().empty());
}
