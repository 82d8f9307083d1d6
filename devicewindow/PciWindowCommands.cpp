// What the device window does when a device is picked in the menu or "Edit" is pressed.

#include "PciWindow.h"

#include <EditWindow.h>
#include <EditorOpenFlag.h>
#include <FunctionFields.h>
#include <Message.h>
#include <WindowMessages.h>

void PciWindow::MessageReceived(BMessage* message)
{
    if (message->what == kEditRequest)
        OpenOrRaiseEditor();
    else if (IsDeviceSelection(message->what))
        SelectDevice(message);
    else
        BWindow::MessageReceived(message);
}

bool PciWindow::IsDeviceSelection(uint32 code) const { return code < fDevices.size(); }

void PciWindow::OpenOrRaiseEditor()
{
    if (gEditorOpen == 1 && fEditor.ActivateTarget() == B_OK)
        return;
    // A machine without functions has none to edit.
    if (fDevices.empty())
        return;
    const pci_info& selected = fDevices[fCurrentDevice];
    auto* editor =
        new EditWindow(BRect(280, 150, 610, 380), selected.bus, selected.device, selected.function);
    fEditor = BMessenger(editor);
    editor->Show();
    gEditorOpen = 1;
}

void PciWindow::SelectDevice(BMessage* message)
{
    fCurrentDevice = message->what;
    if (gEditorOpen == 1) {
        const pci_info& selected = fDevices[fCurrentDevice];
        PutFunction(message, selected.bus, selected.device, selected.function);
        message->what = kEditorAddress;
        fEditor.SendMessage(message);
    }
    ShowDevice(fCurrentDevice);
}
