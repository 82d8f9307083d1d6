#ifndef PCIZ_TESTS_PCI_ENUMERATION_H
#define PCIZ_TESTS_PCI_ENUMERATION_H

#include "PCI.h"

#include <vector>

// Every record get_nth_pci_info gives, as the device window collects them.
inline std::vector<pci_info> EnumeratePci()
{
    std::vector<pci_info> infos;
    pci_info info;
    while (get_nth_pci_info(int32(infos.size()), &info) == B_OK)
        infos.push_back(info);
    return infos;
}

#endif
