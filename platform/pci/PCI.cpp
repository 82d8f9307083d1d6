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
// (docs/departures.md).
bool IsValidAccess(int32 offset, int32 size)
{
    return IsValidSize(size) && offset >= 0 && offset <= config::kSpaceSize - size
           && offset % size == 0;
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

uint32 read_pci_config(uchar bus, uchar device, uchar function, int32 offset, int32 size)
{
    if (!IsValidAccess(offset, size))
        return AllOnes(size);
    return CurrentBus().Read(bus, device, function, offset, size) & AllOnes(size);
}

void write_pci_config(uchar bus, uchar device, uchar function, int32 offset, int32 size,
                      uint32 value)
{
    if (IsValidAccess(offset, size))
        CurrentBus().Write(bus, device, function, offset, size, value & AllOnes(size));
}

pci_config_reach get_pci_config_reach() { return CurrentBus().Reach(); }

const char* get_pci_machine_name() { return CurrentBus().MachineName(); }
