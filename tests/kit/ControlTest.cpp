#include "KitTestSupport.h"

#include <Button.h>
#include <CheckBox.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <PopUpMenu.h>
#include <StringView.h>
#include <TextView.h>
#include <Window.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

namespace {

class ControlWindow : public BWindow {
public:
    ControlWindow()
        : BWindow(BRect(100, 100, 400, 220), "Controls", B_TITLED_WINDOW,
                  B_NOT_RESIZABLE | B_NOT_ZOOMABLE)
    {
        button = new BButton(BRect(150, 6, 200, 20), "button", "Edit", new BMessage(-99),
                             B_FOLLOW_NONE, B_WILL_DRAW | B_NAVIGABLE);
        box = new BCheckBox(BRect(200, 30, 290, 46), "box", "Read Only",
                            new BMessage(FourCharCode("cbox")), B_FOLLOW_NONE,
                            B_WILL_DRAW | B_NAVIGABLE);
        menu = new BPopUpMenu("0", true, true, B_ITEMS_IN_COLUMN);
        for (int32 i = 0; i < 3; ++i)
            menu->AddItem(new BMenuItem(std::to_string(i).c_str(), new BMessage(i), 0, 0));
        field = new BMenuField(BRect(7, 6, 150, 20), "devicemenu", "PCI index : ", menu,
                               B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
        field->SetAlignment(B_ALIGN_RIGHT);
        label = new BStringView(BRect(10, 30, 150, 44), "label", "A label");
        text = new BTextView(BRect(10, 50, 60, 64), "text", BRect(0, 0, 100, 50), B_FOLLOW_NONE,
                             B_WILL_DRAW);
        text->SetText("3C");
        AddChild(button);
        AddChild(box);
        AddChild(field);
        AddChild(label);
        AddChild(text);
    }
    void MessageReceived(BMessage* message) override { received.push_back(*message); }

    std::vector<BMessage> received;
    BButton* button;
    BCheckBox* box;
    BPopUpMenu* menu;
    BMenuField* field;
    BStringView* label;
    BTextView* text;
};

class ControlTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new ControlWindow;
        window->Show();
    }
    void TearDown() override
    {
        window->Quit();
        kittest::DeliverPostedMessages();
    }
    ControlWindow* window = nullptr;
};

} // namespace

TEST_F(ControlTest, AClickPostsTheControlsMessageAndSettingFromCodePostsNothing)
{
    window->box->SetValue(B_CONTROL_ON);
    window->box->SetLabel("Read Only");
    window->menu->ItemAt(1)->SetMarked(true);
    kittest::DeliverPostedMessages();
    EXPECT_TRUE(window->received.empty());

    kittest::Click(window->button);
    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 1u);
    EXPECT_EQ(window->received[0].what, static_cast<uint32>(-99));
}

TEST_F(ControlTest, ACheckBoxKeepsItsValueAndAClickFlipsIt)
{
    window->box->SetValue(B_CONTROL_ON);
    kittest::Click(window->box);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(window->box->Value(), B_CONTROL_OFF);
    kittest::Click(window->box);
    kittest::DeliverPostedMessages();
    EXPECT_EQ(window->box->Value(), B_CONTROL_ON);
    ASSERT_EQ(window->received.size(), 2u);
    EXPECT_EQ(window->received[1].what, FourCharCode("cbox"));
}

TEST_F(ControlTest, ChoosingARadioItemPostsItsCodeMarksOnlyItAndRenamesTheField)
{
    EXPECT_STREQ(window->field->MenuLabel(), "0");
    EXPECT_EQ(kittest::OpenMenuWithKey(window->field, B_DOWN_ARROW), 0);
    kittest::ChooseMenuItem(window->field, 2);
    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 1u);
    EXPECT_EQ(window->received[0].what, 2u);
    EXPECT_EQ(window->menu->FindMarked(), window->menu->ItemAt(2));
    EXPECT_STREQ(window->field->MenuLabel(), "2");

    kittest::ChooseMenuItem(window->field, 1);
    kittest::DeliverPostedMessages();
    ASSERT_EQ(window->received.size(), 2u);
    EXPECT_EQ(window->received[1].what, 1u);
    EXPECT_FALSE(window->menu->ItemAt(2)->IsMarked());
    EXPECT_TRUE(window->menu->ItemAt(1)->IsMarked());
    EXPECT_STREQ(window->field->MenuLabel(), "1");
    // An item once marked shows no empty box; the keys open the menu at the marked item.
    for (int32 i = 0; i < 3; ++i)
        EXPECT_EQ(kittest::ShowsCheckBox(window->menu->ItemAt(i)), i == 1) << i;
    for (uchar key : {uchar(' '), uchar(B_ENTER), uchar(B_DOWN_ARROW)})
        EXPECT_EQ(kittest::OpenMenuWithKey(window->field, key), 1) << int(key);
}

TEST_F(ControlTest, OneOfEachControlLooksRight)
{
    std::string path = kittest::SaveScreenshot(window, "kit-controls");
    EXPECT_GT(std::filesystem::file_size(path), 0u);
}
