#ifndef PCIZ_BENCH_WRITE_DROPPING_BUS_H
#define PCIZ_BENCH_WRITE_DROPPING_BUS_H

#include <ForwardingBus.h>

#include <atomic>

// Enumerates and reads through another bus and drops every write, counting it: the editor's
// write path can be measured on this machine's bus without ever writing to its hardware.
class WriteDroppingBus final : public ForwardingBus {
public:
    using ForwardingBus::ForwardingBus;

    void Write(uint8, uint8, uint8, int32, int32, uint32) override { ++fDroppedWrites; }

    int32 DroppedWrites() const { return fDroppedWrites; }

private:
    // Counted on the editor's bus thread, read by the benchmark's.
    std::atomic<int32> fDroppedWrites = 0;
};

#endif
