#ifndef PCIZ_PCI_SIMULATED_BUS_H
#define PCIZ_PCI_SIMULATED_BUS_H

#include "ConfigWrite.h"
#include "PciBus.h"
#include "SimulatedFunction.h"

#include <map>
#include <mutex>
#include <string>
#include <vector>

// A machine in memory, safe to write to. It lists its functions in (bus, device, function)
// order and logs every write that reaches it.
class SimulatedBus final : public PciBus {
public:
    SimulatedBus() = default;
    // A later function at the same address replaces an earlier one. machineName is what the
    // windows' titles call the machine; tests leave it empty, so their titles are the real bus's.
    explicit SimulatedBus(const std::vector<SimulatedFunction>& functions,
                          std::string machineName = {});

    // As a hot removal: the function's reads give all ones and enumeration skips it; writes
    // to it change nothing but are still logged as attempts.
    void Remove(PciAddress address);
    std::vector<ConfigWrite> WriteLog() const;
    void ClearWriteLog();

    status_t GetNthInfo(int32 index, pci_info* info) override;
    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override;
    void Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
               uint32 value) override;
    const char* MachineName() const override;

private:
    const std::string fMachineName;
    mutable std::mutex fLock;
    std::map<PciAddress, SimulatedFunction> fFunctions;
    std::vector<ConfigWrite> fWriteLog;
};

#endif
