#include <ParseHexByte.h>

#include <gtest/gtest.h>

#include <cstdio>

TEST(ParseHexByte, EveryByteRoundTripsThroughUpperAndLowerCaseText)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        char upper[3], lower[3];
        std::snprintf(upper, sizeof upper, "%X", byte);
        std::snprintf(lower, sizeof lower, "%02x", byte);
        EXPECT_EQ(ParseHexByte(upper), byte) << upper;
        EXPECT_EQ(ParseHexByte(lower), byte) << lower;
    }
}

TEST(ParseHexByte, KeepsTheLastTwoCharactersAndCountsNonDigitsAsZero)
{
    const std::pair<const char*, uint8> cases[] = {
        {"", 0x00}, {"123", 0x23}, {"G1", 0x01}, {"1G", 0x10}, {"1\xFF", 0x10}, {"\xC3" "A", 0x0A}};
    for (auto [text, value] : cases)
        EXPECT_EQ(ParseHexByte(text), value) << '"' << text << '"';
}
