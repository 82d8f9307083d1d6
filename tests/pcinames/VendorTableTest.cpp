#include <VendorTable.h>

#include <gtest/gtest.h>

TEST(VendorTable, FindsEachIdAtItsFirstEntryAndAnAbsentOneAtTheCount)
{
    const std::tuple<uint32, int32, const char*> known[] = {{0x1DE1, 0, "Tekram"},
                                                            {0x1077, kVendorCount - 1, "Q Logic"},
                                                            {0x10DE, 23, "Nvidia"}, // again at 62
                                                            {0x12D2, 24, "Nvidia/SGS Thompson"}};
    for (auto [id, index, name] : known) {
        EXPECT_EQ(FindVendor(id), index) << name;
        EXPECT_STREQ(VendorName(index), name);
    }
    EXPECT_EQ(FindVendor(0x11077), kVendorCount);
    EXPECT_STREQ(VendorName(kVendorCount), "");
    EXPECT_STREQ(VendorName(-1), "");
}
