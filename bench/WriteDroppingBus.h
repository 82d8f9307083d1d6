#ifndef PCIZ_BENCH_WRITE_DROPPING_BUS_H
#define PCIZ_BENCH_WRITE_DROPPING_BUS_H

#include <PciBus.h>

#include <atomic>

// Enumerates and reads through another bus and drops every write, counting it: the editor's
// write path can be measured on this machine's bus without ever writing to its hardware.
class WriteDroppingBus final : public PciBus {
public:
    explicit WriteDroppingBus(PciBus& reads) : fReads(reads) {}

    status_t GetNthInfo(int32 index, pci_info* info) override
    {
        return fReads.GetNthInfo(index, info);
    }
    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override
    {
        return fReads.Read(bus, device, function, offset, size);
    }
    void Write(uint8, uint8, uint8, int32, int32, uint32) override { ++fDroppedWrites; }
    int32 ConfigSize(uint8 bus, uint8 device, uint8 function) override
    {
        return fReads.ConfigSize(bus, device, function);
    }
    std::optional<PciLocation> Location(uint8 bus, uint8 device, uint8 function) override
    {
        return fReads.Location(bus, device, function);
    }

    int32 DroppedWrites() const { return fDroppedWrites; }

private:
    PciBus& fReads;
    // Counted on the editor's bus thread, read by the benchmark's.
    std::atomic<int32> fDroppedWrites = 0;
};

#endif
