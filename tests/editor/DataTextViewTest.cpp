#include "CellWindow.h"
#include "KitTestSupport.h"

#include <DataTextView.h>
#include <Message.h>
#include <WindowMessages.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

class DataTextViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        window = new CellWindow;
        window->Show();
        Unlock();
    }
    void TearDown() override
    {
        window->Quit();
        kittest::DeliverPostedMessages();
    }
    void Unlock()
    {
        window->cell->MakeSelectable(true);
        window->cell->MakeEditable(true);
    }
    // Types into the cell from empty and confirms with Enter; returns the byte posted.
    int Confirm(const char* typed)
    {
        window->cell->SetText("");
        window->requests.clear();
        kittest::TypeInto(window->cell, typed);
        kittest::PressKeyIn(window->cell, B_ENTER);
        kittest::DeliverPostedMessages();
        if (window->requests.size() != 1)
            return -1;
        return static_cast<uint8>(DataOf(window->requests[0]));
    }
    static int8 DataOf(const BMessage& request)
    {
        int8 data = 0;
        EXPECT_EQ(request.FindInt8(kDataField, &data), B_OK);
        return data;
    }

    CellWindow* window = nullptr;
};

} // namespace

TEST_F(DataTextViewTest, EnterPostsTheTypedByteForTheCellsOffset)
{
    EXPECT_EQ(Confirm(""), 0);
    EXPECT_EQ(Confirm("a"), 0x0A);
    EXPECT_EQ(Confirm("A"), 0x0A);
    EXPECT_EQ(Confirm("Ff"), 0xFF);
    EXPECT_EQ(Confirm("05"), 0x05);
    EXPECT_EQ(Confirm("10"), 0x10);

    const BMessage& request = window->requests.at(0);
    EXPECT_EQ(request.what, kWriteRequest);
    int32 offset = -1;
    EXPECT_EQ(request.FindInt32(kOffsetField, &offset), B_OK);
    EXPECT_EQ(offset, CellWindow::kOffset);
}

TEST_F(DataTextViewTest, EachRequestCarriesExactlyOneByteTheOneJustTyped)
{
    kittest::TypeInto(window->cell, "12");
    kittest::PressKeyIn(window->cell, B_ENTER);
    window->cell->SetText("");
    kittest::TypeInto(window->cell, "34");
    kittest::PressKeyIn(window->cell, B_ENTER);
    kittest::DeliverPostedMessages();

    ASSERT_EQ(window->requests.size(), 2u);
    const int expected[] = {0x12, 0x34};
    for (int i = 0; i < 2; ++i) {
        int32 count = 0;
        ASSERT_EQ(window->requests[i].GetInfo(kDataField, nullptr, &count), B_OK);
        EXPECT_EQ(count, 1);
        EXPECT_EQ(static_cast<uint8>(DataOf(window->requests[i])), expected[i]);
        EXPECT_EQ(window->requests[i].GetInfo(kOffsetField, nullptr, &count), B_OK);
        EXPECT_EQ(count, 1);
    }
}

TEST_F(DataTextViewTest, OnlyTwoHexDigitsCanBeTyped)
{
    kittest::TypeInto(window->cell, "g Z.-x3");
    EXPECT_STREQ(window->cell->Text(), "3");
    kittest::TypeInto(window->cell, "cF");
    EXPECT_STREQ(window->cell->Text(), "3c");
    kittest::PressKeyIn(window->cell, B_BACKSPACE);
    kittest::TypeInto(window->cell, "0");
    EXPECT_STREQ(window->cell->Text(), "30");
}

TEST_F(DataTextViewTest, AKeyOfMoreThanOneByteDoesNothingAtAll)
{
    window->cell->SetText("1");
    window->cell->KeyDown("\xC3\xA9", 2);
    window->cell->KeyDown("\n\n", 2);
    kittest::TypeInto(window->cell, "\xE2\x82\xAC");
    kittest::DeliverPostedMessages();
    EXPECT_STREQ(window->cell->Text(), "1");
    EXPECT_TRUE(window->requests.empty());
}

TEST_F(DataTextViewTest, EnterGivesUpTheFocus)
{
    window->cell->MakeFocus(true);
    ASSERT_TRUE(window->cell->IsFocus());
    kittest::PressKey(window, B_ENTER);
    EXPECT_FALSE(window->cell->IsFocus());
}

TEST_F(DataTextViewTest, ALockedCellTakesNoTypingAndWritesNothingBackOnEnter)
{
    window->cell->ShowDeviceByte("7");
    window->cell->MakeFocus(true);
    window->cell->MakeSelectable(false);
    window->cell->MakeEditable(false);
    kittest::Type(window, "3c");
    kittest::PressKey(window, B_BACKSPACE);
    kittest::PressKey(window, B_ENTER);
    kittest::DeliverPostedMessages();
    EXPECT_STREQ(window->cell->Text(), "7");
    EXPECT_TRUE(window->requests.empty());
}
