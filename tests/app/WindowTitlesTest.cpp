// What a person must know about the bus before trusting what the windows show.

#include "InstalledMachine.h"
#include "KitTestSupport.h"
#include "RecordBus.h"

#include <EditWindow.h>
#include <PciWindow.h>

#include <gtest/gtest.h>

namespace {

// The titles of the two windows the program shows on the installed bus.
std::string Titles()
{
    auto* device = new PciWindow(BRect(100, 80, 400, 360));
    auto* editor = new EditWindow(BRect(280, 150, 610, 380), 0, 0, 0);
    const std::string titles = device->Title() + std::string(" | ") + editor->Title();
    Step([&] {
        device->Quit();
        editor->Quit();
    });
    return titles;
}

} // namespace

// A dump's copy is said to be simulated first and named last, so that a title bar that cuts a
// long title in its middle (openbox, JWM) or at its end still shows both.
TEST(WindowTitles, NameASimulatedMachineAndWhatAUserWithoutRootCannotReach)
{
    // Nothing installed: the machine the simulated backend serves, under its name.
    EXPECT_EQ(Titles(), "Pci Zorvane (simulated) | Edit PCI Config (simulated)");
    const std::pair<const char*, const char*> dumps[] = {
        {"m.txt, simulated", "m.txt"},
        {"before.txt, simulated", "before"},
        {"workstation-lab3-2024-03-11.txt, simulated", "works\u2026-11"},
        {"Pr\u00fcfstand, Halle 3.dump, simulated", "Pr\u00fcfs\u2026e 3"}};
    for (const auto& [machine, shown] : dumps) {
        InstalledMachine dump({}, machine);
        EXPECT_EQ(Titles(), "Simulated \u2014 Pci Zorvane \u2014 " + std::string(shown)
                                + " | Simulated \u2014 Edit PCI Config \u2014 " + shown);
    }
    RecordBus bus({});
    EXPECT_EQ(Titles(), "Pci Zorvane | Edit PCI Config");
    bus.reach = PCI_REACH_FIRST_64_BYTES;
    EXPECT_EQ(Titles(), "Pci Zorvane | Edit PCI Config (no root: 64 bytes)");
    bus.reach = PCI_REACH_READ_ONLY;
    EXPECT_EQ(Titles(), "Pci Zorvane | Edit PCI Config (no root: no writes)");
}
