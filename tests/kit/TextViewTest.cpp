#include "KitTestSupport.h"

#include <TextView.h>

#include <gtest/gtest.h>

namespace {

// Sees every key before the base does, swallows Enter as a cell would, and hears of focus loss.
class RecordingTextView : public BTextView {
public:
    RecordingTextView()
        : BTextView(BRect(10, 10, 150, 30), "recording", BRect(), B_FOLLOW_NONE, B_WILL_DRAW)
    {
    }
    void KeyDown(const char* bytes, int32 numBytes) override
    {
        keys.emplace_back(bytes, numBytes);
        if (!(numBytes == 1 && bytes[0] == B_ENTER))
            BTextView::KeyDown(bytes, numBytes);
    }
    void MakeFocus(bool focus) override
    {
        toldFocusLost |= !focus;
        BTextView::MakeFocus(focus);
    }
    std::vector<std::string> keys;
    bool toldFocusLost = false;
};

} // namespace

// A recording view and a plain one in a window; the filter and the byte limit on the plain one.
TEST(TextView, KeyDownOverridesSeeEveryKeyFirstEditingKeysWorkAndTheFilterAndLimitRefuse)
{
    auto* window = new BWindow(BRect(50, 50, 250, 150), "text", B_TITLED_WINDOW, B_NOT_RESIZABLE);
    auto* view = new RecordingTextView;
    auto* other =
        new BTextView(BRect(10, 40, 150, 60), "other", BRect(), B_FOLLOW_NONE, B_WILL_DRAW);
    window->AddChild(view);
    window->AddChild(other);
    window->Show();
    kittest::DeliverPostedMessages();
    view->MakeFocus(true);
    kittest::Type(window, "a\xC3\xA9");
    kittest::PressKey(window, B_ENTER);
    kittest::PressKey(window, B_BACKSPACE);
    kittest::PressKey(window, B_TAB);
    std::vector<std::string> expected{"a", "\xC3\xA9", "\n", "\b", "\t"};
    EXPECT_EQ(view->keys, expected);
    EXPECT_STREQ(view->Text(), "a");
    EXPECT_TRUE(view->toldFocusLost);
    EXPECT_TRUE(other->IsFocus());

    // Editing keys work where the caret is; a locked view takes nothing.
    kittest::TypeInto(view, "bcd");
    kittest::PressKeyIn(view, B_LEFT_ARROW);
    kittest::PressKeyIn(view, B_BACKSPACE);
    kittest::PressKeyIn(view, B_HOME);
    kittest::PressKeyIn(view, B_DELETE);
    kittest::PressKeyIn(view, B_END);
    kittest::TypeInto(view, "y");
    EXPECT_STREQ(view->Text(), "bdy");
    // Only the copy shortcut does something: it copies the selection a click made.
    kittest::PressShortcut(view, 'v');
    kittest::PressShortcut(view, 'x');
    EXPECT_STREQ(view->Text(), "bdy");
    kittest::Click(view);
    kittest::PressShortcut(view, 'c');
    EXPECT_EQ(kittest::ClipboardText(), "bdy");

    view->MakeEditable(false);
    kittest::TypeInto(view, "3");
    kittest::PressKeyIn(view, B_BACKSPACE);
    EXPECT_STREQ(view->Text(), "bdy");

    // The filter refuses what it was told to, one character at a time.
    for (uint32 c = 0; c < 127; ++c)
        other->DisallowChar(c);
    for (char c : std::string("0123456789ABCDEFabcdef"))
        other->AllowChar(static_cast<uchar>(c));
    other->DisallowChar(0x20AC); // €
    kittest::TypeInto(other, "3gG z.-\xE2\x82\xAC"
                             "c");
    EXPECT_STREQ(other->Text(), "3c");

    // The byte limit counts UTF-8 bytes and refuses whole what would pass it.
    other->SetMaxBytes(3);
    other->SetText("a");
    kittest::TypeInto(other, "\xC3\xA9"); // é, two bytes: exactly at the limit
    EXPECT_STREQ(other->Text(), "a\xC3\xA9");
    other->SetText("ab");
    kittest::TypeInto(other, "\xC3\xA9"); // one byte over: refused whole, not cut
    EXPECT_STREQ(other->Text(), "ab");

    // Text set from code ends with the caret at its end and nothing selected, also where the
    // view showed that very text with the caret moved away or the whole text selected.
    other->SetText("a");
    kittest::PressKeyIn(other, B_HOME);
    other->SetText("a");
    kittest::TypeInto(other, "b");
    EXPECT_STREQ(other->Text(), "ab");
    other->SetText("ab");
    view->MakeFocus(true);
    kittest::Click(other);
    other->SetText("ab");
    kittest::TypeInto(other, "c");
    EXPECT_STREQ(other->Text(), "abc");

    // Qt forgets a destroyed view's line: an entry it kept would hold about 34 KB per editor.
    const unsigned accessibleId = kittest::RegisterWithAccessibility(view);
    EXPECT_TRUE(kittest::AccessibilityKnows(accessibleId));
    window->Quit();
    kittest::DeliverPostedMessages();
    EXPECT_FALSE(kittest::AccessibilityKnows(accessibleId));
}
