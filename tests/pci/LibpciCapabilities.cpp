#include "LibpciCapabilities.h"

#include <cstdio>

extern "C" {
#include <pci/pci.h>
}

std::map<std::string, std::vector<FoundCapability>> LibpciCapabilities(const std::string& dump)
{
    std::map<std::string, std::vector<FoundCapability>> found;
    pci_access* access = pci_alloc();
    access->method = PCI_ACCESS_DUMP;
    pci_set_param(access, const_cast<char*>("dump.name"), const_cast<char*>(dump.c_str()));
    pci_init(access);
    pci_scan_bus(access);
    for (pci_dev* dev = access->devices; dev != nullptr; dev = dev->next) {
        pci_fill_info(dev, PCI_FILL_CAPS | PCI_FILL_EXT_CAPS);
        char location[16];
        std::snprintf(location, sizeof location, "%04x:%02x:%02x.%x", unsigned(dev->domain),
                      dev->bus, dev->dev, dev->func);
        std::vector<FoundCapability>& capabilities = found[location];
        for (const pci_cap* cap = dev->first_cap; cap != nullptr; cap = cap->next)
            capabilities.emplace_back(cap->type == PCI_CAP_EXTENDED, cap->id, int(cap->addr));
    }
    pci_cleanup(access);
    return found;
}
