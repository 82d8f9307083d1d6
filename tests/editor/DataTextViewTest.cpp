#include "CellWindow.h"
#include "Step.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

// A shown cell: typed into and confirmed with Enter, as a person does.
class DataTextViewTest : public testing::Test {
protected:
    DataTextViewTest() { window->Show(); }
    ~DataTextViewTest() override
    {
        Step([&] { window->Quit(); });
    }
    // Each string one key, as the kit hands keys to the view: several bytes are one character.
    void Press(std::initializer_list<std::string_view> keys)
    {
        for (std::string_view key : keys)
            Step([&] { window->cell->KeyDown(key.data(), int32(key.size())); });
    }

    CellWindow* window = new CellWindow;
};

} // namespace

// Two hex digits at most; keys of several bytes (UTF-8 or two at once) do nothing.
TEST_F(DataTextViewTest, AnUnlockedCellTakesTwoHexDigitsAndEnterPostsTheirByte)
{
    window->cell->MakeEditable(true);
    window->cell->MakeFocus(true);
    Press({"g", " ", "Z", ".", "x", "3", "c", "F", "\b", "\xC3\xA9", "\n\n", "\xE2\x82\xAC"});
    EXPECT_STREQ(window->cell->Text(), "3");
    Press({"\n"});
    window->cell->SetText("");
    Press({"a", "\n"});
    EXPECT_EQ(window->PostedBytes(), (std::vector<int>{0x03, 0x0A}));
    EXPECT_FALSE(window->cell->IsFocus());
}

TEST_F(DataTextViewTest, ALockedCellTakesNoTypingAndWritesNothingBackOnEnter)
{
    window->cell->ShowDeviceByte("7");
    window->cell->MakeFocus(true);
    Press({"3", "c", "\b", "\n"});
    EXPECT_STREQ(window->cell->Text(), "7");
    EXPECT_TRUE(window->requests.empty());
}
