#include <ParseHexByte.h>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

TEST(ParseHexByte, EveryByteRoundTripsThroughUpperAndLowerCaseText)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        char upper[3];
        char lower[3];
        std::snprintf(upper, sizeof upper, "%X", byte);
        std::snprintf(lower, sizeof lower, "%02x", byte);
        EXPECT_EQ(ParseHexByte(upper), byte) << upper;
        EXPECT_EQ(ParseHexByte(lower), byte) << lower;
    }
}

struct ParseCase {
    const char* text;
    uint8 value;
};

TEST(ParseHexByte, KeepsLastTwoCharactersAndCountsNonDigitsAsZero)
{
    const ParseCase cases[] = {
        {"", 0x00},
        {"Ff", 0xFF},
        {"123", 0x23},
        {"G1", 0x01},
        {"1G", 0x10},
        {"\x80", 0x00},
        {"1\xFF", 0x10},
        {"\xC3" "A", 0x0A},
    };
    for (const ParseCase& c : cases)
        EXPECT_EQ(ParseHexByte(c.text), c.value) << '"' << c.text << '"';
}

} // namespace
