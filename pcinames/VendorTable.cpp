#include "VendorTable.h"

#include <iterator>

namespace {

struct VendorEntry {
    uint32 id;
    const char* name;
};

// Searched front to back. 0x10DE appears twice; the second entry is never found.
constexpr VendorEntry kVendors[] = {
    {0x1DE1, "Tekram"},
    {0x10B4, "STB"},
    {0x1039, "SIS"},
    {0x1000, "Symbios"},
    {0x104C, "TI"},
    {0x1023, "Trident"},
    {0x100C, "Tseng"},
    {0x10F1, "Tyan"},
    {0x4680, "Umax"},
    {0x12B9, "US Robotics"},
    {0x1106, "VIA"},
    {0x111E, "WDC"},
    {0x1004, "VLSI"},
    {0x1073, "Yamaha"},
    {0x10EE, "Xilinx"},
    {0x1163, "Rendition"},
    {0x127A, "Rockwell"},
    {0x5333, "S3"},
    {0x104A, "SGS Thompson"},
    {0x1033, "NEC"},
    {0x11BC, "NPIX"},
    {0x11DA, "Novell"},
    {0x105D, "Number 9"},
    {0x10DE, "Nvidia"},
    {0x12D2, "Nvidia/SGS Thompson"},
    {0x1045, "Opti"},
    {0x12EE, "Orange Micro"},
    {0x109A, "Packard Bell"},
    {0x1131, "Philips"},
    {0x102B, "Matrox"},
    {0x1057, "Motorola"},
    {0x100B, "National Semiconductor"},
    {0x101A, "NCR"},
    {0x1014, "IBM"},
    {0x8086, "Intel"},
    {0x1212, "Kingston"},
    {0x1050, "Winbond"},
    {0x113A, "FWB"},
    {0x103C, "HP"},
    {0x1102, "Creative Labs"},
    {0x1078, "Cyrix"},
    {0x1274, "Ensoniq"},
    {0x1011, "DEC"},
    {0x1092, "Diamond"},
    {0x1043, "Asustek"},
    {0x11C1, "AT&T"},
    {0x122D, "Aztech"},
    {0x10C0, "Boca"},
    {0x1137, "Cisco"},
    {0x1013, "Cirrus"},
    {0x102C, "Chips & Tech"},
    {0x114B, "Canopus"},
    {0x104B, "Buslogic"},
    {0x1002, "ATI"},
    {0x10B7, "3COM"},
    {0x121A, "3DFX"},
    {0x3D3D, "3DLabs"},
    {0x1022, "AMD"},
    {0x128A, "Asante"},
    {0x106B, "Apple"},
    {0x9004, "Adaptec"},
    {0x10C6, "Rambus"},
    {0x10DE, "Nvidia"},
    {0x10A9, "Silicon Graphics"},
    {0x1099, "Samsung"},
    {0x108E, "Sun"},
    {0x1077, "Q Logic"},
};

static_assert(std::size(kVendors) == kVendorCount);

} // namespace

int32 FindVendor(uint32 id)
{
    for (int32 index = 0; index < kVendorCount; ++index) {
        if (kVendors[index].id == id)
            return index;
    }
    return kVendorCount;
}

const char* VendorName(int32 index)
{
    if (index < 0 || index >= kVendorCount)
        return "";
    return kVendors[index].name;
}
