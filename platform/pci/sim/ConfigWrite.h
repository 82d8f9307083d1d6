#ifndef PCIZ_PCI_CONFIG_WRITE_H
#define PCIZ_PCI_CONFIG_WRITE_H

#include "PciAddress.h"

// One write as it reached a simulated bus.
struct ConfigWrite {
    PciAddress address;
    int32 offset = 0;
    int32 size = 0;
    uint32 value = 0;

    bool operator==(const ConfigWrite&) const = default;
};

#endif
