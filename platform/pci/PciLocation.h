#ifndef PCIZ_PCI_PCI_LOCATION_H
#define PCIZ_PCI_PCI_LOCATION_H

#include "PciAddress.h"

#include <compare>

// Where a function really sits: its PCI domain (segment) and its bus, device and function
// there. Ordered as functions are listed.
struct PciLocation {
    constexpr PciLocation() = default;
    // Most machines have one domain, 0.
    constexpr PciLocation(PciAddress at, uint32 inDomain = 0) : domain(inDomain), address(at) {}

    uint32 domain = 0;
    PciAddress address;

    auto operator<=>(const PciLocation&) const = default;
};

#endif
