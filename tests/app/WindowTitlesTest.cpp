// What a person must know about the bus before trusting what the windows show.

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

TEST(WindowTitles, NameASimulatedMachineAndWhatAUserWithoutRootCannotReach)
{
    // Nothing installed: the machine the simulated backend serves, under its name.
    EXPECT_EQ(Titles(), "Pci Zorvane (simulated) | Edit PCI Config (simulated)");
    RecordBus bus({});
    EXPECT_EQ(Titles(), "Pci Zorvane | Edit PCI Config");
    bus.reach = PCI_REACH_FIRST_64_BYTES;
    EXPECT_EQ(Titles(), "Pci Zorvane | Edit PCI Config (no root: 64 bytes)");
    bus.reach = PCI_REACH_READ_ONLY;
    EXPECT_EQ(Titles(), "Pci Zorvane | Edit PCI Config (no root: no writes)");
}
