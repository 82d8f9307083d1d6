#include "ValueExplanations.h"

#include <ConfigRegisters.h>
#include <Format.h>
#include <LocationText.h>
#include <PciNames.h>
#include <RegisterMap.h>
#include <RegisterText.h>

#include <array>

using namespace config;

namespace {

// As lspci gives sizes: in bytes, K, M or G, whichever is whole.
std::string SizeText(uint64 size)
{
    const char* const units[] = {"", "K", "M", "G", "T"};
    int unit = 0;
    while (size >= 1024 && size % 1024 == 0 && unit < 4) {
        size /= 1024;
        ++unit;
    }
    return Format("[size=%llu%s]", static_cast<unsigned long long>(size), units[unit]);
}

void AddLine(std::string& text, const std::string& line)
{
    if (!line.empty())
        text += (text.empty() ? "" : "\n") + line;
}

// The base address registers as lspci lists them, "Region 0: Memory at e0000000 (64-bit,
// prefetchable) [size=64M]": the address as the host sees it, joined from both registers of a
// 64-bit pair.
template <size_t N>
std::string Regions(const uint32 (&addresses)[N], const uint32 (&sizes)[N], const uint8 (&flags)[N])
{
    std::string text;
    for (size_t i = 0; i < N; ++i) {
        if (addresses[i] == 0 && sizes[i] == 0 && flags[i] == 0)
            continue;
        std::string line;
        const size_t region = i;
        if ((flags[i] & kBarIoSpace) != 0) {
            line = Format("Region %zu: I/O ports at %x", region, unsigned(addresses[i]));
        } else {
            const bool wide = (flags[i] & kBarMemoryTypeMask) == kBarMemory64 && i + 1 < N;
            const uint64 address = addresses[i] | (wide ? uint64(addresses[i + 1]) << 32 : 0);
            line = Format("Region %zu: Memory at %llx (%s, %s)", region,
                          static_cast<unsigned long long>(address), wide ? "64-bit" : "32-bit",
                          (flags[i] & kBarPrefetchable) != 0 ? "prefetchable" : "non-prefetchable");
            i += wide ? 1 : 0;
        }
        if (sizes[region] != 0)
            line += " " + SizeText(sizes[region]);
        AddLine(text, line);
    }
    return text.empty() ? "No regions decoded" : text;
}

std::string Rom(uint32 address, uint32 size)
{
    if (address == 0 && size == 0)
        return "No expansion ROM";
    return Format("Expansion ROM at %x", unsigned(address))
           + (size != 0 ? " " + SizeText(size) : "");
}

// A register's bits named as the editor's tooltips name them: the register map read over a
// header that holds just this value.
std::string NamedBits(uint8 layout, int32 offset, uint32 value, int32 size)
{
    std::array<uint8, kHeaderSize> header{};
    header[kHeaderType] = layout;
    for (int32 i = 0; i < size; ++i)
        header[size_t(offset + i)] = uint8(value >> (8 * i));
    const RegisterMap map(header, kHeaderSize);
    return DescribeValue(map.Locate(offset), header);
}

std::string Irq(uint8 line)
{
    return line == 0 || line == 0xFF ? "No IRQ routed" : Format("IRQ %u", unsigned(line));
}

std::string Pin(uint8 pin)
{
    return pin >= 1 && pin <= 4 ? Format("INT%c#", 'A' + pin - 1) : "No interrupt pin";
}

// "I/O behind bridge: c000-cfff [size=4K]", or "[disabled]" where the base lies above the limit.
std::string Window(const char* what, uint64 base, uint64 limit, const char* width)
{
    if (base > limit)
        return Format("%s behind bridge: [disabled] [%s]", what, width);
    return Format("%s behind bridge: %llx-%llx ", what, static_cast<unsigned long long>(base),
                  static_cast<unsigned long long>(limit))
           + SizeText(limit - base + 1) + Format(" [%s]", width);
}

std::string BridgeWindows(const pci_info& record)
{
    const auto& h1 = record.u.h1;
    const bool wideIo = (h1.io_base & PCI_IO_RANGE_TYPE_MASK) == PCI_IO_RANGE_TYPE_32;
    const uint64 ioBase = uint64(h1.io_base & PCI_IO_RANGE_MASK) << 8
                          | (wideIo ? uint64(h1.io_base_upper16) << 16 : 0);
    const uint64 ioLimit = (uint64(h1.io_limit & PCI_IO_RANGE_MASK) << 8 | 0xFFF)
                           | (wideIo ? uint64(h1.io_limit_upper16) << 16 : 0);
    const uint64 memoryBase = uint64(h1.memory_base & PCI_MEMORY_RANGE_MASK) << 16;
    const uint64 memoryLimit = uint64(h1.memory_limit & PCI_MEMORY_RANGE_MASK) << 16 | 0xFFFFF;
    const bool widePrefetch =
        (h1.prefetchable_memory_base & PCI_PREF_RANGE_TYPE_MASK) == PCI_PREF_RANGE_TYPE_64;
    const uint64 prefetchBase =
        uint64(h1.prefetchable_memory_base & PCI_PREF_RANGE_MASK) << 16
        | (widePrefetch ? uint64(h1.prefetchable_memory_base_upper32) << 32 : 0);
    const uint64 prefetchLimit =
        (uint64(h1.prefetchable_memory_limit & PCI_PREF_RANGE_MASK) << 16 | 0xFFFFF)
        | (widePrefetch ? uint64(h1.prefetchable_memory_limit_upper32) << 32 : 0);
    std::string text = Window("I/O", ioBase, ioLimit, wideIo ? "32-bit" : "16-bit");
    AddLine(text, Window("Memory", memoryBase, memoryLimit, "32-bit"));
    AddLine(text, Window("Prefetchable memory", prefetchBase, prefetchLimit,
                         widePrefetch ? "64-bit" : "32-bit"));
    return text;
}

} // namespace

std::string ExplainRow(const pci_info& record, const pci_location& location, ordinary::Row row)
{
    using namespace ordinary;
    const auto& h0 = record.u.h0;
    const uint8 layout = record.header_type & kLayoutMask;
    switch (row) {
    case VendorId:
        return PciVendorName(record.vendor_id);
    case DeviceId:
        return PciDeviceName(record.vendor_id, record.device_id);
    case Bus:
    case Device:
    case Function:
        return "At " + LocationText(location, true);
    case ClassApi:
        return PciProgrammingInterfaceName(record.class_base, record.class_sub, record.class_api);
    case ClassSub:
    case ClassBase:
        return PciClassName(record.class_base, record.class_sub);
    case LineSize:
        return Format("Cache line of %u bytes", unsigned(record.line_size) * 4);
    case SelfTest:
        return "BIST " + NamedBits(layout, kBist, record.bist, 1);
    case HeaderType:
        return "Header type " + NamedBits(layout, kHeaderType, record.header_type, 1);
    case SubsystemId:
        return PciSubsystemName(record.vendor_id, record.device_id, h0.subsystem_vendor_id,
                                h0.subsystem_id);
    case SubsystemVendorId:
        return PciVendorName(h0.subsystem_vendor_id);
    case RomBase:
    case RomBasePci:
    case RomSize:
        return Rom(h0.rom_base, h0.rom_size);
    case BaseRegisters:
    case BaseRegsPci:
    case BaseRegSizes:
    case BaseRegFlags:
        return Regions(h0.base_registers, h0.base_register_sizes, h0.base_register_flags);
    case InterruptLine:
        return Irq(h0.interrupt_line);
    case InterruptPin:
        return Pin(h0.interrupt_pin);
    default:
        return {};
    }
}

std::string ExplainBridgeRow(const pci_info& record, bridge::Row row)
{
    using namespace bridge;
    const auto& h1 = record.u.h1;
    const uint8 layout = record.header_type & kLayoutMask;
    switch (row) {
    case BaseRegisters:
    case BaseRegsPci:
    case BaseRegSizes:
    case BaseRegFlags:
        return Regions(h1.base_registers, h1.base_register_sizes, h1.base_register_flags);
    case PrimaryBus:
    case SecondaryBus:
    case SubordinateBus:
    case SecondaryLatency:
        return Format("Bus: primary=%02x, secondary=%02x, subordinate=%02x, sec-latency=%u",
                      unsigned(h1.primary_bus), unsigned(h1.secondary_bus),
                      unsigned(h1.subordinate_bus), unsigned(h1.secondary_latency));
    case SecondaryStatus:
        return layout == kBridgeLayout
                   ? "Secondary status "
                         + NamedBits(layout, kSecondaryStatus, h1.secondary_status, 2)
                   : std::string();
    case IoBase:
    case IoLimit:
    case MemoryBase:
    case MemoryLimit:
    case PrefetchBase:
    case PrefetchLimit:
    case PrefetchBase32:
    case PrefetchLimit32:
    case IoBaseUpper16:
    case IoLimitUpper16:
        return layout == kBridgeLayout ? BridgeWindows(record) : std::string();
    case RomBase:
    case RomBasePci:
        return Rom(h1.rom_base, 0);
    case InterruptLine:
        return Irq(h1.interrupt_line);
    case InterruptPin:
        return Pin(h1.interrupt_pin);
    case BridgeControl:
        return "Bridge control " + NamedBits(layout, kBridgeControl, h1.bridge_control, 2);
    default:
        return {};
    }
}
