#include "EditorRequests.h"
#include "EditorViews.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"

#include <Control.h>
#include <EditWindow.h>
#include <SimulatedMachines.h>
#include <SpaceStringView.h>
#include <StringView.h>

#include <gtest/gtest.h>

namespace {

const PciAddress kNic{0, 0x0B, 0};
const PciAddress kIde{0, 0x07, 1};

class EditWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        editor = new EditWindow(BRect(280, 150, 610, 380), kNic.bus, kNic.device, kNic.function);
        editor->Show();
        machine.bus.ClearWriteLog();
    }
    void TearDown() override
    {
        editor->Quit();
        kittest::DeliverPostedMessages();
    }
    void Post(BMessage message)
    {
        editor->PostMessage(&message);
        kittest::DeliverPostedMessages();
    }
    std::string Title() const { return kittest::FindView<BStringView>(editor, "title")->Text(); }

    InstalledMachine machine{StandardMachine()};
    EditWindow* editor = nullptr;
};

} // namespace

TEST_F(EditWindowTest, ANewEditorShowsTheFunctionLockedUntilTheToggle)
{
    EXPECT_EQ(Title(), "bus 0     device B     function 0");
    EXPECT_TRUE(GridShowsBus(editor, machine.bus, kNic));
    std::vector<std::string> offsets;
    for (BView* view : kittest::FindViews(editor, "data"))
        if (auto* label = dynamic_cast<SpaceStringView*>(view))
            offsets.push_back(label->Text());
    ASSERT_EQ(offsets.size(), 16u);
    EXPECT_EQ(offsets[0] + offsets[1] + offsets[15], " 0:10:F0:");
    EXPECT_EQ(kittest::FindView<BControl>(editor, "failsafe")->Value(), B_CONTROL_ON);
    EXPECT_TRUE(AllCellsLocked(editor));
    Post(BMessage(kReadOnlyToggle));
    EXPECT_TRUE(AllCellsLocked(editor, false));
    Post(BMessage(kReadOnlyToggle));
    EXPECT_TRUE(AllCellsLocked(editor));
}

TEST_F(EditWindowTest, AWriteRequestWritesOneByteAndReadsTheGridBack)
{
    Post(WriteRequest(kNic, 0x3C, 0x0B));
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    Post(BMessage(kReadOnlyToggle));
    Post(WriteRequest(kNic, 0x3C, 0x0B));
    EXPECT_EQ(machine.bus.WriteLog(), (std::vector<ConfigWrite>{{kNic, 0x3C, 1, 0x0B}}));
    EXPECT_EQ(CellText(editor, 0x3C), "B");
    // The vendor ID ignores writes: its cell shows what the device still holds.
    Post(WriteRequest(kNic, 0x00, 0x12));
    EXPECT_EQ(machine.bus.WriteLog().size(), 2u);
    EXPECT_TRUE(GridShowsBus(editor, machine.bus, kNic));
}

TEST_F(EditWindowTest, MalformedMessagesChangeAndWriteNothing)
{
    Post(BMessage(kReadOnlyToggle));
    BMessage noData = WriteRequest(kNic, 0x3C, 1);
    noData.RemoveName(kDataField);
    BMessage noOffset = WriteRequest(kNic, 0x3C, 1);
    noOffset.RemoveName(kOffsetField);
    BMessage offsetOfWrongType = noOffset;
    offsetOfWrongType.AddInt8(kOffsetField, 0x3C);
    BMessage noFunction = WriteRequest(kNic, 0x3C, 1);
    noFunction.RemoveName(kFunctionField);
    BMessage addressWithoutFunction = AddressMessage(kIde);
    addressWithoutFunction.RemoveName(kFunctionField);
    for (const BMessage& message : {noData, noOffset, offsetOfWrongType, noFunction,
             WriteRequest(kNic, 256, 1), WriteRequest(kNic, INT32_MIN, 1), addressWithoutFunction,
             BMessage(3)})
        Post(message);
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    EXPECT_EQ(Title(), "bus 0     device B     function 0");
    EXPECT_TRUE(GridShowsBus(editor, machine.bus, kNic));
}

TEST_F(EditWindowTest, AnAddressMessageRetargetsTheGridAndItsWritesAndKeepsTheLock)
{
    Post(BMessage(kReadOnlyToggle));
    Post(AddressMessage(kIde));
    EXPECT_EQ(Title(), "bus 0     device 7     function 1");
    EXPECT_TRUE(GridShowsBus(editor, machine.bus, kIde));
    EXPECT_TRUE(AllCellsLocked(editor, false));
    // A byte typed for the function shown before is written to no function.
    Post(WriteRequest(kNic, 0x3C, 0x0D));
    Post(WriteRequest(kIde, 0x3C, 0x0E));
    EXPECT_EQ(machine.bus.WriteLog(), (std::vector<ConfigWrite>{{kIde, 0x3C, 1, 0x0E}}));
}
