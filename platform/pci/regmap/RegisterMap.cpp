#include "RegisterMap.h"

#include "CapabilityWalk.h"
#include "ConfigBytes.h"
#include "RegisterTables.h"

#include <algorithm>

#include <linux/pci_regs.h>

namespace {

constexpr uint16 kNoEntry = 0xFFFF;
constexpr int32 kCapabilityHeaderSize = PCI_CAP_LIST_NEXT + 1;
constexpr int32 kExtendedHeaderSize = 4;

uint8 HeaderLayoutOf(const ConfigBytes& bytes)
{
    return bytes.CanRead(PCI_HEADER_TYPE, 1)
               ? uint8(bytes.Read(PCI_HEADER_TYPE, 1) & PCI_HEADER_TYPE_MASK)
               : uint8(PCI_HEADER_TYPE_MASK);
}

// Extended capabilities may depend on the port type the PCI Express capability gives.
FunctionFacts FactsOf(const ConfigBytes& bytes, std::span<const RegisterMap::Structure> found)
{
    for (const RegisterMap::Structure& capability : found) {
        if (capability.kind == RegisterMap::StructureKind::Capability && capability.readable
            && capability.id == PCI_CAP_ID_EXP)
            return {PcieDeviceType(bytes, capability.offset)};
    }
    return {};
}

} // namespace

RegisterMap::RegisterMap(std::span<const uint8> bytes, int32 readable)
{
    const ConfigBytes config(bytes.first(std::min<size_t>(bytes.size(), PCI_CFG_SPACE_EXP_SIZE)),
                             readable);
    fSize = config.Size();
    fReadable = config.Readable();
    fOwner.assign(size_t(fSize), kNoEntry);
    // About a hundred registers for a PCI Express function with a dozen capabilities.
    fEntries.reserve(128);

    const uint8 layoutId = HeaderLayoutOf(config);
    const StructureLayout& layout = HeaderLayout(layoutId);
    fStructures.push_back({StructureKind::Header, layoutId, 0, std::min(layout.extent, fSize),
                           layout.name, config.CanRead(PCI_HEADER_TYPE, 1)});
    WalkCapabilities(config, layout.capabilityPointer, fStructures);

    // Registers the header layout defines are known without reading them.
    for (const Register& reg : CommonHeaderRegisters())
        Claim(reg.offset, reg.size, 0, &reg);
    for (const Register& reg : layout.registers)
        Claim(reg.offset, reg.size, 0, &reg);
    const FunctionFacts facts = FactsOf(config, Capabilities());
    for (size_t i = 1; i < fStructures.size(); ++i)
        PlaceCapability(config, i, facts);
    for (size_t i = 0; i < fStructures.size(); ++i)
        ClaimUnused(i);
}

int32 RegisterMap::Size() const { return fSize; }

std::span<const RegisterMap::Structure> RegisterMap::Capabilities() const
{
    return std::span(fStructures).subspan(1);
}

RegisterMap::Location RegisterMap::Locate(int32 offset) const
{
    const uint16 owner = offset >= 0 && offset < fSize ? fOwner[size_t(offset)] : kNoEntry;
    if (owner == kNoEntry) {
        const bool readable = offset >= 0 && offset < fReadable;
        return {readable ? Kind::DeviceSpecific : Kind::NotReadable,
                readable,
                nullptr,
                offset,
                1,
                nullptr};
    }
    const Entry& entry = fEntries[owner];
    return {entry.reg != nullptr ? Kind::Register : Kind::Unused,
            entry.first + entry.size <= fReadable,
            entry.reg,
            entry.first,
            entry.size,
            &fStructures[entry.structure]};
}

// A capability's registers are decoded only from bytes that were read, and only as far as its
// chain's part of the space: a standard capability never runs into the extended space.
void RegisterMap::PlaceCapability(const ConfigBytes& bytes, size_t index,
                                  const FunctionFacts& facts)
{
    Structure& capability = fStructures[index];
    if (!capability.readable) {
        capability.name = kNotReadable;
        return;
    }
    const bool extended = capability.kind == StructureKind::ExtendedCapability;
    const StructureLayout* layout =
        extended ? ExtendedCapabilityLayout(capability.id) : CapabilityLayout(capability.id);
    capability.name = layout != nullptr ? layout->name : kUnknown;

    const int32 end = std::min(extended ? fSize : PCI_CFG_SPACE_SIZE, fReadable);
    const int32 headerSize = extended ? kExtendedHeaderSize : kCapabilityHeaderSize;
    Shape shape{0, layout != nullptr ? layout->extent : 0};
    if (layout != nullptr && layout->shape != nullptr)
        shape = layout->shape(bytes, capability.offset, facts);
    capability.extent = std::min(std::max(shape.extent, headerSize), end - capability.offset);

    for (const Register& reg :
         extended ? ExtendedCapabilityHeaderRegisters() : CapabilityHeaderRegisters())
        Claim(capability.offset + reg.offset, reg.size, index, &reg);
    if (layout == nullptr)
        return;
    for (const Register& reg : layout->registers) {
        const int32 size = reg.size != 0 ? reg.size : capability.extent - reg.offset;
        if ((reg.when & ~shape.flags) == 0 && reg.offset + size <= capability.extent)
            Claim(capability.offset + reg.offset, size, index, &reg);
    }
}

// The first structure to claim a byte keeps it: where a hostile chain makes two overlap, the
// header and earlier capabilities win.
void RegisterMap::Claim(int32 first, int32 size, size_t structure, const Register* reg)
{
    if (size <= 0 || first < 0 || first > fSize - size)
        return;
    const auto bytes = std::span(fOwner).subspan(size_t(first), size_t(size));
    if (std::ranges::any_of(bytes, [](uint16 owner) { return owner != kNoEntry; }))
        return;
    std::ranges::fill(bytes, uint16(fEntries.size()));
    fEntries.push_back({uint16(first), uint16(size), uint16(structure), reg});
}

void RegisterMap::ClaimUnused(size_t structure)
{
    const Structure& owner = fStructures[structure];
    const int32 end = std::min(owner.offset + owner.extent, fSize);
    for (int32 first = owner.offset; first < end;) {
        int32 last = first;
        while (last < end && fOwner[size_t(last)] == kNoEntry)
            ++last;
        if (last > first)
            Claim(first, last - first, structure, nullptr);
        first = last + 1;
    }
}
