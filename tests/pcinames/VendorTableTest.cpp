#include <VendorTable.h>

#include <gtest/gtest.h>

namespace {

struct KnownVendor {
    uint32 id;
    int32 index;
    const char* name;
};

TEST(VendorTable, FindsEachIdAtItsFirstEntryWithItsName)
{
    const KnownVendor cases[] = {
        {0x1DE1, 0, "Tekram"},
        {0x1077, kVendorCount - 1, "Q Logic"},
        {0x10DE, 23, "Nvidia"},  // stored again at 62, never reached
        {0x12D2, 24, "Nvidia/SGS Thompson"},
        {0x104A, 18, "SGS Thompson"},
    };
    for (const KnownVendor& vendor : cases) {
        SCOPED_TRACE(vendor.name);
        EXPECT_EQ(FindVendor(vendor.id), vendor.index);
        EXPECT_STREQ(VendorName(vendor.index), vendor.name);
    }
}

TEST(VendorTable, AbsentIdGivesCountAndEmptyName)
{
    for (uint32 id : {0x0000u, 0xFFFFu, 0x11077u, 0x10DE0000u}) {
        SCOPED_TRACE(id);
        EXPECT_EQ(FindVendor(id), kVendorCount);
        EXPECT_STREQ(VendorName(FindVendor(id)), "");
    }
}

TEST(VendorTable, EveryIndexInsideTheTableHasAName)
{
    for (int32 index = 0; index < kVendorCount; ++index) {
        SCOPED_TRACE(index);
        EXPECT_STRNE(VendorName(index), "");
    }
    EXPECT_STREQ(VendorName(-1), "");
}

} // namespace
