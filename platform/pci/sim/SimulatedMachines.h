#ifndef PCIZ_PCI_SIMULATED_MACHINES_H
#define PCIZ_PCI_SIMULATED_MACHINES_H

#include "SimulatedFunction.h"

#include <vector>

// The machine that DefaultPciBus() serves when a program links the simulated backend: a PC
// with a host bridge, an AGP bridge with a VGA card of an unnamed vendor behind it on bus 1, a
// multi-function ISA bridge with IDE, USB and power management, an Intel network card, a
// device of base class 0xFF, a PCI Express network card with an extended space, and an NVMe
// drive in a second PCI domain at the host bridge's address.
std::vector<SimulatedFunction> StandardMachine();

#endif
