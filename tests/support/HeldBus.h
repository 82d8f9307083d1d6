#ifndef PCIZ_TESTS_HELD_BUS_H
#define PCIZ_TESTS_HELD_BUS_H

// A bus put in front of a simulated machine whose reads can be held, as a slow or dying device
// holds them: while held, each read waits until the test releases them. It counts the reads
// that reach it, held or not.

#include "ForwardingBus.h"

#include <PciBusSelection.h>
#include <SimulatedBus.h>

#include <chrono>
#include <condition_variable>
#include <mutex>

class HeldBus final : public ForwardingBus {
public:
    explicit HeldBus(SimulatedBus& machine) : ForwardingBus(machine) { InstallPciBus(this); }
    ~HeldBus() override
    {
        Release();
        InstallPciBus(&fBehind);
    }

    void Hold()
    {
        std::lock_guard lock(fLock);
        fHeld = true;
    }
    void Release()
    {
        {
            std::lock_guard lock(fLock);
            fHeld = false;
        }
        fChanged.notify_all();
    }
    // Until a read is waiting to be released; false if none came for long (a fault).
    bool WaitUntilAReadIsHeld()
    {
        std::unique_lock lock(fLock);
        return fChanged.wait_for(lock, std::chrono::seconds(30), [this] { return fWaiting > 0; });
    }
    int Reads() const
    {
        std::lock_guard lock(fLock);
        return fReads;
    }

    uint32 Read(uint8 bus, uint8 device, uint8 function, int32 offset, int32 size) override
    {
        {
            std::unique_lock lock(fLock);
            ++fReads;
            ++fWaiting;
            fChanged.notify_all();
            fChanged.wait(lock, [this] { return !fHeld; });
            --fWaiting;
        }
        return ForwardingBus::Read(bus, device, function, offset, size);
    }

private:
    mutable std::mutex fLock;
    std::condition_variable fChanged;
    bool fHeld = false;
    int fWaiting = 0;
    int fReads = 0;
};

#endif
