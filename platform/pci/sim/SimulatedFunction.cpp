#include "SimulatedFunction.h"

#include "ConfigDecoder.h"

#include <algorithm>
#include <span>

using namespace config;

namespace {

// The command bits a typical function implements: I/O, memory, bus master, parity, SERR and
// fast back-to-back.
constexpr uint32 kCommandWritable = 0x0347;
constexpr uint32 kBridgeControlWritable = 0x0FFF;

// A writable address mask's lowest bit is the size of the region it decodes.
uint32 DecodedSize(uint32 writable) { return writable & (~writable + 1); }

int32 BarOffset(int index) { return kBaseRegisters + 4 * index; }

} // namespace

SimulatedFunction::SimulatedFunction(PciLocation location, uint16 vendorId, uint16 deviceId,
                                     uint32 classCode, uint8 revision, uint8 headerType)
    : fLocation(location), fImage(kSpaceSize), fWritable(kSpaceSize), fClearedByOne(kSpaceSize)
{
    Define(kVendorId, 2, vendorId);
    Define(kDeviceId, 2, deviceId);
    Define(kCommand, 2, 0, kCommandWritable);
    Define(kStatus, 2, 0, 0, kStatusErrorBits);
    Define(kRevision, 4, classCode << 8 | revision);
    Define(kLineSize, 1, 0, 0xFF);
    Define(kLatency, 1, 0, 0xFF);
    Define(kHeaderType, 1, headerType);
    Define(kInterruptLine, 1, 0, 0xFF);
    if (Layout() != kBridgeLayout)
        return;
    Define(kPrimaryBus, 4, 0, 0xFFFFFFFF);
    // 16-bit I/O and 32-bit prefetchable windows: the low nibbles and the upper halves stay 0.
    Define(kIoBase, 2, 0, 0xF0F0);
    Define(kSecondaryStatus, 2, 0, 0, kStatusErrorBits);
    Define(kMemoryBase, 4, 0, 0xFFF0FFF0);
    Define(kPrefetchableBase, 4, 0, 0xFFF0FFF0);
    Define(kBridgeControl, 2, 0, kBridgeControlWritable);
}

SimulatedFunction::SimulatedFunction(PciLocation location, std::span<const uint8> image)
    : SimulatedFunction(location, 0, 0, 0, 0,
                        image.size() > kHeaderType ? image[kHeaderType] : 0xFF)
{
    fImage.assign(image.size() > size_t(kSpaceSize) ? kExtendedSpaceSize : kSpaceSize, 0xFF);
    std::ranges::copy(image.first(std::min(image.size(), fImage.size())), fImage.begin());
}

SimulatedFunction& SimulatedFunction::Define(int32 offset, int32 size, uint32 value,
                                             uint32 writable, uint32 clearedByOne)
{
    const size_t end = size_t(offset + size);
    if (end > fImage.size())
        fImage.resize(kExtendedSpaceSize);
    for (Bytes* mask : {&fWritable, &fClearedByOne})
        mask->resize(std::max(mask->size(), end));
    for (int32 i = 0; i < size; ++i) {
        const int shift = 8 * i;
        fImage[offset + i] = uint8(value >> shift);
        fWritable[offset + i] = uint8(writable >> shift);
        fClearedByOne[offset + i] = uint8(clearedByOne >> shift);
    }
    return *this;
}

SimulatedFunction& SimulatedFunction::MemoryBar(int index, uint32 size, uint32 address,
                                                bool prefetchable)
{
    const uint32 addressBits = ~(size - 1);
    return Define(BarOffset(index), 4,
                  (address & addressBits) | (prefetchable ? kBarPrefetchable : 0), addressBits);
}

SimulatedFunction& SimulatedFunction::IoBar(int index, uint32 size, uint16 port)
{
    // 16-bit decode, as on a PC: the upper half of the register reads 0.
    const uint32 addressBits = 0xFFFF & ~(size - 1);
    return Define(BarOffset(index), 4, (port & addressBits) | kBarIoSpace, addressBits);
}

SimulatedFunction& SimulatedFunction::Rom(uint32 size, uint32 address)
{
    const uint32 addressBits = kRomAddressMask & ~(size - 1);
    return Define(RomOffset(), 4, address & addressBits, addressBits | kRomEnable);
}

SimulatedFunction& SimulatedFunction::Interrupt(uint8 pin, uint8 line)
{
    Define(kInterruptPin, 1, pin);
    return Define(kInterruptLine, 1, line, 0xFF);
}

SimulatedFunction& SimulatedFunction::Couple(int32 offset, uint8 bits, int32 target, uint8 clears)
{
    fCouplings.push_back({offset, bits, target, clears});
    return *this;
}

SimulatedFunction& SimulatedFunction::Subsystem(uint16 vendorId, uint16 id)
{
    return Define(kSubsystemVendorId, 4, uint32(id) << 16 | vendorId);
}

const PciLocation& SimulatedFunction::Location() const { return fLocation; }

int32 SimulatedFunction::Size() const { return int32(fImage.size()); }

uint32 SimulatedFunction::Read(int32 offset, int32 size) const
{
    if (offset < 0 || offset + size > Size())
        return 0xFFFFFFFF;
    return Gather(fImage, offset, size);
}

void SimulatedFunction::Write(int32 offset, int32 size, uint32 value)
{
    // Bytes past the masks are read-only, as most of an extended space is.
    for (int32 i = 0; i < size && offset >= 0 && size_t(offset + i) < fWritable.size(); ++i) {
        const uint8 written = uint8(value >> (8 * i));
        uint8& byte = fImage[offset + i];
        const uint8 writable = fWritable[offset + i];
        byte = uint8((byte & ~writable) | (written & writable));
        byte = uint8(byte & ~(written & fClearedByOne[offset + i]));
    }
    for (const Coupling& coupling : fCouplings) {
        const int32 at = coupling.offset - offset;
        if (at >= 0 && at < size && (uint8(value >> (8 * at)) & coupling.bits) != 0)
            fImage[coupling.target] &= uint8(~coupling.clears);
    }
}

pci_info SimulatedFunction::Info(PciAddress address) const
{
    return ConfigDecoder(address, std::span(fImage).first<kHeaderSize>(), Facts()).Decode();
}

uint32 SimulatedFunction::Gather(const Bytes& bytes, int32 offset, int32 size)
{
    uint32 value = 0;
    for (int32 i = 0; i < size; ++i)
        value |= uint32(bytes[offset + i]) << (8 * i);
    return value;
}

uint8 SimulatedFunction::Layout() const { return fImage[kHeaderType] & kLayoutMask; }

int32 SimulatedFunction::RomOffset() const { return Layout() == kBridgeLayout ? kBridgeRom : kRom; }

// The sizes the platform would have found by probing, taken from the masks.
PlatformFacts SimulatedFunction::Facts() const
{
    PlatformFacts facts;
    const int barCount = Layout() == kBridgeLayout ? kBridgeBarCount : kGeneralBarCount;
    for (int i = 0; i < barCount; ++i)
        facts.sizes[i] = DecodedSize(Gather(fWritable, BarOffset(i), 4));
    facts.romSize = DecodedSize(Gather(fWritable, RomOffset(), 4) & kRomAddressMask);
    return facts;
}
