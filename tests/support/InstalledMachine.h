#ifndef PCIZ_TESTS_INSTALLED_MACHINE_H
#define PCIZ_TESTS_INSTALLED_MACHINE_H

// A simulated machine put in place of the default bus for one test.

#include <PciBusSelection.h>
#include <SimulatedBus.h>

class InstalledMachine {
public:
    explicit InstalledMachine(const std::vector<SimulatedFunction>& functions,
                              std::string name = {})
        : bus(functions, std::move(name))
    {
        InstallPciBus(&bus);
    }
    ~InstalledMachine() { InstallPciBus(nullptr); }

    SimulatedBus bus;
};

#endif
