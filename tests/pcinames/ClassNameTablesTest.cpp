#include <ClassNameTables.h>

#include <gtest/gtest.h>

#include <string>

// Every name as a person reads it for a class byte; 0x0E to 0xFE have none. Subclasses by base
// class, 0 to 8 and then 0x80; base classes without a row of their own read row 0.
TEST(ClassNameTables, NameEveryClassAndSubclassAndResumeAtUnclassified)
{
    std::string classes;
    for (int base = 0x00; base <= 0xFF; ++base)
        classes += ClassName(uint8(base)) + std::string(*ClassName(uint8(base)) ? "|" : "");
    EXPECT_EQ(classes, "old device|mass storage|network|display|multimedia|memory|bridge|"
                       "communications|base peripherial|input|docking station|processor|"
                       "serial bus|undefined|undefined|");
    const char* const rows[] = {
        ",old,,,,,,,,,",
        "SCSI,IDE,Floppy,IPI,RAID,,,,,,",
        "ethernet,token ring,FDDI,ATM,,,,,,,",
        "vga,xga,,,,,,,,,",
        "video,audio,,,,,,,,,",
        "ram,flash,,,,,,,,,",
        "host bridge,ISA bridge,EISA bridge,microchannel,PCI-to-PCI,pcmcia,nubus,cardbus,,,",
        "serial,parallel,,,,,,,,,",
        "pic,dma,timer,rtc,,,,,,,",
        "keyboard,pen,mouse,,,,,,,,",
        ",,,,,,,,,,",
        "386,486,pentium,,,,,,,,",
        "firewire,ACCESS,SSA,USB,fibre channel,,,,,,"};
    for (int base = 0x00; base <= 0xFF; ++base) {
        std::string row;
        for (int sub : {0, 1, 2, 3, 4, 5, 6, 7, 8, 0x80})
            row += SubclassName(uint8(base), uint8(sub)) + std::string(",");
        EXPECT_EQ(row, rows[base < int(std::size(rows)) ? base : 0]) << base;
    }
}
