#ifndef PCIZ_PCI_PCI_MACHINE_H
#define PCIZ_PCI_PCI_MACHINE_H

// What a person must be told about the bus the three PCI calls reach. The old platform had
// no such calls: its programs always ran on the machine's own bus, with every right.

// How much of each function's configuration space this program can reach.
enum pci_config_reach {
    // All 256 bytes, read and written.
    PCI_REACH_ALL,
    // All 256 bytes read; no write reaches the device.
    PCI_REACH_READ_ONLY,
    // The first 64 bytes read, the rest as all ones; no write reaches the device.
    PCI_REACH_FIRST_64_BYTES,
};

pci_config_reach get_pci_config_reach();

// The machine's name when it is not this machine's own bus, such as "simulated";
// the empty text for the real bus.
const char* get_pci_machine_name();

#endif
