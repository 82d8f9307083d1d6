#include <VendorTable.h>

#include <gtest/gtest.h>

// The name a person reads for each ID of the table, in its order; 0x10DE's second entry is
// never found, so its ID reads the first one's name.
TEST(VendorTable, NamesEveryIdAtItsFirstEntryAndAnAbsentOneNot)
{
    const uint32 ids[] = {0x1DE1, 0x10B4, 0x1039, 0x1000, 0x104C, 0x1023, 0x100C, 0x10F1, 0x4680,
                          0x12B9, 0x1106, 0x111E, 0x1004, 0x1073, 0x10EE, 0x1163, 0x127A, 0x5333,
                          0x104A, 0x1033, 0x11BC, 0x11DA, 0x105D, 0x10DE, 0x12D2, 0x1045, 0x12EE,
                          0x109A, 0x1131, 0x102B, 0x1057, 0x100B, 0x101A, 0x1014, 0x8086, 0x1212,
                          0x1050, 0x113A, 0x103C, 0x1102, 0x1078, 0x1274, 0x1011, 0x1092, 0x1043,
                          0x11C1, 0x122D, 0x10C0, 0x1137, 0x1013, 0x102C, 0x114B, 0x104B, 0x1002,
                          0x10B7, 0x121A, 0x3D3D, 0x1022, 0x128A, 0x106B, 0x9004, 0x10C6, 0x10DE,
                          0x10A9, 0x1099, 0x108E, 0x1077};
    static_assert(std::size(ids) == kVendorCount);
    std::string names;
    for (uint32 id : ids)
        names += (names.empty() ? "" : "|") + std::string(VendorName(FindVendor(id)));
    EXPECT_EQ(
        names,
        "Tekram|STB|SIS|Symbios|TI|Trident|Tseng|Tyan|Umax|US Robotics|VIA|WDC|VLSI|Yamaha|"
        "Xilinx|Rendition|Rockwell|S3|SGS Thompson|NEC|NPIX|Novell|Number 9|Nvidia|"
        "Nvidia/SGS Thompson|Opti|Orange Micro|Packard Bell|Philips|Matrox|Motorola|"
        "National Semiconductor|NCR|IBM|Intel|Kingston|Winbond|FWB|HP|Creative Labs|Cyrix|"
        "Ensoniq|DEC|Diamond|Asustek|AT&T|Aztech|Boca|Cisco|Cirrus|Chips & Tech|Canopus|"
        "Buslogic|ATI|3COM|3DFX|3DLabs|AMD|Asante|Apple|Adaptec|Rambus|Nvidia|Silicon Graphics|"
        "Samsung|Sun|Q Logic");
    EXPECT_EQ(FindVendor(0x10DE), 23);
    EXPECT_EQ(FindVendor(0x11077), kVendorCount);
    EXPECT_STREQ(VendorName(kVendorCount), "");
    EXPECT_STREQ(VendorName(-1), "");
}
