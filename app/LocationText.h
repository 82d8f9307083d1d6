#ifndef PCIZ_APP_LOCATION_TEXT_H
#define PCIZ_APP_LOCATION_TEXT_H

#include <PciMachine.h>

#include <string>

// Where a function really sits, as lspci writes it: "00:07.1", with its domain first where
// asked: "0001:00:00.0".
std::string LocationText(const pci_location& location, bool withDomain);

#endif
