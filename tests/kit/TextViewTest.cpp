#include "KitTestSupport.h"

#include <TextView.h>
#include <Window.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Sees every key before the base does, and swallows Enter as a cell would.
class RecordingTextView : public BTextView {
public:
    explicit RecordingTextView(BRect frame)
        : BTextView(frame, "recording", BRect(0, 0, 100, 50), B_FOLLOW_NONE, B_WILL_DRAW)
    {
    }
    void KeyDown(const char* bytes, int32 numBytes) override
    {
        keys.emplace_back(bytes, numBytes);
        if (!(numBytes == 1 && bytes[0] == B_ENTER))
            BTextView::KeyDown(bytes, numBytes);
    }
    std::vector<std::string> keys;
};

class TextViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new BWindow(BRect(50, 50, 250, 150), "text", B_TITLED_WINDOW, B_NOT_RESIZABLE);
        view = new RecordingTextView(BRect(10, 10, 150, 30));
        other = new BTextView(BRect(10, 40, 150, 60), "other", BRect(0, 0, 100, 50),
                              B_FOLLOW_NONE, B_WILL_DRAW);
        window->AddChild(view);
        window->AddChild(other);
        window->Show();
        kittest::DeliverPostedMessages();
    }
    void TearDown() override
    {
        window->Quit();
        kittest::DeliverPostedMessages();
    }

    BWindow* window = nullptr;
    RecordingTextView* view = nullptr;
    BTextView* other = nullptr;
};

} // namespace

TEST_F(TextViewTest, TheFilterRefusesDisallowedCharactersOnly)
{
    for (uint32 c = 0; c < 127; ++c)
        view->DisallowChar(c);
    for (char c : std::string("0123456789ABCDEFabcdef"))
        view->AllowChar(static_cast<uchar>(c));

    kittest::TypeInto(view, "3gG z.-c");
    EXPECT_STREQ(view->Text(), "3c");
    // Text from code is not typing: the filter does not apply to it.
    view->SetText("xyz");
    EXPECT_STREQ(view->Text(), "xyz");
}

TEST_F(TextViewTest, TheByteLimitCountsUtf8BytesAndRefusesWhatWouldPassIt)
{
    view->SetMaxBytes(3);
    kittest::TypeInto(view, "abcd");
    EXPECT_STREQ(view->Text(), "abc");

    view->SetText("a");
    kittest::TypeInto(view, "\xC3\xA9");  // é, two bytes: exactly at the limit
    EXPECT_STREQ(view->Text(), "a\xC3\xA9");

    view->SetText("ab");
    kittest::TypeInto(view, "\xC3\xA9");  // one byte over: refused whole, not cut
    EXPECT_STREQ(view->Text(), "ab");

    view->SetMaxBytes(0);
    view->SetText("");
    kittest::TypeInto(view, "a");
    EXPECT_STREQ(view->Text(), "");
}

TEST_F(TextViewTest, EditingKeysMoveAndDeleteWhereTheCaretIs)
{
    kittest::TypeInto(view, "abcd");
    kittest::PressKeyIn(view, B_LEFT_ARROW);
    kittest::PressKeyIn(view, B_BACKSPACE);
    EXPECT_STREQ(view->Text(), "abd");
    kittest::PressKeyIn(view, B_HOME);
    kittest::PressKeyIn(view, B_DELETE);
    EXPECT_STREQ(view->Text(), "bd");
    kittest::PressKeyIn(view, B_RIGHT_ARROW);
    kittest::TypeInto(view, "x");
    kittest::PressKeyIn(view, B_END);
    kittest::TypeInto(view, "y");
    EXPECT_STREQ(view->Text(), "bxdy");
}

TEST_F(TextViewTest, ALockedViewTakesNoTypingNoDeletionAndNoPaste)
{
    view->SetText("12");
    view->MakeEditable(false);
    kittest::TypeInto(view, "3");
    kittest::PressKeyIn(view, B_BACKSPACE);
    kittest::PressKeyIn(view, B_DELETE);
    EXPECT_STREQ(view->Text(), "12");

    view->MakeEditable(true);
    kittest::PressShortcut(view, 'v');
    EXPECT_STREQ(view->Text(), "12");
}

TEST_F(TextViewTest, KeyDownOverridesSeeEveryKeyFirst)
{
    view->MakeFocus(true);
    kittest::Type(window, "a\xC3\xA9");
    kittest::PressKey(window, B_ENTER);
    kittest::PressKey(window, B_BACKSPACE);
    kittest::PressKey(window, B_TAB);

    std::vector<std::string> expected{"a", "\xC3\xA9", "\n", "\b", "\t"};
    EXPECT_EQ(view->keys, expected);
    EXPECT_STREQ(view->Text(), "a");
    // Tab, handed on to the base, moved the focus to the next view.
    EXPECT_FALSE(view->IsFocus());
    EXPECT_TRUE(other->IsFocus());
}

TEST_F(TextViewTest, GetTextCopiesAtMostLengthBytesAndEndsWithNul)
{
    view->SetText("3C7");
    char buffer[3] = {'x', 'x', 'x'};
    view->GetText(0, 2, buffer);
    EXPECT_STREQ(buffer, "3C");
    view->GetText(2, 2, buffer);
    EXPECT_STREQ(buffer, "7");
    view->GetText(9, 2, buffer);
    EXPECT_STREQ(buffer, "");
    view->SetText("");
    view->GetText(0, 2, buffer);
    EXPECT_STREQ(buffer, "");
    EXPECT_EQ(view->TextLength(), 0);
}

TEST_F(TextViewTest, FocusCanBeGivenUpAndANonSelectableViewIsNotFocusedByAClick)
{
    view->MakeFocus(true);
    EXPECT_TRUE(view->IsFocus());
    view->MakeFocus(false);
    EXPECT_FALSE(view->IsFocus());

    view->MakeSelectable(false);
    kittest::Click(view);
    EXPECT_FALSE(view->IsFocus());
    view->MakeSelectable(true);
    kittest::Click(view);
    EXPECT_TRUE(view->IsFocus());
}

TEST_F(TextViewTest, AResizableViewsWidthFollowsItsText)
{
    view->MakeResizable(true);
    view->SetText("F");
    float oneCharacter = view->Frame().Width();
    view->SetText("FF");
    float twoCharacters = view->Frame().Width();
    EXPECT_GT(twoCharacters, oneCharacter);
    BFont font;
    view->GetFont(&font);
    EXPECT_GE(twoCharacters + 1, font.StringWidth("FF"));
    EXPECT_EQ(view->Frame().left, 10);
    EXPECT_EQ(view->Frame().Height(), 20);
    // The same text in a larger font is measured anew.
    view->SetText("FFF");
    float smallFont = view->Frame().Width();
    view->SetFontSize(2 * font.Size());
    view->SetText("F");
    view->SetText("FFF");
    EXPECT_GT(view->Frame().Width(), smallFont);
}

TEST_F(TextViewTest, AClickThatGivesTheFocusSelectsTheTextSoTypingReplacesIt)
{
    view->SetText("0");
    other->MakeFocus(true);
    kittest::Click(view);
    kittest::Type(window, "3c");
    EXPECT_STREQ(view->Text(), "3c");
    // A second click in a focused view only moves the caret.
    kittest::ClickAt(view, 1, 5);
    kittest::Type(window, "x");
    EXPECT_STREQ(view->Text(), "x3c");
    // Text set from code, even the text already there, leaves the caret at the end and
    // nothing selected.
    view->SetText("x3c");
    kittest::Type(window, "y");
    EXPECT_STREQ(view->Text(), "x3cy");
    other->MakeFocus(true);
    kittest::Click(view);
    view->SetText("x3cy");
    kittest::Type(window, "z");
    EXPECT_STREQ(view->Text(), "x3cyz");
}

TEST_F(TextViewTest, TheFilterCoversCharactersBeyondAscii)
{
    view->DisallowChar(0xE9);     // é
    view->DisallowChar(0x20AC);   // €
    kittest::TypeInto(view, "\xC3\xA9\xE2\x82\xAC" "a");
    EXPECT_STREQ(view->Text(), "a");
    view->AllowChar(0x20AC);
    kittest::TypeInto(view, "\xE2\x82\xAC");
    EXPECT_STREQ(view->Text(), "a\xE2\x82\xAC");
}
