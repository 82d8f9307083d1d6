#ifndef PCIZ_PCI_PCI_ADDRESS_H
#define PCIZ_PCI_PCI_ADDRESS_H

#include <SupportDefs.h>

#include <compare>

// Where a function sits; ordered as functions are enumerated.
struct PciAddress {
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;

    auto operator<=>(const PciAddress&) const = default;
};

#endif
