#include <PciStringView.h>
#include <SpaceStringView.h>

#include <gtest/gtest.h>

#include <cstring>
#include <memory>

namespace {

BFont FontOf(const BView& view)
{
    BFont font;
    view.GetFont(&font);
    return font;
}

} // namespace

TEST(LabelViews, PciStringViewIsTheBoldSystemFontAtSizeTen)
{
    PciStringView view(BRect(15, 40, 80, 50), "Vendor ID", "");
    BFont font = FontOf(view);
    EXPECT_STREQ(font.Family(), be_bold_font->Family());
    EXPECT_TRUE(font.Face() & B_BOLD_FACE);
    EXPECT_EQ(font.Size(), 10.0f);
    EXPECT_FALSE(font.IsFixed());
    EXPECT_NE(be_bold_font->Size(), 10.0f) << "the size must come from the view, not the font";
    EXPECT_STREQ(view.Text(), "");

    view.SetText("8086");
    EXPECT_STREQ(view.Text(), "8086");
    EXPECT_EQ(FontOf(view), font);
    EXPECT_EQ(view.ResizingMode(), B_FOLLOW_LEFT | B_FOLLOW_TOP);
    EXPECT_EQ(view.Flags(), static_cast<uint32>(B_WILL_DRAW));
}

TEST(LabelViews, SpaceStringViewIsFixedWidthAtSizeTen)
{
    SpaceStringView view(BRect(10, 31, 40, 43), "data", " 0:");
    BFont font = FontOf(view);
    EXPECT_STREQ(font.Family(), be_fixed_font->Family());
    EXPECT_FALSE(font.Face() & B_BOLD_FACE);
    EXPECT_EQ(font.Size(), 10.0f);
    EXPECT_TRUE(font.IsFixed());
    EXPECT_FLOAT_EQ(font.StringWidth("iiii"), font.StringWidth("MMMM"));
    EXPECT_FLOAT_EQ(font.StringWidth(" 0:"), font.StringWidth("F0:"));
}

TEST(LabelViews, TheTextIsCopiedNotReferenced)
{
    char text[] = "bus 0";
    PciStringView view(BRect(6, 7, 200, 18), "title", text);
    std::strcpy(text, "gone!");
    EXPECT_STREQ(view.Text(), "bus 0");
}
