#ifndef PCIZ_PCI_PCI_MACHINE_H
#define PCIZ_PCI_PCI_MACHINE_H

#include <SupportDefs.h>

// What a person must be told about the bus the three PCI calls reach. The old platform had
// no such calls: its programs always ran on the machine's own bus, with every right.

// How much of each function's configuration space this program can reach.
enum pci_config_reach {
    // The whole space, read and written.
    PCI_REACH_ALL,
    // The whole space read; no write reaches the device.
    PCI_REACH_READ_ONLY,
    // The first 64 bytes read, the rest as all ones; no write reaches the device.
    PCI_REACH_FIRST_64_BYTES,
};

pci_config_reach get_pci_config_reach();

// The machine's name when it is not this machine's own bus, such as "simulated";
// the empty text for the real bus.
const char* get_pci_machine_name();

// Where a function really sits. The bus, device and function numbers the calls take name one
// function in the whole program; a function of a later PCI domain whose bus number an earlier
// domain already has is reached under a free bus number, and this says where it really is.
struct pci_location {
    uint32 domain;
    uint8 bus;
    uint8 device;
    uint8 function;
};

// B_OK and location filled for a listed function; B_BAD_VALUE where none answers.
status_t get_pci_location(uchar bus, uchar device, uchar function, pci_location* location);

#endif
