#include "PciBusSelection.h"
#include "SimulatedBus.h"
#include "SimulatedMachines.h"

// A program linked with the simulated backend sees the standard machine, and says so.
PciBus& DefaultPciBus()
{
    static SimulatedBus bus(StandardMachine(), "simulated");
    return bus;
}
