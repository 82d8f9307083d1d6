#ifndef PCIZ_TESTS_SYSFS_RESOURCE_H
#define PCIZ_TESTS_SYSFS_RESOURCE_H

#include <cstdint>

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

#endif
