#include "CellWindow.h"
#include "KitTestSupport.h"

#include <WindowMessages.h>

#include <gtest/gtest.h>

namespace {

class DataTextViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new CellWindow;
        window->Show();
        Lock(false);
    }
    void TearDown() override
    {
        window->Quit();
        kittest::DeliverPostedMessages();
    }
    void Lock(bool locked)
    {
        window->cell->MakeSelectable(!locked);
        window->cell->MakeEditable(!locked);
    }
    // Types into the cell from empty and confirms with Enter; returns the one byte posted.
    int Confirm(const char* typed)
    {
        window->cell->SetText("");
        window->requests.clear();
        kittest::TypeInto(window->cell, typed);
        kittest::PressKeyIn(window->cell, B_ENTER);
        kittest::DeliverPostedMessages();
        int32 offset = -1, bytes = 0;
        int8 data = 0;
        if (window->requests.size() != 1 || window->requests[0].what != kWriteRequest
            || window->requests[0].FindInt32(kOffsetField, &offset) != B_OK
            || offset != CellWindow::kOffset
            || window->requests[0].GetInfo(kDataField, nullptr, &bytes) != B_OK || bytes != 1)
            return -1;
        window->requests[0].FindInt8(kDataField, &data);
        return uint8(data);
    }

    CellWindow* window = nullptr;
};

} // namespace

TEST_F(DataTextViewTest, EnterPostsTheTypedByteForTheCellsOffsetAndGivesUpTheFocus)
{
    EXPECT_EQ(Confirm(""), 0);
    EXPECT_EQ(Confirm("a"), 0x0A);
    EXPECT_EQ(Confirm("Ff"), 0xFF);
    EXPECT_EQ(Confirm("05"), 0x05);
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
    kittest::DeliverPostedMessages();
    EXPECT_STREQ(window->cell->Text(), "3");
    EXPECT_TRUE(window->requests.empty());
}

TEST_F(DataTextViewTest, ALockedCellTakesNoTypingAndWritesNothingBackOnEnter)
{
    window->cell->ShowDeviceByte("7");
    window->cell->MakeFocus(true);
    Lock(true);
    kittest::Type(window, "3c");
    kittest::PressKey(window, B_BACKSPACE);
    kittest::PressKey(window, B_ENTER);
    kittest::DeliverPostedMessages();
    EXPECT_STREQ(window->cell->Text(), "7");
    EXPECT_TRUE(window->requests.empty());
}
