#include "LocationText.h"

#include "Format.h"

std::string LocationText(const pci_location& location, bool withDomain)
{
    const std::string address = Format("%02x:%02x.%x", unsigned(location.bus),
                                       unsigned(location.device), unsigned(location.function));
    return withDomain ? Format("%04x:", unsigned(location.domain)) + address : address;
}
