#include <ParseHexByte.h>

#include <gtest/gtest.h>

#include <cstdio>

// Every byte from its upper- and lower-case text; then the last two characters count, and
// each that is no hex digit counts as zero.
TEST(ParseHexByte, ReadsTheLastTwoCharactersAsHexDigits)
{
    for (int byte = 0; byte <= 0xFF; ++byte) {
        char upper[3], lower[3];
        std::snprintf(upper, sizeof upper, "%X", byte);
        std::snprintf(lower, sizeof lower, "%02x", byte);
        EXPECT_EQ(ParseHexByte(upper) | ParseHexByte(lower) << 8, byte | byte << 8) << upper;
    }
    const std::pair<const char*, int> cases[] = {
        {"", 0x00}, {"123", 0x23}, {"G1", 0x01}, {"1G", 0x10}, {"1\xFF", 0x10}};
    for (auto [text, value] : cases)
        EXPECT_EQ(ParseHexByte(text), value) << text;
}
