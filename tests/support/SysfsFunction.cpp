#include "SysfsFunction.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <tuple>

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
                {domain, {uint8_t(bus), uint8_t(device), uint8_t(function)}, entry.path()});
    }
    std::ranges::sort(all, {},
                      [](const SysfsFunction& f) { return std::tie(f.domain, f.address); });
    std::set<PciAddress> seen;
    std::erase_if(all, [&](const SysfsFunction& f) { return !seen.insert(f.address).second; });
    return all;
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
