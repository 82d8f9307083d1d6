#ifndef PCIZ_BENCH_SLOW_BUS_H
#define PCIZ_BENCH_SLOW_BUS_H

// A simulated machine whose every read takes as long as a device waking up or behind a link
// that is down makes it take: put in front of the machine while it lives.

#include <PciBusSelection.h>
#include <SimulatedBus.h>

#include <chrono>
#include <thread>

class SlowBus final : public PciBus {
public:
    SlowBus(SimulatedBus& machine, std::chrono::milliseconds perRead)
        : fMachine(machine), fPerRead(perRead)
    {
        InstallPciBus(this);
    }
    ~SlowBus() override { InstallPciBus(&fMachine); }

    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override
    {
        std::this_thread::sleep_for(fPerRead);
        return fMachine.Read(bus, device, function, offset, size);
    }
    status_t GetNthInfo(int32 index, pci_info* info) override
    {
        return fMachine.GetNthInfo(index, info);
    }
    void Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
               uint32 value) override
    {
        fMachine.Write(bus, device, function, offset, size, value);
    }
    int32 ConfigSize(uint8 bus, uint8 device, uint8 function) override
    {
        return fMachine.ConfigSize(bus, device, function);
    }
    std::optional<PciLocation> Location(uint8 bus, uint8 device, uint8 function) override
    {
        return fMachine.Location(bus, device, function);
    }

private:
    SimulatedBus& fMachine;
    std::chrono::milliseconds fPerRead;
};

#endif
