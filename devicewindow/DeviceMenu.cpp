#include "DeviceMenu.h"

#include <LocationText.h>
#include <MenuItem.h>
#include <Message.h>
#include <PciNames.h>

#include <algorithm>
#include <cstdio>
#include <string>

namespace {

constexpr size_t kLongestName = 40;

} // namespace

DeviceMenu::DeviceMenu(const std::vector<pci_info>& devices,
                       const std::vector<pci_location>& locations)
    : BPopUpMenu(devices.empty() ? "" : "0", true, true, B_ITEMS_IN_COLUMN), fDevices(devices),
      fLocations(locations)
{
    for (size_t index = 0; index < fDevices.size(); ++index) {
        char label[24];
        std::snprintf(label, sizeof(label), "%zu", index);
        AddItem(new BMenuItem(label, new BMessage(static_cast<uint32>(index)), 0, 0));
    }
}

void DeviceMenu::AttachedToWindow()
{
    if (fNamed)
        return;
    fNamed = true;
    // A domain is named only where there is more than one to tell apart.
    const bool domains = std::ranges::any_of(
        fLocations, [&](const pci_location& at) { return at.domain != fLocations.front().domain; });
    const size_t widest = std::to_string(fDevices.size() - 1).size();
    for (size_t index = 0; index < fDevices.size(); ++index) {
        const pci_info& device = fDevices[index];
        std::string name = PciDeviceName(device.vendor_id, device.device_id);
        if (name.empty())
            name = PciClassName(device.class_base, device.class_sub);
        // Some names run to a hundred characters; the menu stays about as wide as a window.
        if (name.size() > kLongestName)
            name = name.substr(0, kLongestName - 3) + "...";
        // Figure spaces, as wide as a digit, line the addresses up after indices of any length.
        std::string padding;
        for (size_t width = std::to_string(index).size(); width < widest; ++width)
            padding += "\u2007";
        const std::string detail =
            padding + LocationText(fLocations[index], domains) + "\u2003" + name;
        ItemAt(int32(index))->SetDetail(detail.c_str());
    }
}
