#include "EditWindow.h"

#include "DataTextView.h"

#include <CheckBox.h>
#include <EditorOpenFlag.h>
#include <FunctionFields.h>
#include <Message.h>
#include <PCI.h>
#include <PciMachine.h>
#include <PciStringView.h>
#include <SpaceStringView.h>
#include <WindowMessages.h>
#include <WindowTitle.h>

#include <cstdio>

namespace {

constexpr float kRowHeight = 12;
constexpr float kColumnWidth = 18;

// What a person cannot do on this bus is said where they would try it, briefly enough to fit
// the title bar of a window this narrow.
const char* ReachNote()
{
    switch (get_pci_config_reach()) {
    case PCI_REACH_FIRST_64_BYTES:
        return "no root: 64 bytes";
    case PCI_REACH_READ_ONLY:
        return "no root: no writes";
    default:
        return nullptr;
    }
}

} // namespace

EditWindow::EditWindow(BRect frame, uint8 bus, uint8 device, uint8 function)
    : BWindow(frame, WindowTitle("Edit PCI Config", ReachNote()).c_str(), B_TITLED_WINDOW,
              B_NOT_RESIZABLE | B_NOT_ZOOMABLE, B_CURRENT_WORKSPACE)
{
    BFont cellFont(be_fixed_font);
    AddReadOnlyBox();
    fTitle = new PciStringView(BRect(6, 7, 200, 18), "title", "");
    AddChild(fTitle);
    cellFont.SetSize(10.0);
    for (int row = 0; row < kRows; ++row)
        AddGridRow(row, cellFont);
    fBus = bus;
    fDevice = device;
    fFunction = function;
    TargetCells();
    Reload(bus, device, function);
}

EditWindow::~EditWindow() = default;

void EditWindow::AddReadOnlyBox()
{
    auto* box =
        new BCheckBox(BRect(250, 4, 350, 20), "failsafe", "Read Only",
                      new BMessage(kReadOnlyToggle), B_FOLLOW_NONE, B_WILL_DRAW | B_NAVIGABLE);
    box->SetValue(B_CONTROL_ON);
    fReadOnly = 1;
    AddChild(box);
}

void EditWindow::AddGridRow(int row, const BFont& font)
{
    const float y = kRowHeight * row;
    char text[8];
    std::snprintf(text, sizeof(text), "%2X:", row * kColumns);
    fRowLabels[row] = new SpaceStringView(BRect(10, y + 31, 40, y + 43), "data", text);
    fRowLabels[row]->ResizeToPreferred();
    AddChild(fRowLabels[row]);
    for (int column = 0; column < kColumns; ++column) {
        const float x = kColumnWidth * column;
        const int index = kColumns * row + column;
        fCells[index] = new DataTextView(BRect(x + 35, y + 30, x + 53, y + 42), "data",
                                         BRect(0, 0, 100, 50), &font, index, this);
        fCells[index]->MakeResizable(true);
        AddChild(fCells[index]);
    }
}

void EditWindow::Reload(uint8 bus, uint8 device, uint8 function)
{
    char text[64];
    std::snprintf(text, sizeof(text), "bus %X     device %X     function %X", unsigned(bus),
                  unsigned(device), unsigned(function));
    fTitle->SetText(text);
    // One byte per read, never wider: a wide read of some registers has side effects. All
    // reads come first: where each read traps to a hypervisor, cells updated in between run on
    // cold caches and cost several times more.
    uint32 bytes[kCells];
    for (int offset = 0; offset < kCells; ++offset)
        bytes[offset] = read_pci_config(bus, device, function, offset, 1);
    for (int offset = 0; offset < kCells; ++offset) {
        std::snprintf(text, sizeof(text), "%X", bytes[offset]);
        fCells[offset]->ShowDeviceByte(text);
    }
}

void EditWindow::MessageReceived(BMessage* message)
{
    switch (message->what) {
    case kEditorAddress:
        ShowAddress(message);
        break;
    case kReadOnlyToggle:
        ToggleReadOnly();
        break;
    case kWriteRequest:
        WriteByte(message);
        break;
    default:
        break;
    }
}

void EditWindow::ShowAddress(const BMessage* message)
{
    // A message that lacks one of the three changes nothing.
    if (!FindFunction(message, &fBus, &fDevice, &fFunction))
        return;
    TargetCells();
    Reload(fBus, fDevice, fFunction);
    // The cell typed into showed another function's byte: nothing of that typing goes on.
    DropTyping();
}

void EditWindow::TargetCells()
{
    for (DataTextView* cell : fCells)
        cell->SetFunction(fBus, fDevice, fFunction);
}

// Typing not confirmed with Enter never stays: the cell shows the device's byte again.
void EditWindow::DropTyping()
{
    if (BView* focus = CurrentFocus())
        focus->MakeFocus(false);
}

void EditWindow::ToggleReadOnly()
{
    fReadOnly = fReadOnly == 1 ? 0 : 1;
    if (fReadOnly == 1)
        DropTyping();
    const bool unlocked = fReadOnly == 0;
    for (DataTextView* cell : fCells) {
        cell->MakeSelectable(unlocked);
        cell->MakeEditable(unlocked);
    }
}

void EditWindow::WriteByte(const BMessage* message)
{
    // The lock holds for every request, whoever posted it (docs/departures.md).
    if (fReadOnly == 1)
        return;
    int8 data = 0;
    int32 offset = 0;
    // Without both fields, or for an offset outside the space, nothing is written.
    if (message->FindInt8(kDataField, &data) != B_OK
        || message->FindInt32(kOffsetField, &offset) != B_OK || offset < 0 || offset >= kCells
        || !IsForShownFunction(message))
        return;
    write_pci_config(fBus, fDevice, fFunction, offset, 1, static_cast<uint8>(data));
    // Read back everything: what the device really holds is what the person sees.
    Reload(fBus, fDevice, fFunction);
}

// A byte typed for one function is never written to another: a device picked in the menu may
// have retargeted the editor between the Enter and the request (docs/departures.md).
bool EditWindow::IsForShownFunction(const BMessage* message) const
{
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    return FindFunction(message, &bus, &device, &function) && bus == fBus && device == fDevice
           && function == fFunction;
}

bool EditWindow::QuitRequested()
{
    gEditorOpen = 0;
    return true;
}
