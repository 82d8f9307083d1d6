#include "SimulatedBus.h"

#include <iterator>
#include <utility>

SimulatedBus::SimulatedBus(const std::vector<SimulatedFunction>& functions, std::string machineName)
    : fMachineName(std::move(machineName))
{
    for (const SimulatedFunction& function : functions)
        fFunctions.insert_or_assign(function.Address(), function);
}

void SimulatedBus::Remove(PciAddress address)
{
    std::lock_guard lock(fLock);
    fFunctions.erase(address);
}

std::vector<ConfigWrite> SimulatedBus::WriteLog() const
{
    std::lock_guard lock(fLock);
    return fWriteLog;
}

void SimulatedBus::ClearWriteLog()
{
    std::lock_guard lock(fLock);
    fWriteLog.clear();
}

status_t SimulatedBus::GetNthInfo(int32 index, pci_info* info)
{
    std::lock_guard lock(fLock);
    if (index >= int32(fFunctions.size()))
        return B_BAD_INDEX;
    *info = std::next(fFunctions.begin(), index)->second.Info();
    return B_OK;
}

uint32 SimulatedBus::Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size)
{
    std::lock_guard lock(fLock);
    const auto found = fFunctions.find({bus, device, function});
    // No device answers, so the bus reads all ones, as a master abort does.
    if (found == fFunctions.end())
        return 0xFFFFFFFF;
    return found->second.Read(offset, size);
}

void SimulatedBus::Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
                         uint32 value)
{
    std::lock_guard lock(fLock);
    const PciAddress address{bus, device, function};
    fWriteLog.push_back({address, offset, size, value});
    const auto found = fFunctions.find(address);
    if (found != fFunctions.end())
        found->second.Write(offset, size, value);
}

const char* SimulatedBus::MachineName() const { return fMachineName.c_str(); }
