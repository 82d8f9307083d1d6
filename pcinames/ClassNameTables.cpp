#include "ClassNameTables.h"

#include <iterator>

namespace {

constexpr const char* kClassNames[] = {
    "old device",      "mass storage", "network",        "display",          "multimedia",
    "memory",          "bridge",       "communications", "base peripherial", "input",
    "docking station", "processor",    "serial bus",     "undefined",
};

constexpr uint8 kClassNameCount = 14;
static_assert(std::size(kClassNames) == kClassNameCount);

// The PCI code for "fits no defined class" shares the name of the last entry.
constexpr uint8 kUnclassifiedBase = 0xFF;

constexpr uint8 kSubclassRowCount = 13;
constexpr uint8 kSubclassColumnCount = 9;

// Row: base class code; column: subclass code. The last column is empty in every row.
constexpr const char* kSubclassNames[][kSubclassColumnCount] = {
    {"", "old", "", "", "", "", "", "", ""},
    {"SCSI", "IDE", "Floppy", "IPI", "RAID", "", "", "", ""},
    {"ethernet", "token ring", "FDDI", "ATM", "", "", "", "", ""},
    {"vga", "xga", "", "", "", "", "", "", ""},
    {"video", "audio", "", "", "", "", "", "", ""},
    {"ram", "flash", "", "", "", "", "", "", ""},
    {"host bridge", "ISA bridge", "EISA bridge", "microchannel", "PCI-to-PCI", "pcmcia", "nubus",
     "cardbus", ""},
    {"serial", "parallel", "", "", "", "", "", "", ""},
    {"pic", "dma", "timer", "rtc", "", "", "", "", ""},
    {"keyboard", "pen", "mouse", "", "", "", "", "", ""},
    {"", "", "", "", "", "", "", "", ""},
    {"386", "486", "pentium", "", "", "", "", "", ""},
    {"firewire", "ACCESS", "SSA", "USB", "fibre channel", "", "", "", ""},
};

static_assert(std::size(kSubclassNames) == kSubclassRowCount);

// A row written too short would leave null cells behind.
constexpr bool EverySubclassCellHoldsText()
{
    for (const auto& row : kSubclassNames) {
        for (const char* name : row) {
            if (name == nullptr)
                return false;
        }
    }
    return true;
}

static_assert(EverySubclassCellHoldsText());

} // namespace

const char* ClassName(uint8 classBase)
{
    if (classBase < kClassNameCount)
        return kClassNames[classBase];
    if (classBase == kUnclassifiedBase)
        return kClassNames[kClassNameCount - 1];
    return "";
}

// Base classes without a row of their own read row 0; subclasses beyond the
// table read the empty last column.
const char* SubclassName(uint8 classBase, uint8 classSub)
{
    const uint8 row = classBase < kSubclassRowCount ? classBase : 0;
    const uint8 column = classSub < kSubclassColumnCount ? classSub : kSubclassColumnCount - 1;
    return kSubclassNames[row][column];
}
