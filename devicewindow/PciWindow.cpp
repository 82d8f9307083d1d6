#include "PciWindow.h"

#include "DeviceMenu.h"

#include <AppDefs.h>
#include <Application.h>
#include <Button.h>
#include <EditorOpenFlag.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <PciMachine.h>
#include <PciStringView.h>
#include <PopUpMenu.h>
#include <ProgramVersion.h>
#include <WindowMessages.h>
#include <WindowTitle.h>

#include <cstdio>

PciWindow::PciWindow(BRect frame)
    : BWindow(frame, WindowTitle("Pci Zorvane").c_str(), B_TITLED_WINDOW,
              B_NOT_RESIZABLE | B_NOT_ZOOMABLE, B_CURRENT_WORKSPACE)
{
    AddVersionView();
    AddEditButton();
    AddDeviceMenu();
    fBridgeLayout = 0;
    AddRows();
    if (fDevices.empty())
        SayThereAreNoFunctions();
    else
        ShowDevice(0);
    fCurrentDevice = 0;
    gEditorOpen = 0;
}

PciWindow::~PciWindow() = default;

void PciWindow::AddVersionView()
{
    fVersion = new PciStringView(BRect(270, 6, 300, 20), "version", kProgramVersion);
    fVersion->SetHighColor(25, 150, 25, 255);
    AddChild(fVersion);
}

void PciWindow::AddEditButton()
{
    AddChild(new BButton(BRect(150, 6, 200, 20), "EditButton", "Edit", new BMessage(kEditRequest),
                         B_FOLLOW_NONE, B_WILL_DRAW | B_NAVIGABLE));
}

void PciWindow::AddDeviceMenu()
{
    TakeDeviceSnapshot();
    // Until a device is picked the field names the one shown, device 0, if there is one.
    auto* menu = new DeviceMenu(fDevices, fLocations);
    auto* field = new BMenuField(BRect(7, 6, 150, 20), "devicemenu", "PCI index : ", menu,
                                 B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
    field->SetAlignment(B_ALIGN_RIGHT);
    AddChild(field);
}

void PciWindow::TakeDeviceSnapshot()
{
    pci_info info{};
    for (int32 index = 0; get_nth_pci_info(index, &info) == B_OK; ++index) {
        fDevices.push_back(info);
        pci_location location{0, info.bus, info.device, info.function};
        get_pci_location(info.bus, info.device, info.function, &location);
        fLocations.push_back(location);
        info = pci_info{};
    }
}

// No record is shown rather than a made-up one, and a person is told why the window is empty
// (docs/departures.md).
void PciWindow::SayThereAreNoFunctions()
{
    for (PciStringView* label : fRowLabels) {
        if (label != nullptr)
            label->SetText("");
    }
    std::vector<const char*> lines = {"No PCI functions are visible."};
    // Only the real bus can lack them for a reason a person can mend.
    if (*get_pci_machine_name() == '\0')
        lines.push_back("Pci Zorvane needs the kernel's sysfs: /sys/bus/pci.");
    for (size_t line = 0; line < lines.size(); ++line) {
        const float top = 40 + 12 * float(line);
        AddChild(new PciStringView(BRect(15, top, 300, top + 10), "notice", lines[line]));
    }
}

bool PciWindow::QuitRequested()
{
    // Closing this window ends the program.
    if (be_app != nullptr)
        be_app->PostMessage(B_QUIT_REQUESTED);
    return true;
}
