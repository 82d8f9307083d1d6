#include "ConfigDecoder.h"

using namespace config;

namespace {

uint32 FlagBits(uint32 bar) { return (bar & kBarIoSpace) != 0 ? kBarIoFlags : kBarMemoryFlags; }

bool IsMemory64(uint32 bar)
{
    return (bar & kBarIoSpace) == 0 && (bar & kBarMemoryTypeMask) == kBarMemory64;
}

} // namespace

ConfigDecoder::ConfigDecoder(PciAddress address, Header header, PlatformFacts facts)
    : fAddress(address), fHeader(header), fFacts(facts)
{
}

pci_info ConfigDecoder::Decode() const
{
    pci_info info{};
    DecodeCommon(info);
    switch (info.header_type & kLayoutMask) {
    case kGeneralLayout:
        DecodeGeneral(info);
        break;
    case kBridgeLayout:
        DecodeBridge(info);
        break;
    case kCardbusLayout:
        DecodeBridgeFieldsOfCardbus(info.u.h1);
        break;
    default:
        // An unknown layout: its registers fit neither part of the union, so the union stays
        // zero rather than showing misread fields.
        break;
    }
    return info;
}

void ConfigDecoder::DecodeCommon(pci_info& info) const
{
    info.vendor_id = Word(kVendorId);
    info.device_id = Word(kDeviceId);
    info.bus = fAddress.bus;
    info.device = fAddress.device;
    info.function = fAddress.function;
    info.revision = Byte(kRevision);
    info.class_api = Byte(kClassApi);
    info.class_sub = Byte(kClassSub);
    info.class_base = Byte(kClassBase);
    info.line_size = Byte(kLineSize);
    info.latency = Byte(kLatency);
    info.header_type = Byte(kHeaderType);
    info.bist = Byte(kBist);
}

void ConfigDecoder::DecodeGeneral(pci_info& info) const
{
    auto& h0 = info.u.h0;
    h0.cardbus_cis = Long(kCardbusCis);
    h0.subsystem_vendor_id = Word(kSubsystemVendorId);
    h0.subsystem_id = Word(kSubsystemId);
    DecodeRom(h0, kRom);
    h0.rom_size = fFacts.romSize;
    DecodeBaseRegisters(h0);
    h0.interrupt_line = InterruptLine();
    h0.interrupt_pin = Byte(kInterruptPin);
    h0.min_grant = Byte(kMinGrant);
    h0.max_latency = Byte(kMaxLatency);
}

void ConfigDecoder::DecodeBridge(pci_info& info) const
{
    auto& h1 = info.u.h1;
    DecodeBridgeFieldsOfCardbus(h1);
    DecodeBaseRegisters(h1);
    h1.io_base = Byte(kIoBase);
    h1.io_limit = Byte(kIoLimit);
    h1.secondary_status = Word(kSecondaryStatus);
    h1.memory_base = Word(kMemoryBase);
    h1.memory_limit = Word(kMemoryLimit);
    h1.prefetchable_memory_base = Word(kPrefetchableBase);
    h1.prefetchable_memory_limit = Word(kPrefetchableLimit);
    h1.prefetchable_memory_base_upper32 = Long(kPrefetchableBaseUpper32);
    h1.prefetchable_memory_limit_upper32 = Long(kPrefetchableLimitUpper32);
    h1.io_base_upper16 = Word(kIoBaseUpper16);
    h1.io_limit_upper16 = Word(kIoLimitUpper16);
    DecodeRom(h1, kBridgeRom);
}

// The registers a CardBus header holds at the same offsets as a PCI-to-PCI bridge's: its bus
// numbers, its latency timer, the interrupt and the bridge control. Its other registers lie
// elsewhere and mean other things, so the rest of the bridge part stays empty for it.
void ConfigDecoder::DecodeBridgeFieldsOfCardbus(decltype(pci_info::u.h1)& h1) const
{
    h1.primary_bus = Byte(kPrimaryBus);
    h1.secondary_bus = Byte(kSecondaryBus);
    h1.subordinate_bus = Byte(kSubordinateBus);
    h1.secondary_latency = Byte(kSecondaryLatency);
    h1.interrupt_line = InterruptLine();
    h1.interrupt_pin = Byte(kInterruptPin);
    h1.bridge_control = Word(kBridgeControl);
}

template <typename Part>
void ConfigDecoder::DecodeBaseRegisters(Part& part) const
{
    bool upperHalf = false;
    for (int32 i = 0; i < int32(std::size(part.base_registers_pci)); ++i) {
        const uint32 bar = Long(kBaseRegisters + 4 * i);
        // The register after a 64-bit memory BAR holds the upper half of its address, so
        // none of its bits are flags.
        const uint32 flagBits = upperHalf ? 0 : FlagBits(bar);
        part.base_register_flags[i] = uint8(bar & flagBits);
        part.base_registers_pci[i] = bar & ~flagBits;
        part.base_registers[i] =
            fFacts.hostAddresses ? (*fFacts.hostAddresses)[i] : part.base_registers_pci[i];
        part.base_register_sizes[i] = fFacts.sizes[i];
        upperHalf = !upperHalf && IsMemory64(bar);
    }
}

template <typename Part>
void ConfigDecoder::DecodeRom(Part& part, int32 offset) const
{
    part.rom_base_pci = Long(offset) & kRomAddressMask;
    part.rom_base = fFacts.romHostAddress.value_or(part.rom_base_pci);
}

uint8 ConfigDecoder::InterruptLine() const
{
    return fFacts.interruptLine.value_or(Byte(kInterruptLine));
}

uint8 ConfigDecoder::Byte(int32 offset) const { return fHeader[offset]; }

uint16 ConfigDecoder::Word(int32 offset) const
{
    return uint16(Byte(offset) | Byte(offset + 1) << 8);
}

uint32 ConfigDecoder::Long(int32 offset) const
{
    return uint32(Word(offset)) | uint32(Word(offset + 2)) << 16;
}
