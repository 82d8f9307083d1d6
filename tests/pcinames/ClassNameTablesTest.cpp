#include <ClassNameTables.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

TEST(ClassNameTables, NamesEndAtTheTablesAndResumeAtUnclassified)
{
    EXPECT_STREQ(ClassName(0x00), "old device");
    EXPECT_STREQ(ClassName(0x0C), "serial bus");
    EXPECT_STREQ(ClassName(0x0D), "undefined");
    for (int base = 0x0E; base <= 0xFE; ++base)
        EXPECT_STREQ(ClassName(uint8(base)), "") << base;
    EXPECT_STREQ(ClassName(0xFF), "undefined");
    // Subclass names: base classes without a row read row 0; subclasses beyond it the empty last
    // column.
    const std::tuple<uint8, uint8, const char*> cases[] = {
        {0x01, 0x01, "IDE"}, {0x0C, 0x03, "USB"}, {0x06, 0x07, "cardbus"}, {0x00, 0x00, ""},
        {0x0D, 0x01, "old"}, {0xFF, 0x01, "old"}, {0x06, 0x08, ""},        {0x06, 0x09, ""},
        {0x06, 0x80, ""},    {0x0A, 0x00, ""}};
    for (auto [base, sub, name] : cases)
        EXPECT_STREQ(SubclassName(base, sub), name) << int(base) << "/" << int(sub);
}
