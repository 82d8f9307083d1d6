#include "EditorRequests.h"
#include "EditorViews.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"

#include <Control.h>
#include <EditWindow.h>
#include <Message.h>
#include <SimulatedMachines.h>
#include <SpaceStringView.h>
#include <StringView.h>
#include <WindowMessages.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

const PciAddress kNic{0, 0x0B, 0};
const PciAddress kIde{0, 0x07, 1};

std::string Hex(uint32 value)
{
    char text[16];
    std::snprintf(text, sizeof(text), "%X", value);
    return text;
}

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
    void ExpectGridShows(PciAddress address)
    {
        for (int offset = 0; offset < 256; ++offset)
            ASSERT_EQ(CellText(editor, offset),
                      Hex(machine.bus.Read(address.bus, address.device, address.function, offset, 1)))
                << "offset " << offset;
    }
    bool AllCellsUnlocked(bool unlocked)
    {
        for (DataTextView* cell : CellsOf(editor))
            if (cell->IsEditable() != unlocked || cell->IsSelectable() != unlocked)
                return false;
        return true;
    }

    InstalledMachine machine{StandardMachine()};
    EditWindow* editor = nullptr;
};

} // namespace

TEST_F(EditWindowTest, ANewEditorShowsTheFunctionLocked)
{
    EXPECT_STREQ(editor->Title(), "Edit PCI Config");
    EXPECT_STREQ(kittest::FindView<BStringView>(editor, "title")->Text(),
                 "bus 0     device B     function 0");
    ExpectGridShows(kNic);
    EXPECT_EQ(CellText(editor, 0), "86");
    EXPECT_TRUE(AllCellsUnlocked(false));
    EXPECT_EQ(kittest::FindView<BControl>(editor, "failsafe")->Value(), B_CONTROL_ON);
}

TEST_F(EditWindowTest, RowLabelsAndCellsStandInTheirGrid)
{
    std::vector<std::string> labels;
    for (BView* view : kittest::FindViews(editor, "data"))
        if (auto* label = dynamic_cast<SpaceStringView*>(view))
            labels.push_back(label->Text());
    ASSERT_EQ(labels.size(), 16u);
    EXPECT_EQ(labels[0], " 0:");
    EXPECT_EQ(labels[1], "10:");
    EXPECT_EQ(labels[15], "F0:");

    std::vector<DataTextView*> cells = CellsOf(editor);
    ASSERT_EQ(cells.size(), 256u);
    EXPECT_EQ(cells[0]->Frame().left, 35);
    EXPECT_EQ(cells[0]->Frame().top, 30);
    EXPECT_EQ(cells[60]->Frame().left, 35 + 18 * 12);
    EXPECT_EQ(cells[60]->Frame().top, 30 + 12 * 3);
    EXPECT_EQ(cells[255]->Frame().left, 35 + 18 * 15);
    EXPECT_EQ(cells[255]->Frame().top, 30 + 12 * 15);
    EXPECT_EQ(kittest::FindView<BView>(editor, "failsafe")->Frame(), BRect(250, 4, 350, 20));
}

TEST_F(EditWindowTest, TheReadOnlyToggleLocksAndUnlocksEveryCell)
{
    Post(BMessage(kReadOnlyToggle));
    EXPECT_TRUE(AllCellsUnlocked(true));
    Post(BMessage(kReadOnlyToggle));
    EXPECT_TRUE(AllCellsUnlocked(false));
}

TEST_F(EditWindowTest, AWriteRequestWritesOneByteAndReadsTheGridBack)
{
    Post(BMessage(kReadOnlyToggle));
    Post(WriteRequest(kNic, 0x3C, 0x0B));
    std::vector<ConfigWrite> expected{{kNic, 0x3C, 1, 0x0B}};
    EXPECT_EQ(machine.bus.WriteLog(), expected);
    EXPECT_EQ(CellText(editor, 0x3C), "B");

    // The vendor ID ignores writes: its cell shows what the device still holds.
    Post(WriteRequest(kNic, 0x00, 0x12));
    EXPECT_EQ(machine.bus.WriteLog().size(), 2u);
    EXPECT_EQ(CellText(editor, 0x00), "86");
    ExpectGridShows(kNic);
}

TEST_F(EditWindowTest, MalformedWriteRequestsWriteNothing)
{
    Post(BMessage(kReadOnlyToggle));
    BMessage noData = WriteRequest(kNic, 0x3C, 1);
    noData.RemoveName(kDataField);
    BMessage noOffset = WriteRequest(kNic, 0x3C, 1);
    noOffset.RemoveName(kOffsetField);
    BMessage offsetOfWrongType = noOffset;
    offsetOfWrongType.AddInt8(kOffsetField, 0x3C);
    BMessage dataOfWrongType = noData;
    dataOfWrongType.AddInt32(kDataField, 1);
    BMessage noFunction = WriteRequest(kNic, 0x3C, 1);
    noFunction.RemoveName(kFunctionField);
    for (const BMessage& request : {noData, noOffset, offsetOfWrongType, dataOfWrongType, noFunction,
                                    WriteRequest(kNic, 256, 1), WriteRequest(kNic, -1, 1),
                                    WriteRequest(kNic, INT32_MIN, 1)})
        Post(request);
    EXPECT_TRUE(machine.bus.WriteLog().empty());
    ExpectGridShows(kNic);
}

TEST_F(EditWindowTest, AnAddressMessageRetargetsTheGridAndItsWritesAndKeepsTheLock)
{
    Post(BMessage(kReadOnlyToggle));
    Post(AddressMessage(kIde));
    EXPECT_STREQ(kittest::FindView<BStringView>(editor, "title")->Text(),
                 "bus 0     device 7     function 1");
    ExpectGridShows(kIde);
    EXPECT_TRUE(AllCellsUnlocked(true));

    // A byte typed for the function shown before is written to no function.
    Post(WriteRequest(kNic, 0x3C, 0x0D));
    Post(WriteRequest(kIde, 0x3C, 0x0E));
    std::vector<ConfigWrite> expected{{kIde, 0x3C, 1, 0x0E}};
    EXPECT_EQ(machine.bus.WriteLog(), expected);
}

TEST_F(EditWindowTest, AnAddressMessageLackingAFieldAndOtherCodesChangeNothing)
{
    BMessage noFunction(kEditorAddress);
    noFunction.AddInt8(kBusField, 0);
    noFunction.AddInt8(kDeviceField, 7);
    Post(noFunction);
    Post(BMessage(FourCharCode("junk")));
    Post(BMessage(3));
    EXPECT_STREQ(kittest::FindView<BStringView>(editor, "title")->Text(),
                 "bus 0     device B     function 0");
    ExpectGridShows(kNic);
    EXPECT_TRUE(AllCellsUnlocked(false));
    EXPECT_TRUE(machine.bus.WriteLog().empty());
}
