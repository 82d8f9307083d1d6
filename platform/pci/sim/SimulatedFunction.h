#ifndef PCIZ_PCI_SIMULATED_FUNCTION_H
#define PCIZ_PCI_SIMULATED_FUNCTION_H

#include "ConfigRegisters.h"
#include "PCI.h"
#include "PciLocation.h"
#include "PlatformFacts.h"

#include <span>
#include <vector>

// One function's configuration space, 256 bytes or, for a PCI Express function, 4096, behaving
// as hardware does: each byte has the bits software may change and the bits a written 1
// clears; everything else is read-only, and space that no register was defined in reads 0 and
// ignores writes.
class SimulatedFunction {
public:
    // Sets up what every function has: read-only IDs, revision, class and header type, a
    // command register, status error bits that a written 1 clears, a writable line size,
    // latency timer and interrupt line, and for a bridge its writable bus numbers and windows.
    SimulatedFunction(PciLocation location, uint16 vendorId, uint16 deviceId, uint32 classCode,
                      uint8 revision, uint8 headerType = 0);
    // A copy of a function in the state image holds: 256 bytes, or 4096 where image holds more
    // than 256; bytes past the image read as all ones. Its header's registers take writes by
    // the rules above; everything else, base address registers among it (a copy cannot tell
    // what size they decode), is read-only.
    SimulatedFunction(PciLocation location, std::span<const uint8> image);

    // Shapes one register: its value, the bits software may change and the bits a written 1
    // clears. A register past the standard space gives the function its extended space.
    SimulatedFunction& Define(int32 offset, int32 size, uint32 value, uint32 writable = 0,
                              uint32 clearedByOne = 0);
    // Base address registers answer a write of all ones with their size mask: only the
    // address bits above the size are writable. Sizes are powers of two.
    SimulatedFunction& MemoryBar(int index, uint32 size, uint32 address, bool prefetchable = false);
    SimulatedFunction& IoBar(int index, uint32 size, uint16 port);
    SimulatedFunction& Rom(uint32 size, uint32 address);
    SimulatedFunction& Interrupt(uint8 pin, uint8 line);
    // A write with any of bits set at offset also clears the clears bits of the byte at target,
    // as a function level reset clears the command register.
    SimulatedFunction& Couple(int32 offset, uint8 bits, int32 target, uint8 clears);
    SimulatedFunction& Subsystem(uint16 vendorId, uint16 id);

    const PciLocation& Location() const;
    int32 Size() const;
    uint32 Read(int32 offset, int32 size) const;
    void Write(int32 offset, int32 size, uint32 value);
    // The record of the function as the calls name it, at address.
    pci_info Info(PciAddress address) const;

private:
    using Bytes = std::vector<uint8>;

    static uint32 Gather(const Bytes& bytes, int32 offset, int32 size);
    uint8 Layout() const;
    int32 RomOffset() const;
    PlatformFacts Facts() const;

    struct Coupling {
        int32 offset;
        uint8 bits;
        int32 target;
        uint8 clears;
    };

    PciLocation fLocation;
    Bytes fImage;
    std::vector<Coupling> fCouplings;
    // Only as long as the registers defined in them: past that, bytes take no writes.
    Bytes fWritable;
    Bytes fClearedByOne;
};

#endif
