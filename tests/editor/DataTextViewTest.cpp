#include "CellWindow.h"
#include "KitTestSupport.h"

#include <WindowMessages.h>

#include <gtest/gtest.h>

namespace {

class DataTextViewTest : public testing::Test {
protected:
    DataTextViewTest()
    {
        window->Show();
        Lock(false);
    }
    ~DataTextViewTest() override
    {
        window->Quit();
        kittest::DeliverPostedMessages();
    }
    void Lock(bool locked)
    {
        window->cell->MakeSelectable(!locked);
        window->cell->MakeEditable(!locked);
    }
    // Types into the cell and confirms with Enter; the one byte posted for the cell's offset.
    int Confirm(const char* typed)
    {
        kittest::TypeInto(window->cell, typed);
        kittest::PressKeyIn(window->cell, B_ENTER);
        kittest::DeliverPostedMessages();
        int32 offset = -1, bytes = 0;
        int8 data = 0;
        const BMessage request = window->requests.size() == 1 ? window->requests[0] : BMessage();
        window->requests.clear();
        if (request.what != kWriteRequest || request.FindInt32(kOffsetField, &offset) != B_OK
            || request.GetInfo(kDataField, nullptr, &bytes) != B_OK || bytes != 1)
            return -1;
        return offset == CellWindow::kOffset && request.FindInt8(kDataField, &data) == B_OK ? uint8(data) : -1;
    }

    CellWindow* window = new CellWindow;
};

} // namespace

TEST_F(DataTextViewTest, EnterPostsTheTypedByteForTheCellsOffsetAndGivesUpTheFocus)
{
    EXPECT_EQ(Confirm(""), 0);
    for (auto [typed, byte] : {std::pair{"a", 0x0A}, {"Ff", 0xFF}, {"05", 0x05}}) {
        window->cell->SetText("");
        EXPECT_EQ(Confirm(typed), byte) << typed;
    }
    window->cell->MakeFocus(true);
    kittest::PressKey(window, B_ENTER);
    EXPECT_FALSE(window->cell->IsFocus());
}

TEST_F(DataTextViewTest, OnlyTwoHexDigitsCanBeTypedAndKeysOfSeveralBytesDoNothing)
{
    kittest::TypeInto(window->cell, "g Z.-x3");
    EXPECT_STREQ(window->cell->Text(), "3");
    kittest::TypeInto(window->cell, "cF");
    EXPECT_STREQ(window->cell->Text(), "3c");
    kittest::PressKeyIn(window->cell, B_BACKSPACE);
    window->cell->KeyDown("\xC3\xA9", 2);
    window->cell->KeyDown("\n\n", 2);
    kittest::TypeInto(window->cell, "\xE2\x82\xAC");
    EXPECT_STREQ(window->cell->Text(), "3");
    EXPECT_EQ(Confirm(""), 3);
}

TEST_F(DataTextViewTest, ALockedCellTakesNoTypingAndWritesNothingBackOnEnter)
{
    window->cell->ShowDeviceByte("7");
    window->cell->MakeFocus(true);
    Lock(true);
    kittest::Type(window, "3c");
    kittest::PressKey(window, B_BACKSPACE);
    EXPECT_EQ(Confirm(""), -1);
    EXPECT_STREQ(window->cell->Text(), "7");
}
