#ifndef PCIZ_BENCH_SLOW_BUS_H
#define PCIZ_BENCH_SLOW_BUS_H

// A simulated machine whose every read takes as long as a device waking up or behind a link
// that is down makes it take: put in front of the machine while it lives.

#include <ForwardingBus.h>
#include <PciBusSelection.h>
#include <SimulatedBus.h>

#include <chrono>
#include <thread>

class SlowBus final : public ForwardingBus {
public:
    SlowBus(SimulatedBus& machine, std::chrono::milliseconds perRead)
        : ForwardingBus(machine), fPerRead(perRead)
    {
        InstallPciBus(this);
    }
    ~SlowBus() override { InstallPciBus(&fBehind); }

    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override
    {
        std::this_thread::sleep_for(fPerRead);
        return ForwardingBus::Read(bus, device, function, offset, size);
    }

private:
    std::chrono::milliseconds fPerRead;
};

#endif
