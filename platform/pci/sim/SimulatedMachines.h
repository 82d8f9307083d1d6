#ifndef PCIZ_PCI_SIMULATED_MACHINES_H
#define PCIZ_PCI_SIMULATED_MACHINES_H

#include "SimulatedFunction.h"

#include <vector>

// The machine that DefaultPciBus() serves when a program links the simulated backend: a PC
// with a host bridge, an AGP bridge with a VGA card of an unnamed vendor behind it on bus 1, a
// multi-function ISA bridge with IDE, USB and power management, an Intel network card and a
// device of base class 0xFF.
std::vector<SimulatedFunction> StandardMachine();

// count featureless functions of base class 0xFF, one per device slot from bus 0 on. Device
// ID i belongs to the i-th, so their order can be checked.
std::vector<SimulatedFunction> PlainMachine(int count);

#endif
