#include <ClassNameTables.h>

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace {

TEST(ClassNameTables, ClassNameAtTheEdgesOfTheTable)
{
    EXPECT_STREQ(ClassName(0x00), "old device");
    EXPECT_STREQ(ClassName(0x08), "base peripherial");
    EXPECT_STREQ(ClassName(0x0C), "serial bus");
    EXPECT_STREQ(ClassName(0x0D), "undefined");
    EXPECT_STREQ(ClassName(0xFF), "undefined");
}

TEST(ClassNameTables, BaseClassesBetweenTableAndUnclassifiedHaveNoName)
{
    for (int base = 0x0E; base <= 0xFE; ++base) {
        SCOPED_TRACE(base);
        EXPECT_STREQ(ClassName(static_cast<uint8>(base)), "");
    }
}

struct SubclassCase {
    uint8 base;
    uint8 sub;
    const char* name;
};

TEST(ClassNameTables, SubclassNameFollowsRowAndColumnRules)
{
    const SubclassCase cases[] = {
        {0x01, 0x01, "IDE"},
        {0x0C, 0x03, "USB"},
        {0x00, 0x01, "old"},
        {0x00, 0x00, ""},
        // Base classes without a row read row 0.
        {0x0D, 0x01, "old"},
        {0x0E, 0x01, "old"},
        {0xFE, 0x01, "old"},
        {0xFF, 0x01, "old"},
        // Subclasses beyond the table read the empty last column.
        {0x06, 0x08, ""},
        {0x06, 0x09, ""},
        {0x06, 0x80, ""},
    };
    for (const SubclassCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.base) + "/" + std::to_string(c.sub));
        EXPECT_STREQ(SubclassName(c.base, c.sub), c.name);
    }
}

TEST(ClassNameTables, BridgeRowNamesEveryBridgeKind)
{
    const char* const bridges[] = {"host bridge", "ISA bridge", "EISA bridge", "microchannel",
                                   "PCI-to-PCI",  "pcmcia",     "nubus",       "cardbus"};
    for (uint8 sub = 0; sub < std::size(bridges); ++sub)
        EXPECT_STREQ(SubclassName(0x06, sub), bridges[sub]);
}

TEST(ClassNameTables, DockingStationHasNoSubclassNames)
{
    EXPECT_STREQ(ClassName(0x0A), "docking station");
    for (int sub = 0; sub <= 0xFF; ++sub)
        EXPECT_STREQ(SubclassName(0x0A, static_cast<uint8>(sub)), "") << sub;
}

} // namespace
