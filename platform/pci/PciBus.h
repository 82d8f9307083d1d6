#ifndef PCIZ_PCI_PCI_BUS_H
#define PCIZ_PCI_PCI_BUS_H

// What the three PCI calls dispatch to: one machine's functions and their configuration spaces.
// The calls check ranges before they get here, so a bus sees only offsets inside the function's
// space, sizes 1, 2 and 4, accesses aligned to their size, indices from 0 and a non-null info.

#include "ConfigRegisters.h"
#include "PciLocation.h"
#include "PciMachine.h"

#include <SupportDefs.h>

#include <optional>

struct pci_info;

class PciBus {
public:
    virtual ~PciBus() = default;

    virtual status_t GetNthInfo(int32 index, pci_info* info) = 0;
    virtual uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) = 0;
    virtual void Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
                       uint32 value) = 0;

    // The standard space unless the bus knows the function to have more.
    virtual int32 ConfigSize(uint8, uint8, uint8) { return config::kSpaceSize; }
    // Where the function named so really sits; a bus of one domain names it as it is.
    virtual std::optional<PciLocation> Location(uint8 bus, uint8 device, uint8 function)
    {
        return PciLocation(PciAddress{bus, device, function});
    }
    virtual pci_config_reach Reach() { return PCI_REACH_ALL; }
    virtual const char* MachineName() const { return ""; }
};

#endif
