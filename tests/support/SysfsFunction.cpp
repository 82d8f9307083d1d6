#include "SysfsFunction.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

std::vector<SysfsFunction> ListSysfsFunctions()
{
    std::vector<SysfsFunction> all;
    std::error_code error;
    for (const fs::directory_entry& entry : fs::directory_iterator("/sys/bus/pci/devices", error)) {
        unsigned domain, bus, device, function;
        if (std::sscanf(entry.path().filename().c_str(), "%x:%x:%x.%x", &domain, &bus, &device,
                        &function)
            == 4)
            all.push_back(
                {PciLocation(PciAddress{uint8_t(bus), uint8_t(device), uint8_t(function)}, domain),
                 entry.path()});
    }
    std::ranges::sort(all, {}, &SysfsFunction::location);
    return all;
}

std::vector<uint8_t> ReadConfig(const SysfsFunction& function)
{
    std::ifstream file(function.directory / "config", std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(file), {});
}

unsigned ReadIrq(const SysfsFunction& function)
{
    unsigned irq = 0;
    std::ifstream(function.directory / "irq") >> irq;
    return irq;
}

std::vector<SysfsResource> ReadResources(const SysfsFunction& function)
{
    std::ifstream file(function.directory / "resource");
    std::vector<SysfsResource> resources;
    SysfsResource resource;
    while (file >> std::hex >> resource.start >> resource.end >> resource.flags)
        resources.push_back(resource);
    return resources;
}
