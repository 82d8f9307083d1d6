#include "KitTestSupport.h"

#include <CheckBox.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <PopUpMenu.h>

#include <gtest/gtest.h>

namespace {

class ControlWindow : public BWindow {
public:
    ControlWindow()
        : BWindow(BRect(100, 100, 400, 220), "Controls", B_TITLED_WINDOW, B_NOT_RESIZABLE)
    {
        AddChild(box);
        for (int32 i = 0; i < 3; ++i)
            menu->AddItem(new BMenuItem(std::to_string(i).c_str(), new BMessage(i)));
        AddChild(field);
    }
    void MessageReceived(BMessage* message) override { received.push_back(*message); }

    std::vector<BMessage> received;
    BCheckBox* box = new BCheckBox(BRect(200, 30, 290, 46), "box", "Read Only",
                                   new BMessage(FourCharCode("cbox")));
    BPopUpMenu* menu = new BPopUpMenu("0");
    BMenuField* field = new BMenuField(BRect(7, 6, 150, 20), "devicemenu", "PCI index : ", menu);
};

} // namespace

TEST(Control, OnlyAPersonsActionPostsAndAMenuOpensFromTheKeysAtTheMarkedItem)
{
    auto* window = new ControlWindow;
    // Frames are inclusive: a window of frame (100, 100, 400, 220) is 301 pixels wide.
    EXPECT_EQ(window->Frame(), BRect(100, 100, 400, 220));
    EXPECT_EQ(kittest::OpenMenuWithKey(window->field, B_DOWN_ARROW), 0);
    window->box->SetValue(B_CONTROL_ON);
    window->menu->ItemAt(2)->SetMarked(true);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(window->received.empty());

    kittest::Click(window->box);
    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 1u);
    EXPECT_EQ(window->received[0].what, FourCharCode("cbox"));

    // A radio choice posts its code and index and marks only it.
    kittest::ChooseMenuItem(window->field, 1);
    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 2u);
    EXPECT_EQ(window->received[1].what, 1u);
    EXPECT_STREQ(window->field->MenuLabel(), "1");
    // Only the marked item is marked and shows a box.
    for (int32 i = 0; i < 3; ++i) {
        EXPECT_EQ(window->menu->ItemAt(i)->IsMarked(), i == 1) << i;
        EXPECT_EQ(kittest::ShowsCheckBox(window->menu->ItemAt(i)), i == 1) << i;
    }
    for (uchar key : {uchar(' '), uchar(B_ENTER), uchar(B_DOWN_ARROW)})
        EXPECT_EQ(kittest::OpenMenuWithKey(window->field, key), 1) << int(key);
    window->Quit();
    kittest::DeliverPostedMessages();
}
