#include "PciBusSelection.h"
#include "SimulatedBus.h"
#include "SimulatedMachines.h"

// A program linked with the simulated backend sees the standard machine.
PciBus& DefaultPciBus()
{
    static SimulatedBus bus(StandardMachine());
    return bus;
}
