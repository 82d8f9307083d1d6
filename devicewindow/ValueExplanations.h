#ifndef PCIZ_DEVICEWINDOW_VALUE_EXPLANATIONS_H
#define PCIZ_DEVICEWINDOW_VALUE_EXPLANATIONS_H

#include "DeviceRows.h"

#include <PCI.h>
#include <PciMachine.h>

#include <string>

// What a value of the device window means, in the words lspci uses for it: names from the PCI
// ID database, the interrupt line in decimal, base addresses decoded and joined where 64-bit,
// a bridge's windows as ranges, the bits of its registers named. Worked out when a tooltip is
// about to show, so that no name is looked up before a person asks for one. Empty where a row
// needs no more words than its value.
std::string ExplainRow(const pci_info& record, const pci_location& location, ordinary::Row row);
std::string ExplainBridgeRow(const pci_info& record, bridge::Row row);

#endif
