#include "EditorViews.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"

#include <Control.h>
#include <EditWindow.h>
#include <SimulatedMachines.h>
#include <StringView.h>

namespace {

const PciAddress kNic{0, 0x0B, 0};
const PciAddress kIde{0, 0x07, 1};

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

// A write request that reaches a locked editor, from anywhere, writes nothing (a fuzz finding).
TEST_F(EditWindowTest, ANewEditorShowsTheFunctionLockedUntilTheToggle)
{
    EXPECT_EQ(Title(), "bus 0     device B     function 0");
    EXPECT_TRUE(GridShowsBus(editor, machine.bus, kNic));
    EXPECT_EQ(kittest::FindView<BControl>(editor, "failsafe")->Value(), B_CONTROL_ON);
    EXPECT_TRUE(AllCellsLocked(editor));
    Post({WriteRequest(kNic, 0x3C, 0x5A)});
    EXPECT_TRUE(Writes().empty());
    Post({kToggle});
    EXPECT_TRUE(AllCellsLocked(editor, false));
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
