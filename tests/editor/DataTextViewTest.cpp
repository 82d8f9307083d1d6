#include "CellWindow.h"
#include "KitTestSupport.h"

#include <gtest/gtest.h>

#include <string_view>

// A shown cell, typed into and confirmed with Enter as a person does. Unlocked: two hex digits
// at most; keys of several bytes (UTF-8 or two at once) do nothing, nor does a lone byte from
// 0x80 up, which is no UTF-8 (a fuzz finding: Qt read it as U+FFFD, which passed the hex filter
// and, at three bytes, the two-byte limit). Every hex digit is taken, and the keypad's Enter
// confirms like the main one. Locked: no typing, and nothing written back on Enter.
TEST(DataTextView, AnUnlockedCellTakesTwoHexDigitsAndEnterPostsTheirByteALockedOneNothing)
{
    auto* window = new CellWindow;
    window->Show();
    DataTextView* cell = window->cell;
    // Each string one key, as the kit hands keys to the view: several bytes are one character.
    const auto press = [&](std::initializer_list<std::string_view> keys) {
        for (std::string_view key : keys)
            Step([&] { cell->KeyDown(key.data(), int32(key.size())); });
    };
    cell->MakeEditable(true);
    cell->MakeFocus(true);
    press({"g", " ", "Z", ".", "x", "3", "c", "F", "\b", "\xC3\xA9", "\n\n", "\xE2\x82\xAC", "\x80",
           "\xC3", "\xFF"});
    EXPECT_STREQ(cell->Text(), "3");
    press({"\n"});
    cell->SetText("");
    press({"a", "\n"});
    EXPECT_FALSE(cell->IsFocus());
    for (const char* digits : {"10", "23", "45", "67", "89", "ab", "cd", "ef", "AB", "CD", "EF"})
        Step([&] {
            kittest::TypeInto(cell, digits);
            kittest::PressKeypadEnter(cell);
        });
    EXPECT_EQ(window->PostedBytes(), (std::vector<int>{0x03, 0x0A, 0x10, 0x23, 0x45, 0x67, 0x89,
                                                       0xAB, 0xCD, 0xEF, 0xAB, 0xCD, 0xEF}));

    cell->MakeEditable(false);
    cell->ShowDeviceByte("7");
    cell->MakeFocus(true);
    press({"3", "c", "\b", "\n"});
    EXPECT_STREQ(cell->Text(), "7");
    EXPECT_EQ(window->requests.size(), 13u);
    Step([&] { window->Quit(); });
}
