#ifndef PCIZ_PCI_PLATFORM_FACTS_H
#define PCIZ_PCI_PLATFORM_FACTS_H

// What only the platform knows about a function, beyond its configuration bytes.

#include <SupportDefs.h>

#include <array>
#include <optional>

struct PlatformFacts {
    // Addresses as the host sees them, indexed like the base registers; without them the
    // host address is the PCI address, as on a machine that maps PCI 1:1.
    std::optional<std::array<uint32, 6>> hostAddresses;
    std::array<uint32, 6> sizes{};
    std::optional<uint32> romHostAddress;
    uint32 romSize = 0;
    // The IRQ the platform routed; without it the interrupt line register stands.
    std::optional<uint8> interruptLine;
};

#endif
