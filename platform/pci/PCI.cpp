#include "PCI.h"

#include "ConfigRegisters.h"
#include "PciBus.h"
#include "PciBusSelection.h"
#include "PciMachine.h"

#include <atomic>

namespace {

std::atomic<PciBus*> sInstalledBus{nullptr};

PciBus& CurrentBus()
{
    PciBus* installed = sInstalledBus.load();
    return installed != nullptr ? *installed : DefaultPciBus();
}

bool IsValidSize(int32 size) { return size == 1 || size == 2 || size == 4; }

// Offsets are int32 so that a bad one is refused here instead of wrapping onto a register
// (docs/departures.md). Every function has the standard space, so only an offset past it asks
// the bus for the function's size.
bool IsValidAccess(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size)
{
    if (!IsValidSize(size) || offset < 0 || offset % size != 0)
        return false;
    return offset <= config::kSpaceSize - size
           || (offset <= config::kExtendedSpaceSize - size
               && offset <= CurrentBus().ConfigSize(bus, device, function) - size);
}

uint32 AllOnes(int32 size)
{
    return size == 1 || size == 2 ? (uint32(1) << (8 * size)) - 1 : 0xFFFFFFFF;
}

} // namespace

void InstallPciBus(PciBus* bus) { sInstalledBus.store(bus); }

status_t get_nth_pci_info(int32 index, pci_info* info)
{
    if (index < 0 || info == nullptr)
        return B_BAD_VALUE;
    return CurrentBus().GetNthInfo(index, info);
}

int32 get_pci_config_size(uchar bus, uchar device, uchar function)
{
    return CurrentBus().ConfigSize(bus, device, function);
}

uint32 read_pci_config(uchar bus, uchar device, uchar function, int32 offset, int32 size)
{
    if (!IsValidAccess(bus, device, function, offset, size))
        return AllOnes(size);
    return CurrentBus().Read(bus, device, function, offset, size) & AllOnes(size);
}

void write_pci_config(uchar bus, uchar device, uchar function, int32 offset, int32 size,
                      uint32 value)
{
    if (IsValidAccess(bus, device, function, offset, size))
        CurrentBus().Write(bus, device, function, offset, size, value & AllOnes(size));
}

pci_config_reach get_pci_config_reach() { return CurrentBus().Reach(); }

const char* get_pci_machine_name() { return CurrentBus().MachineName(); }

status_t get_pci_location(uchar bus, uchar device, uchar function, pci_location* location)
{
    if (location == nullptr)
        return B_BAD_VALUE;
    const std::optional<PciLocation> found = CurrentBus().Location(bus, device, function);
    if (!found)
        return B_BAD_VALUE;
    *location = {found->domain, found->address.bus, found->address.device, found->address.function};
    return B_OK;
}
