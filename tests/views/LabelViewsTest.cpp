#include <PciStringView.h>
#include <SpaceStringView.h>

#include <gtest/gtest.h>

namespace {

BFont FontOf(const BView& view)
{
    BFont font;
    view.GetFont(&font);
    return font;
}

} // namespace

// The device window's rows in the bold face at 10, the editor's offsets in the fixed face.
TEST(LabelViews, RowsAreBoldAtTenAndOffsetsFixedWidth)
{
    const BFont row = FontOf(PciStringView(BRect(15, 40, 80, 50), "Vendor ID", "8086"));
    const BFont offsets = FontOf(SpaceStringView(BRect(10, 31, 40, 43), "data", " 0:"));
    EXPECT_EQ(std::string(row.Family()) + " " + offsets.Family(),
              std::string(be_bold_font->Family()) + " " + be_fixed_font->Family());
    EXPECT_EQ(row.Face(), B_BOLD_FACE);
    EXPECT_EQ(offsets.Face(), B_REGULAR_FACE);
    EXPECT_EQ(std::pair(row.Size(), offsets.Size()), std::pair(10.0f, 10.0f));
}

// The editor sizes its offset labels to their text; a label that reported no size vanished.
TEST(LabelViews, ALabelsPreferredSizeHoldsItsText)
{
    SpaceStringView offset(BRect(10, 31, 40, 43), "data", "F0:");
    offset.ResizeToPreferred();
    EXPECT_GE(offset.Bounds().Width(), FontOf(offset).StringWidth("F0:") - 1);
    EXPECT_GE(offset.Bounds().Height(), FontOf(offset).Size() - 1);
}
