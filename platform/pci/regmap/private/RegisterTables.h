#ifndef PCIZ_PCI_REGMAP_REGISTER_TABLES_H
#define PCIZ_PCI_REGMAP_REGISTER_TABLES_H

// The map's knowledge of registers, as data: one layout per header type and per capability
// ID, with its name and its registers. A layout whose registers depend on the function's
// bytes (MSI's address width, PCI Express's port type) has a shape function that reads them.

#include "ConfigBytes.h"
#include "Register.h"

#include <algorithm>
#include <span>

// What a capability's layout may depend on beyond its own bytes.
struct FunctionFacts {
    int pcieType = -1; // the PCI Express device/port type; -1: not a PCI Express function
};

struct Shape {
    uint32 flags = 0; // which registers with a `when` are there
    int32 extent = 0; // bytes from the structure's start
};

struct StructureLayout {
    uint16 id;
    const char* name;
    std::span<const Register> registers = {};
    // Bytes from the structure's start; 0: only its capability header is known.
    int32 extent = 0;
    Shape (*shape)(const ConfigBytes& bytes, int32 at, const FunctionFacts& facts) = nullptr;
    int32 capabilityPointer = 0; // headers only; 0: the layout has none
};

// Short names the tables are written in: the usual abbreviations of register access.
namespace tables {
inline constexpr Access RO = Access::ReadOnly;
inline constexpr Access RW = Access::ReadWrite;
inline constexpr Access RW1C = Access::WriteOneToClear;
inline constexpr Access Rsvd = Access::Reserved;
} // namespace tables

// Shape flags, each meaning only within its own capability.
namespace shape {
inline constexpr uint32 kMsi32 = 1u << 0;
inline constexpr uint32 kMsi64 = 1u << 1;
inline constexpr uint32 kMsiMask = 1u << 2;
inline constexpr uint32 kPcieLink = 1u << 0;
inline constexpr uint32 kPcieSlot = 1u << 1;
inline constexpr uint32 kPcieRoot = 1u << 2;
inline constexpr uint32 kPcie2 = 1u << 3;
inline constexpr uint32 kAerRoot = 1u << 0;
} // namespace shape

// Registers 0x00 to 0x0F, the same in every layout.
std::span<const Register> CommonHeaderRegisters();
// Layouts 0, 1 and 2; any other has only the common registers.
const StructureLayout& HeaderLayout(uint8 layout);

// The ID and next pointer every capability starts with.
std::span<const Register> CapabilityHeaderRegisters();
std::span<const Register> ExtendedCapabilityHeaderRegisters();
// Null for an ID the PCI-SIG has not assigned.
const StructureLayout* CapabilityLayout(uint16 id);
const StructureLayout* ExtendedCapabilityLayout(uint16 id);

// The layout of that ID in a table of layouts; null if it has none.
inline const StructureLayout* FindLayout(std::span<const StructureLayout> layouts, uint16 id)
{
    const auto found = std::ranges::find(layouts, id, &StructureLayout::id);
    return found != layouts.end() ? &*found : nullptr;
}

// The device/port type of the PCI Express capability at at.
int PcieDeviceType(const ConfigBytes& bytes, int32 at);

#endif
