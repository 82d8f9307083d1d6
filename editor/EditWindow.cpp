#include "EditWindow.h"

#include "ConfigLooper.h"
#include "DataTextView.h"

#include <AppDefs.h>
#include <CheckBox.h>
#include <EditorOpenFlag.h>
#include <FunctionFields.h>
#include <InterfaceDefs.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <MessageRunner.h>
#include <PciMachine.h>
#include <PciStringView.h>
#include <PopUpMenu.h>
#include <SpaceStringView.h>
#include <TypeConstants.h>
#include <WindowMessages.h>
#include <WindowTitle.h>

#include <cstdio>

namespace {

constexpr float kRowHeight = 12;
constexpr float kColumnWidth = 18;
constexpr float kRowLabelLeft = 10;
constexpr float kWideRowLabelLeft = 4;

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

// " 0:" ... "F0:" on the first page, as for a function of 256 bytes; "100:" ... "FF0:" past it.
void RowLabelText(char (&text)[8], int page, int row)
{
    std::snprintf(text, sizeof(text), "%2X:", page * ConfigLooper::kPageSize + row * 16);
}

} // namespace

EditWindow::EditWindow(BRect frame, uint8 bus, uint8 device, uint8 function)
    : BWindow(frame, WindowTitle("Edit PCI Config", ReachNote()).c_str(), B_TITLED_WINDOW,
              B_NOT_RESIZABLE | B_NOT_ZOOMABLE, B_CURRENT_WORKSPACE),
      fNewestRequest(std::make_shared<std::atomic<int32>>(0))
{
    BFont cellFont(be_fixed_font);
    AddReadOnlyBox();
    fTitle = new PciStringView(BRect(6, 7, 200, 18), "title", "");
    AddChild(fTitle);
    AddPageControl();
    cellFont.SetSize(10.0);
    for (int row = 0; row < kRows; ++row)
        AddGridRow(row, cellFont);
    fBus = bus;
    fDevice = device;
    fFunction = function;
    TargetCells();
    fBusWork = new ConfigLooper(BMessenger(this), fNewestRequest);
    fBusThread = BMessenger(fBusWork);
    fBusWork->Run();
    AddShortcut('J', 0, new BMessage(kShowWrites));
    Reload(bus, device, function);
}

EditWindow::~EditWindow() { StopBusWork(); }

void EditWindow::AddReadOnlyBox()
{
    auto* box =
        new BCheckBox(BRect(250, 4, 350, 20), "failsafe", "Read Only",
                      new BMessage(kReadOnlyToggle), B_FOLLOW_NONE, B_WILL_DRAW | B_NAVIGABLE);
    box->SetValue(B_CONTROL_ON);
    fReadOnly = 1;
    AddChild(box);
}

// Shown only for a function with more than 256 bytes: for any other the editor stays as it is.
void EditWindow::AddPageControl()
{
    auto* pages = new BPopUpMenu("000");
    for (int page = 0; page < kPages; ++page) {
        char label[8];
        std::snprintf(label, sizeof(label), "%03X", page * kPageSize);
        auto* choice = new BMessage(kPageChosen);
        choice->AddInt32(kPageField, page);
        pages->AddItem(new BMenuItem(label, choice));
    }
    fPageControl = new BMenuField(BRect(200, 4, 246, 20), "page", "", pages,
                                  B_FOLLOW_LEFT | B_FOLLOW_TOP, B_WILL_DRAW | B_NAVIGABLE);
    fPageControl->Hide();
    AddChild(fPageControl);
}

void EditWindow::AddGridRow(int row, const BFont& font)
{
    const float y = kRowHeight * row;
    char text[8];
    RowLabelText(text, 0, row);
    fRowLabels[row] = new SpaceStringView(BRect(kRowLabelLeft, y + 31, 40, y + 43), "data", text);
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
    case kPageBytes:
        ShowBytes(message, RecordWrite(message));
        break;
    case kUndoWrite:
        UndoWrite(message);
        break;
    case kShowWrites:
        ShowWrites();
        break;
    case kSpaceBytes:
        LearnSpace(message);
        break;
    case kStillReading:
        ShowReading();
        break;
    case B_CONTEXT_MENU_REQUESTED:
        OpenCapabilityMenu(message);
        break;
    case kGoToOffset:
        GoToOffset(message);
        break;
    case kPageChosen: {
        int32 page = 0;
        if (message->FindInt32(kPageField, &page) == B_OK)
            TurnPage(page);
        break;
    }
    case B_KEY_DOWN:
        TakeKey(message);
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
    // Another function starts on its first page.
    fPage = 0;
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
    for (DataTextView* cell : fCells)
        cell->MakeSelectable(fReadOnly == 0);
    LetCellsTakeTyping(!fSayingReading);
}

void EditWindow::LetCellsTakeTyping(bool take)
{
    for (DataTextView* cell : fCells)
        cell->MakeEditable(take && fReadOnly == 0);
}

void EditWindow::WriteByte(const BMessage* message)
{
    // The lock holds for every request, whoever posted it (docs/departures.md).
    if (fReadOnly == 1)
        return;
    int8 data = 0;
    int32 offset = 0;
    // Without both fields, or for an offset outside the page shown, nothing is written.
    if (message->FindInt8(kDataField, &data) != B_OK
        || message->FindInt32(kOffsetField, &offset) != B_OK || offset < 0 || offset >= fSize
        || offset / kPageSize != fPage || !IsForShownFunction(message))
        return;
    BMessage job = ConfigLooper::WriteJob({fBus, fDevice, fFunction, offset, data});
    job.AddData(kBeforeField, B_RAW_TYPE, fShownBytes.data(), ssize_t(fShownBytes.size()));
    Ask(&job);
}

// A byte typed for one function is never written to another: a device picked in the menu may
// have retargeted the editor between the Enter and the request (docs/departures.md).
bool EditWindow::IsForShownFunction(const BMessage* message) const
{
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    return FindFunction(message, &bus, &device, &function)
           && IsShownFunction(bus, device, function);
}

void EditWindow::TurnPage(int page)
{
    if (page < 0 || page >= fSize / kPageSize || page == fPage)
        return;
    fPage = page;
    DropTyping();
    fPageControl->Menu()->ItemAt(page)->SetMarked(true);
    Reload(fBus, fDevice, fFunction);
}

void EditWindow::TakeKey(const BMessage* message)
{
    const void* bytes = nullptr;
    ssize_t count = 0;
    if (message->FindData("bytes", B_RAW_TYPE, &bytes, &count) != B_OK || count != 1)
        return;
    const uchar key = *static_cast<const uchar*>(bytes);
    if (key == B_PAGE_DOWN)
        TurnPage(fPage + 1);
    else if (key == B_PAGE_UP)
        TurnPage(fPage - 1);
}

// The row labels, and the offsets the cells write to, of the page whose bytes they show now.
void EditWindow::ShowPageOffsets(int page)
{
    fShownPage = page;
    char text[8];
    for (int row = 0; row < kRows; ++row) {
        RowLabelText(text, page, row);
        fRowLabels[row]->SetText(text);
        fRowLabels[row]->ResizeToPreferred();
        // A label of three digits starts further left, to keep its gap to the first cell.
        fRowLabels[row]->MoveTo(page == 0 ? kRowLabelLeft : kWideRowLabelLeft,
                                fRowLabels[row]->Frame().top);
    }
    for (int offset = 0; offset < kCells; ++offset)
        fCells[offset]->SetOffset(page * kPageSize + offset);
}

void EditWindow::Quit()
{
    StopBusWork();
    // The window of writes undoes through this editor, so it goes with it.
    fWrites.SendMessage(B_QUIT_REQUESTED);
    BWindow::Quit();
}

// The reading in hand stops between two reads, and nothing more is read or written for a
// window that has closed; the thread ends on its own, without this window waiting for it.
void EditWindow::StopBusWork()
{
    if (fBusWork == nullptr)
        return;
    fBusWork->Quit();
    fBusWork = nullptr;
}

bool EditWindow::QuitRequested()
{
    gEditorOpen = 0;
    return true;
}
