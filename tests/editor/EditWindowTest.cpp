#include "EditorViews.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"
#include "StandardMachineFunctions.h"

#include <Control.h>
#include <EditWindow.h>
#include <MenuField.h>
#include <SimulatedMachines.h>
#include <SpaceStringView.h>
#include <StringView.h>

namespace {

class EditWindowTest : public testing::Test {
protected:
    EditWindowTest()
    {
        editor->Show();
        kittest::DeliverPostedMessages();
    }
    ~EditWindowTest() override
    {
        editor->Quit();
        kittest::DeliverPostedMessages();
    }
    void Post(std::vector<BMessage> messages)
    {
        for (BMessage& message : messages)
            editor->PostMessage(&message);
        kittest::DeliverPostedMessages();
    }
    std::string Title() const { return kittest::FindView<BStringView>(editor, "title")->Text(); }
    std::vector<ConfigWrite> Writes() const { return machine.bus.WriteLog(); }

    InstalledMachine machine{StandardMachine()};
    EditWindow* editor =
        new EditWindow(BRect(280, 150, 610, 380), kNic.bus, kNic.device, kNic.function);
    const BMessage kToggle{kReadOnlyToggle};
};

} // namespace

// Each row's offset stands on the line of its cells. A locked cell sits on the window's colour,
// an unlocked one stands out. A write request that reaches a locked editor, from anywhere,
// writes nothing (a fuzz finding).
TEST_F(EditWindowTest, ANewEditorShowsTheFunctionLockedUntilTheToggle)
{
    EXPECT_EQ(Title(), "bus 0     device B     function 0");
    EXPECT_TRUE(GridShowsBus(editor, machine.bus, kNic));
    std::string offsets;
    for (int32 i = 0, row = 0; i < editor->CountChildren(); ++i)
        if (auto* label = dynamic_cast<SpaceStringView*>(editor->ChildAt(i))) {
            offsets += label->Text();
            EXPECT_EQ(label->Frame().top, CellsOf(editor).at(16 * row++)->Frame().top + 1);
        }
    EXPECT_EQ(offsets, " 0:10:20:30:40:50:60:70:80:90:A0:B0:C0:D0:E0:F0:");
    EXPECT_EQ(kittest::FindView<BControl>(editor, "failsafe")->Value(), B_CONTROL_ON);
    EXPECT_TRUE(AllCellsLocked(editor));
    EXPECT_TRUE(kittest::DrawnOnWindowColour(CellsOf(editor)[0]));
    Post({WriteRequest(kNic, 0x3C, 0x5A)});
    EXPECT_TRUE(Writes().empty());
    Post({kToggle});
    EXPECT_TRUE(AllCellsLocked(editor, false));
    EXPECT_FALSE(kittest::DrawnOnWindowColour(CellsOf(editor)[0]));
    Post({kToggle});
    EXPECT_TRUE(AllCellsLocked(editor));
}

// Only a whole request for the function shown is written: one for the function shown before
// goes to no function.
TEST_F(EditWindowTest, MalformedMessagesAndRequestsForAnotherFunctionWriteNothing)
{
    std::vector<BMessage> malformed = {
        WriteRequest(kNic, 0x3C, 1),   WriteRequest(kNic, 0x3C, 1),
        WriteRequest(kNic, 0x3C, 1),   AddressMessage(kIde),
        WriteRequest(kNic, 256, 1),    WriteRequest(kNic, INT32_MIN, 1),
        WriteRequest(kIde, 0x3C, 0x0D)};
    const std::pair<int, const char*> removed[] = {
        {0, kDataField}, {1, kOffsetField}, {2, kFunctionField}, {3, kFunctionField}};
    for (auto [n, field] : removed)
        malformed[n].RemoveName(field);
    malformed[1].AddInt8(kOffsetField, 0x3C);
    Post({kToggle});
    Post(malformed);
    EXPECT_EQ(Title(), "bus 0     device B     function 0");
    Post({WriteRequest(kNic, 0x3C, 0x0B)});
    EXPECT_EQ(Writes(), (std::vector<ConfigWrite>{{kNic, 0x3C, 1, 0x0B}}));
    EXPECT_EQ(CellText(editor, 0x3C), "B");
}

// A function with an extended space is paged through, by keys wherever the focus is and by the
// page control; each page reads and writes its own offsets. A function of 256 bytes has no
// pages, and another function starts on its first page.
TEST_F(EditWindowTest, AnExtendedSpaceIsPagedThroughByKeysAndTheControlAndWritesItsOwnOffsets)
{
    const PciAddress express{0, 0x0E, 0};
    auto* pages = kittest::FindView<BMenuField>(editor, "page");
    const auto rowLabels = [&] {
        std::string labels;
        for (int32 i = 0; i < editor->CountChildren(); ++i)
            if (auto* label = dynamic_cast<SpaceStringView*>(editor->ChildAt(i)))
                labels += label->Text();
        return labels;
    };
    const auto pageShows = [&](int page) {
        for (int offset = 0; offset < 256; ++offset)
            if (CellText(editor, offset)
                != HexText(machine.bus.Read(0, 0x0E, 0, page * 256 + offset, 1)))
                return testing::AssertionFailure() << "page " << page << " offset " << offset;
        return testing::AssertionSuccess() << pages->MenuLabel();
    };
    EXPECT_TRUE(pages->IsHidden());
    EXPECT_EQ(rowLabels(), " 0:10:20:30:40:50:60:70:80:90:A0:B0:C0:D0:E0:F0:");
    Post({AddressMessage(express), kToggle});
    EXPECT_FALSE(pages->IsHidden());
    EXPECT_TRUE(pageShows(0));

    Step([&] { kittest::PressKeyIn(CellsOf(editor)[5], B_PAGE_DOWN); });
    EXPECT_EQ(rowLabels(), "100:110:120:130:140:150:160:170:180:190:1A0:1B0:1C0:1D0:1E0:1F0:");
    EXPECT_TRUE(pageShows(1));
    EXPECT_STREQ(pages->MenuLabel(), "100");
    Step([&] { kittest::PressKey(editor, B_PAGE_DOWN); });
    Step([&] { kittest::PressKey(editor, B_PAGE_UP); });
    EXPECT_TRUE(pageShows(1));
    // Advanced error reporting's correctable status, at 0x110: its bits clear where 1s go.
    Step([&] {
        kittest::Click(CellsOf(editor)[0x10]);
        kittest::Type(editor, "ff");
        kittest::PressKey(editor, B_ENTER);
    });
    EXPECT_EQ(Writes(), (std::vector<ConfigWrite>{{express, 0x110, 1, 0xFF}}));
    EXPECT_EQ(CellText(editor, 0x10), "0");

    Step([&] { kittest::ChooseMenuItem(pages, 15); });
    EXPECT_TRUE(pageShows(15));
    Step([&] { kittest::PressKey(editor, B_PAGE_DOWN); });
    EXPECT_TRUE(pageShows(15));
    Post({AddressMessage(kNic)});
    EXPECT_TRUE(pages->IsHidden());
    EXPECT_EQ(rowLabels(), " 0:10:20:30:40:50:60:70:80:90:A0:B0:C0:D0:E0:F0:");
}
