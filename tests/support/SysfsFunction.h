#ifndef PCIZ_TESTS_SYSFS_FUNCTION_H
#define PCIZ_TESTS_SYSFS_FUNCTION_H

// The kernel's own view of this machine's PCI functions, read from sysfs.

#include <PciLocation.h>

#include <cstdint>
#include <filesystem>
#include <vector>

// One line of a function's resource file in sysfs: an address range as the host sees it.
struct SysfsResource {
    uint64_t start = 0;
    uint64_t end = 0;
    uint64_t flags = 0;

    // An unused resource reads as all zeros.
    uint64_t Size() const { return start == 0 && end == 0 ? 0 : end - start + 1; }

    // The kernel's flag for a memory range that a 64-bit register pair decodes.
    bool Is64BitMemory() const { return (flags & 0x00100000) != 0; }
};

struct SysfsFunction {
    PciLocation location;
    std::filesystem::path directory;
};

// Every function, in the order the host bus must list them: by domain, then address.
std::vector<SysfsFunction> ListSysfsFunctions();

// The bytes its config file gives this user: all of them as root, the first 64 otherwise.
std::vector<uint8_t> ReadConfig(const SysfsFunction& function);

// The IRQ the kernel routed to it; 0 for none.
unsigned ReadIrq(const SysfsFunction& function);

// Every line of the resource file, in order: the six base address registers, the ROM and,
// for a bridge, its windows.
std::vector<SysfsResource> ReadResources(const SysfsFunction& function);

#endif
