#ifndef PCIZ_TESTS_PROGRAM_DRIVER_H
#define PCIZ_TESTS_PROGRAM_DRIVER_H

// The whole program on a simulated machine, driven as a person drives it.

#include "EditorViews.h"
#include "InstalledMachine.h"
#include "KitTestSupport.h"

#include <Button.h>
#include <CheckBox.h>
#include <MenuField.h>
#include <PciApp.h>
#include <StringView.h>

class ProgramDriver {
public:
    explicit ProgramDriver(const std::vector<SimulatedFunction>& functions, std::string name = {})
        : machine(functions, std::move(name))
    {
    }
    // Ends the program as a person would, so no window outlives the test.
    ~ProgramDriver()
    {
        if (!app.IsQuitting() && DeviceWindow() != nullptr)
            Close(DeviceWindow());
    }

    BWindow* DeviceWindow() const { return Window("Pci Zorvane"); }
    BWindow* Editor() const { return Window("Edit PCI Config"); }
    int EditorCount() const { return int(kittest::WindowsTitled("Edit PCI Config").size()); }
    std::string EditorTitle() const
    {
        return kittest::FindView<BStringView>(Editor(), "title")->Text();
    }
    BMenuField* DeviceMenu() const
    {
        return kittest::FindView<BMenuField>(DeviceWindow(), "devicemenu");
    }
    std::string DeviceByte(PciAddress at, int offset)
    {
        return HexText(machine.bus.Read(at.bus, at.device, at.function, offset, 1));
    }

    void PressEdit()
    {
        Step([&] { kittest::Click(kittest::FindView<BButton>(DeviceWindow(), "EditButton")); });
    }
    void ToggleReadOnly()
    {
        Step([&] { kittest::Click(kittest::FindView<BCheckBox>(Editor(), "failsafe")); });
    }
    void PickDevice(int32 index)
    {
        Step([&] { kittest::ChooseMenuItem(DeviceMenu(), index); });
    }
    static void Close(BWindow* window)
    {
        Step([&] { kittest::CloseWindow(window); });
    }
    void TypeIntoCell(int offset, const char* text)
    {
        Step([&] {
            kittest::Click(CellsOf(Editor()).at(offset));
            kittest::Type(Editor(), text);
            kittest::PressKey(Editor(), B_ENTER);
        });
    }

    InstalledMachine machine;
    PciApp app;

private:
    static BWindow* Window(const char* title)
    {
        const std::vector<BWindow*> windows = kittest::WindowsTitled(title);
        return windows.empty() ? nullptr : windows.front();
    }
};

#endif
