#ifndef PCIZ_PCI_SIMULATED_BUS_H
#define PCIZ_PCI_SIMULATED_BUS_H

#include "ConfigWrite.h"
#include "FunctionIndex.h"
#include "PciBus.h"
#include "SimulatedFunction.h"

#include <mutex>
#include <string>
#include <vector>

// A machine in memory, safe to write to. It lists its functions in (domain, bus, device,
// function) order and logs every write that reaches it.
class SimulatedBus final : public PciBus {
public:
    SimulatedBus() = default;
    // A later function at the same location replaces an earlier one. machineName is what the
    // windows' titles call the machine; tests leave it empty, so their titles are the real bus's.
    explicit SimulatedBus(std::vector<SimulatedFunction> functions, std::string machineName = {});

    std::vector<ConfigWrite> WriteLog() const;

    status_t GetNthInfo(int32 index, pci_info* info) override;
    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override;
    void Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
               uint32 value) override;
    int32 ConfigSize(uint8 bus, uint8 device, uint8 function) override;
    std::optional<PciLocation> Location(uint8 bus, uint8 device, uint8 function) override;
    const char* MachineName() const override;

private:
    SimulatedFunction* Find(PciAddress address);

    const std::string fMachineName;
    mutable std::mutex fLock;
    std::vector<SimulatedFunction> fFunctions;
    FunctionIndex fIndex;
    std::vector<ConfigWrite> fWriteLog;
};

#endif
