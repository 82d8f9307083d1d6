#ifndef PCIZ_TESTS_FORWARDING_BUS_H
#define PCIZ_TESTS_FORWARDING_BUS_H

// A bus put in front of another that passes every call on: what a bus that changes one thing
// about another (holds its reads, slows them, drops its writes) derives from.

#include <PciBus.h>

class ForwardingBus : public PciBus {
public:
    explicit ForwardingBus(PciBus& behind) : fBehind(behind) {}

    status_t GetNthInfo(int32 index, pci_info* info) override
    {
        return fBehind.GetNthInfo(index, info);
    }
    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override
    {
        return fBehind.Read(bus, device, function, offset, size);
    }
    void Write(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size,
               uint32 value) override
    {
        fBehind.Write(bus, device, function, offset, size, value);
    }
    int32 ConfigSize(uint8 bus, uint8 device, uint8 function) override
    {
        return fBehind.ConfigSize(bus, device, function);
    }
    std::optional<PciLocation> Location(uint8 bus, uint8 device, uint8 function) override
    {
        return fBehind.Location(bus, device, function);
    }
    pci_config_reach Reach() override { return fBehind.Reach(); }
    const char* MachineName() const override { return fBehind.MachineName(); }

protected:
    PciBus& fBehind;
};

#endif
