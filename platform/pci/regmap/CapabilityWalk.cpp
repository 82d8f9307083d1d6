#include "CapabilityWalk.h"

#include <bitset>

#include <linux/pci_regs.h>

namespace {

using Structure = RegisterMap::Structure;
using StructureKind = RegisterMap::StructureKind;

// The low two bits of a pointer are reserved; masked, as every reader of the chain does.
constexpr int32 kPointerMask = ~3;
// Each walk visits an aligned offset at most once, which also bounds it: at most
// (256 - 64) / 4 standard and (4096 - 256) / 4 extended capabilities.
constexpr int32 kDwordsInSpace = PCI_CFG_SPACE_EXP_SIZE / 4;
// What a function reads where nothing answers.
constexpr uint8 kAbsentId = 0xFF;
constexpr uint32 kAbsentHeader = 0xFFFFFFFF;

Structure Unreadable(StructureKind kind, int32 offset)
{
    return {kind, 0, offset, 0, nullptr, false};
}

void WalkStandard(const ConfigBytes& bytes, int32 pointerOffset, std::vector<Structure>& found)
{
    std::bitset<kDwordsInSpace> visited;
    int32 at = int32(bytes.Read(pointerOffset, 1)) & kPointerMask;
    while (at != 0) {
        if (at < PCI_STD_HEADER_SIZEOF || visited[at / 4])
            return;
        visited[at / 4] = true;
        if (!bytes.CanRead(at, PCI_CAP_LIST_NEXT + 1)) {
            found.push_back(Unreadable(StructureKind::Capability, at));
            return;
        }
        const uint8 id = uint8(bytes.Read(at + PCI_CAP_LIST_ID, 1));
        if (id == kAbsentId)
            return;
        found.push_back({StructureKind::Capability, id, at, 0, nullptr, true});
        at = int32(bytes.Read(at + PCI_CAP_LIST_NEXT, 1)) & kPointerMask;
    }
}

void WalkExtended(const ConfigBytes& bytes, std::vector<Structure>& found)
{
    std::bitset<kDwordsInSpace> visited;
    int32 at = PCI_CFG_SPACE_SIZE;
    do {
        if (at < PCI_CFG_SPACE_SIZE || visited[at / 4])
            return;
        visited[at / 4] = true;
        if (!bytes.CanRead(at, 4)) {
            found.push_back(Unreadable(StructureKind::ExtendedCapability, at));
            return;
        }
        const uint32 header = bytes.Read(at, 4);
        if (header == 0 || header == kAbsentHeader)
            return;
        found.push_back({StructureKind::ExtendedCapability, uint16(PCI_EXT_CAP_ID(header)), at, 0,
                         nullptr, true});
        at = int32(PCI_EXT_CAP_NEXT(header));
    } while (at != 0);
}

} // namespace

void WalkCapabilities(const ConfigBytes& bytes, int32 pointerOffset, std::vector<Structure>& found)
{
    if (pointerOffset != 0 && bytes.CanRead(PCI_STATUS, 2)
        && (bytes.Read(PCI_STATUS, 2) & PCI_STATUS_CAP_LIST) != 0
        && bytes.CanRead(pointerOffset, 1))
        WalkStandard(bytes, pointerOffset, found);
    // Only a space read past its first 256 bytes has an extended chain to show.
    if (bytes.Readable() > PCI_CFG_SPACE_SIZE)
        WalkExtended(bytes, found);
}
