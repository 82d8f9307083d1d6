#include "BlockReadEnumeration.h"

extern "C" {
#include <pci/pci.h>
}

int EnumerateWithBlockReads()
{
    pci_access* access = pci_alloc();
    access->method = PCI_ACCESS_SYS_BUS_PCI;
    access->numeric_ids = 1;
    pci_init(access);
    pci_scan_bus(access);
    int listed = 0;
    for (pci_dev* device = access->devices; device != nullptr; device = device->next) {
        u8 header[64];
        pci_read_block(device, 0, header, sizeof(header));
        pci_fill_info(device, PCI_FILL_IRQ | PCI_FILL_BASES | PCI_FILL_ROM_BASE | PCI_FILL_SIZES);
        ++listed;
    }
    pci_cleanup(access);
    return listed;
}
