#ifndef PCIZ_TESTS_SYSFS_FUNCTION_H
#define PCIZ_TESTS_SYSFS_FUNCTION_H

// The kernel's own view of this machine's PCI functions, read from sysfs.

#include "SysfsResource.h"

#include <PciAddress.h>

#include <cstdint>
#include <filesystem>
#include <vector>

struct SysfsFunction {
    unsigned domain;
    PciAddress address;
    std::filesystem::path directory;
};

// Listed as the host bus must list them: by domain, then address, each address once.
std::vector<SysfsFunction> ListSysfsFunctions();

// Every line of the resource file, in order: the six base address registers, the ROM and,
// for a bridge, its windows.
std::vector<SysfsResource> ReadResources(const SysfsFunction& function);

#endif
