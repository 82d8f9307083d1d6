#ifndef PCIZ_DEVICEWINDOW_DEVICE_MENU_H
#define PCIZ_DEVICEWINDOW_DEVICE_MENU_H

#include <PCI.h>
#include <PciMachine.h>
#include <PopUpMenu.h>

#include <vector>

// The device menu: an entry per function, labelled with its index as the menu field shows it
// once chosen, and beside it the function's address and name, so that a person finds a
// function without trying numbers. The names are looked up when the menu first opens.
class DeviceMenu : public BPopUpMenu {
public:
    // The window's device table and where each function sits; both outlive the menu.
    DeviceMenu(const std::vector<pci_info>& devices, const std::vector<pci_location>& locations);

    void AttachedToWindow() override;

private:
    const std::vector<pci_info>& fDevices;
    const std::vector<pci_location>& fLocations;
    bool fNamed = false;
};

#endif
