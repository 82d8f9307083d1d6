#include "PciNames.h"

#include "LibpciGuard.h"

#include <mutex>

extern "C" {
#include <pci/pci.h>
}

namespace {

// Names only: no numbers in place of an unknown name, no udev hardware database (whose
// answers would depend on the machine running the program), no cache file, no network.
constexpr int kFlags = PCI_LOOKUP_NO_NUMBERS | PCI_LOOKUP_NO_HWDB;

std::mutex sLock;

pci_access* Database()
{
    static pci_access* access = [] {
        pci_access* made = nullptr;
        if (!LibpciGuard::Run([&] { made = pci_alloc(); }) || made == nullptr)
            return made;
        LibpciGuard::InstallHooks(made);
        made->numeric_ids = 0;
        made->id_lookup_mode = 0;
        return made;
    }();
    return access;
}

template <typename... Ids>
std::string Lookup(int what, Ids... ids)
{
    std::lock_guard lock(sLock);
    pci_access* access = Database();
    if (access == nullptr)
        return {};
    char name[256];
    const char* found = nullptr;
    LibpciGuard::Run(
        [&] { found = pci_lookup_name(access, name, sizeof(name), what | kFlags, int(ids)...); });
    return found != nullptr ? found : "";
}

} // namespace

std::string PciVendorName(uint16 vendor) { return Lookup(PCI_LOOKUP_VENDOR, vendor); }

std::string PciDeviceName(uint16 vendor, uint16 device)
{
    return Lookup(PCI_LOOKUP_DEVICE, vendor, device);
}

std::string PciSubsystemName(uint16 vendor, uint16 device, uint16 subsystemVendor, uint16 subsystem)
{
    return Lookup(PCI_LOOKUP_SUBSYSTEM | PCI_LOOKUP_DEVICE, vendor, device, subsystemVendor,
                  subsystem);
}

std::string PciClassName(uint8 base, uint8 sub)
{
    std::string name = Lookup(PCI_LOOKUP_CLASS, uint16(base << 8 | sub));
    return !name.empty() ? name : Lookup(PCI_LOOKUP_CLASS, uint16(base << 8));
}

std::string PciProgrammingInterfaceName(uint8 base, uint8 sub, uint8 interface)
{
    // Where the database names no interface, libpci answers with the class's name.
    std::string name = Lookup(PCI_LOOKUP_PROGIF, uint16(base << 8 | sub), interface);
    return name != PciClassName(base, sub) ? name : std::string();
}
