#include "HostBus.h"
#include "PciBusSelection.h"

// A program linked with the host backend sees this machine.
PciBus& DefaultPciBus()
{
    static HostBus bus;
    return bus;
}
