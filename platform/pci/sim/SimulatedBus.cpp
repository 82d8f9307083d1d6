#include "SimulatedBus.h"

#include <algorithm>
#include <utility>

namespace {

// In listing order, each location once: of two at one location the later given stays.
std::vector<SimulatedFunction> Listed(std::vector<SimulatedFunction> functions)
{
    const auto at = [](const SimulatedFunction& function) { return function.Location(); };
    std::reverse(functions.begin(), functions.end());
    std::stable_sort(functions.begin(), functions.end(),
                     [&](const auto& a, const auto& b) { return at(a) < at(b); });
    functions.erase(std::unique(functions.begin(), functions.end(),
                                [&](const auto& a, const auto& b) { return at(a) == at(b); }),
                    functions.end());
    return functions;
}

std::vector<PciLocation> LocationsOf(const std::vector<SimulatedFunction>& functions)
{
    std::vector<PciLocation> locations;
    locations.reserve(functions.size());
    for (const SimulatedFunction& function : functions)
        locations.push_back(function.Location());
    return locations;
}

} // namespace

SimulatedBus::SimulatedBus(std::vector<SimulatedFunction> functions, std::string machineName)
    : fMachineName(std::move(machineName)), fFunctions(Listed(std::move(functions))),
      fIndex(LocationsOf(fFunctions))
{
}

std::vector<ConfigWrite> SimulatedBus::WriteLog() const
{
    std::lock_guard lock(fLock);
    return fWriteLog;
}

status_t SimulatedBus::GetNthInfo(int32 index, pci_info* info)
{
    std::lock_guard lock(fLock);
    if (size_t(index) >= fIndex.Count())
        return B_BAD_INDEX;
    const FunctionIndex::Entry& entry = fIndex[index];
    *info = fFunctions[entry.source].Info(entry.address);
    return B_OK;
}

uint32 SimulatedBus::Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size)
{
    std::lock_guard lock(fLock);
    const SimulatedFunction* found = Find({bus, device, function});
    // No device answers, so the bus reads all ones, as a master abort does.
    return found != nullptr ? found->Read(offset, size) : 0xFFFFFFFF;
}

void SimulatedBus::Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
                         uint32 value)
{
    std::lock_guard lock(fLock);
    const PciAddress address{bus, device, function};
    fWriteLog.push_back({address, offset, size, value});
    if (SimulatedFunction* found = Find(address))
        found->Write(offset, size, value);
}

int32 SimulatedBus::ConfigSize(uint8 bus, uint8 device, uint8 function)
{
    std::lock_guard lock(fLock);
    const SimulatedFunction* found = Find({bus, device, function});
    return found != nullptr ? found->Size() : config::kSpaceSize;
}

std::optional<PciLocation> SimulatedBus::Location(uint8 bus, uint8 device, uint8 function)
{
    return fIndex.LocationOf({bus, device, function});
}

const char* SimulatedBus::MachineName() const { return fMachineName.c_str(); }

SimulatedFunction* SimulatedBus::Find(PciAddress address)
{
    const std::optional<size_t> n = fIndex.Find(address);
    return n ? &fFunctions[fIndex[*n].source] : nullptr;
}
