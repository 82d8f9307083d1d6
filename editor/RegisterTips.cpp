#include "RegisterTips.h"

#include <ConfigRegisters.h>
#include <Format.h>
#include <PciNames.h>
#include <RegisterText.h>

#include <algorithm>
#include <string_view>

namespace {

// An offset as the grid's row labels give it: two digits in the standard space, three past it.
std::string Hex(int32 value) { return Format("0x%02X", unsigned(value)); }

std::string Line(const std::string& text) { return text.empty() ? "" : "\n" + text; }

} // namespace

void RegisterTips::Start(int32 size, int32 readable)
{
    fBytes.assign(size_t(size), 0xFF);
    fReadable = std::min(readable, size);
    fMap.reset();
}

void RegisterTips::Learn(int32 offset, std::span<const uint8> bytes)
{
    if (offset < 0 || size_t(offset) + bytes.size() > fBytes.size())
        return;
    std::ranges::copy(bytes, fBytes.begin() + offset);
    fMap.reset();
}

const RegisterMap& RegisterTips::Map()
{
    if (!fMap)
        fMap.emplace(fBytes, fReadable);
    return *fMap;
}

std::span<const RegisterMap::Structure> RegisterTips::Capabilities()
{
    return Map().Capabilities();
}

std::string RegisterTips::TipFor(int32 offset)
{
    const RegisterMap::Location where = Map().Locate(offset);
    using Kind = RegisterMap::Kind;
    const std::string in =
        where.structure != nullptr ? " - " + StructureTitle(*where.structure) : "";
    switch (where.kind) {
    case Kind::NotReadable:
        return Hex(offset) + " not readable here";
    case Kind::DeviceSpecific:
        return Hex(offset) + " device-specific";
    case Kind::Unused:
        return Hex(offset) + " unused" + in;
    case Kind::Register:
        break;
    }
    const Register& reg = *where.reg;
    const std::string bytes =
        where.size > 1 ? ", bytes " + Hex(where.first) + "-" + Hex(where.first + where.size - 1)
                       : "";
    return Hex(where.first) + " " + reg.name + in + "\n" + DescribeAccess(reg) + bytes
           + Line(DescribeValue(where, fBytes))
           + Line(where.readable ? NamesFor(reg, where.first) : "");
}

// The IDs of the header, and of a bridge's subsystem capability, by the names people know. A
// subsystem ID follows its vendor's ID wherever the two stand.
std::string RegisterTips::NamesFor(const Register& reg, int32 at) const
{
    using namespace config;
    const std::string_view name = reg.name;
    const uint16 vendor = Word(kVendorId);
    const uint8 base = fBytes[kClassBase];
    const uint8 sub = fBytes[kClassSub];
    if (name == "Vendor ID")
        return PciVendorName(vendor);
    if (name == "Device ID")
        return PciDeviceName(vendor, Word(kDeviceId));
    if (name == "Base Class" || name == "Subclass")
        return PciClassName(base, sub);
    if (name == "Programming Interface")
        return PciProgrammingInterfaceName(base, sub, fBytes[kClassApi]);
    if (name == "Subsystem Vendor ID")
        return PciVendorName(Word(at));
    if (name == "Subsystem ID")
        return PciSubsystemName(vendor, Word(kDeviceId), Word(at - 2), Word(at));
    return {};
}

uint16 RegisterTips::Word(int32 offset) const
{
    return uint16(fBytes[size_t(offset)] | fBytes[size_t(offset) + 1] << 8);
}
