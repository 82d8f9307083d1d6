#ifndef PCIZ_PCI_PCI_NAMES_H
#define PCIZ_PCI_PCI_NAMES_H

#include <SupportDefs.h>

#include <string>

// Names of PCI hardware from the system's PCI ID database (pci.ids), through libpci's lookup:
// the file is read when a name is first asked for, never at start-up, and never the network or
// the hardware. An ID the database does not know has the empty name. From any thread.

std::string PciVendorName(uint16 vendor);
std::string PciDeviceName(uint16 vendor, uint16 device);
// The subsystem's own name; its vendor's is PciVendorName(subsystemVendor).
std::string PciSubsystemName(uint16 vendor, uint16 device, uint16 subsystemVendor,
                             uint16 subsystem);
// The subclass's name, or the base class's where the subclass has none.
std::string PciClassName(uint8 base, uint8 sub);
std::string PciProgrammingInterfaceName(uint8 base, uint8 sub, uint8 interface);

#endif
