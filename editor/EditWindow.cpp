#include "EditWindow.h"

#include "ConfigLooper.h"
#include "DataTextView.h"
#include "WriteJournal.h"
#include "WritesWindow.h"

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
#include <Point.h>
#include <PopUpMenu.h>
#include <SeparatorItem.h>
#include <SpaceStringView.h>
#include <TypeConstants.h>
#include <WindowMessages.h>
#include <WindowTitle.h>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

constexpr float kRowHeight = 12;
constexpr float kColumnWidth = 18;
constexpr float kRowLabelLeft = 10;
constexpr float kWideRowLabelLeft = 4;
constexpr int32 kPageSize = ConfigLooper::kPageSize;
// How long bytes may take before the editor says it is reading: long enough that a device
// answering at its usual speed never makes the title flicker.
constexpr bigtime_t kReadingNoticeDelay = 100'000;
// A byte gone to from the context menu, in a grid that cannot take the focus; after a write,
// the byte written and the others that changed with it. Light, so the digits stay readable.
constexpr rgb_color kFoundColor = {255, 236, 140, 255};
constexpr rgb_color kWrittenColor = {190, 226, 255, 255};
constexpr rgb_color kSideEffectColor = {255, 205, 160, 255};
// The window of writes stands beside the editor, clear of its grid.
constexpr float kWritesGap = 12;
constexpr float kWritesWidth = 440;

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
    std::snprintf(text, sizeof(text), page == 0 ? "%2X:" : "%3X:", page * kPageSize + row * 16);
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

void EditWindow::Reload(uint8 bus, uint8 device, uint8 function)
{
    BMessage request(kReadPage);
    PutFunction(&request, bus, device, function);
    request.AddInt32(kPageField, fPage);
    Ask(&request);
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
        RecordWrite(message);
        ShowBytes(message);
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
    BMessage job(kWriteByte);
    PutFunction(&job, fBus, fDevice, fFunction);
    job.AddInt32(kPageField, fPage);
    job.AddInt32(kOffsetField, offset);
    job.AddInt8(kDataField, data);
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
    return FindFunction(message, &bus, &device, &function) && bus == fBus && device == fDevice
           && function == fFunction;
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

// Every request makes the readings asked for before it useless, and lets them stop; the
// grid waits for the bytes of those it awaits.
int32 EditWindow::Ask(BMessage* request, bool awaited)
{
    const int32 serial = ++fLastSerial;
    request->AddInt32(kSerialField, serial);
    *fNewestRequest = serial;
    fBusThread.SendMessage(request);
    if (!awaited)
        return serial;
    fAwaitedSerial = serial;
    const BMessage notice(kStillReading);
    fReadingNotice =
        std::make_unique<BMessageRunner>(BMessenger(this), &notice, kReadingNoticeDelay, 1);
    return serial;
}

void EditWindow::ShowBytes(const BMessage* reply)
{
    if (!Answers(reply))
        return;
    const void* data = nullptr;
    ssize_t count = 0;
    int32 page = 0;
    int32 size = 0;
    reply->FindData(kBytesField, B_RAW_TYPE, &data, &count);
    reply->FindInt32(kPageField, &page);
    reply->FindInt32(kSizeField, &size);
    reply->FindInt32(kSerialField, &fShownSerial);
    fSize = size;
    ClearMarks();
    LearnPage(reply, page, size);
    ShowHeading(reply);
    ShowPageControl(size, page);
    if (page != fShownPage)
        ShowPageOffsets(page);
    const auto* bytes = static_cast<const uint8*>(data);
    std::copy(bytes, bytes + kCells, fShownBytes.begin());
    char text[8];
    for (int offset = 0; offset < kCells; ++offset) {
        std::snprintf(text, sizeof(text), "%X", unsigned(bytes[offset]));
        fCells[offset]->ShowDeviceByte(text);
    }
    MarkChanges(reply);
    if (fShownSerial >= fAwaitedSerial) {
        fReadingNotice.reset();
        if (fSayingReading) {
            fSayingReading = false;
            LetCellsTakeTyping(true);
        }
    }
    if (fPendingGoTo >= 0 && fPendingGoTo / kPageSize == page) {
        FocusOrMark(fPendingGoTo);
        fPendingGoTo = -1;
    }
}

// A function first seen starts what is known of it afresh; one larger than a page is read
// whole once, in the background, so that every capability of it can be named.
void EditWindow::LearnPage(const BMessage* reply, int32 page, int32 size)
{
    int32 serial = 0;
    reply->FindInt32(kSerialField, &serial);
    if (fTips.Size() != size || !IsShownFunction(fTipsBus, fTipsDevice, fTipsFunction)) {
        fTipsBus = fBus;
        fTipsDevice = fDevice;
        fTipsFunction = fFunction;
        fTips.Start(size, get_pci_config_reach() == PCI_REACH_FIRST_64_BYTES ? 64 : size);
        fSpaceKnown = size <= kPageSize;
    }
    const void* data = nullptr;
    ssize_t count = 0;
    reply->FindData(kBytesField, B_RAW_TYPE, &data, &count);
    fTips.Learn(page * kPageSize, std::span(static_cast<const uint8*>(data), size_t(count)));
    // A reading of the space asked for before this page's was stopped by a newer request.
    if (!fSpaceKnown && fSpaceAsked < serial) {
        BMessage request(kReadSpace);
        PutFunction(&request, fBus, fDevice, fFunction);
        fSpaceAsked = Ask(&request, false);
    }
}

void EditWindow::LearnSpace(const BMessage* reply)
{
    const void* data = nullptr;
    ssize_t count = 0;
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    if (!FindFunction(reply, &bus, &device, &function) || !IsShownFunction(bus, device, function)
        || reply->FindData(kBytesField, B_RAW_TYPE, &data, &count) != B_OK || count != fTips.Size())
        return;
    fTips.Learn(0, std::span(static_cast<const uint8*>(data), size_t(count)));
    fSpaceKnown = true;
}

bool EditWindow::IsShownFunction(uint8 bus, uint8 device, uint8 function) const
{
    return bus == fBus && device == fDevice && function == fFunction;
}

std::string EditWindow::ExplainOffset(int32 offset)
{
    return offset >= 0 && offset < fTips.Size() ? fTips.TipFor(offset) : std::string();
}

// Every write is recorded, for whichever function and page: the grid may show another by now.
void EditWindow::RecordWrite(const BMessage* reply)
{
    JournalEntry entry;
    int32 page = 0;
    int32 domain = 0;
    int8 realBus = 0;
    int8 written = 0;
    int8 undo = 0;
    const void* before = nullptr;
    const void* after = nullptr;
    ssize_t beforeCount = 0;
    ssize_t afterCount = 0;
    if (reply->FindInt32(kOffsetField, &entry.offset) != B_OK
        || reply->FindInt8(kDataField, &written) != B_OK
        || !FindFunction(reply, &entry.bus, &entry.device, &entry.function)
        || reply->FindInt32(kPageField, &page) != B_OK
        || reply->FindData(kBeforeField, B_RAW_TYPE, &before, &beforeCount) != B_OK
        || reply->FindData(kBytesField, B_RAW_TYPE, &after, &afterCount) != B_OK
        || beforeCount != kCells || afterCount != kCells || entry.offset / kPageSize != page)
        return;
    reply->FindInt32(kDomainField, &domain);
    reply->FindInt8(kRealBusField, &realBus);
    reply->FindInt8(kUndoField, &undo);
    const auto* old = static_cast<const uint8*>(before);
    const auto* now = static_cast<const uint8*>(after);
    const int writtenAt = entry.offset % kPageSize;
    entry.when = std::time(nullptr);
    entry.location = {uint32(domain), uint8(realBus), entry.device, entry.function};
    entry.before = old[writtenAt];
    entry.written = uint8(written);
    entry.readBack = now[writtenAt];
    entry.undo = undo != 0;
    for (int n = 0; n < kCells; ++n)
        if (n != writtenAt && old[n] != now[n])
            entry.sideEffects.push_back({page * kPageSize + n, old[n], now[n]});
    WriteJournal::Instance().Add(std::move(entry));
}

// After a write, the cells whose byte it changed: the one written, and any other.
void EditWindow::MarkChanges(const BMessage* reply)
{
    int32 offset = 0;
    const void* before = nullptr;
    ssize_t count = 0;
    if (reply->FindInt32(kOffsetField, &offset) != B_OK
        || reply->FindData(kBeforeField, B_RAW_TYPE, &before, &count) != B_OK || count != kCells)
        return;
    const auto* old = static_cast<const uint8*>(before);
    for (int n = 0; n < kCells; ++n) {
        if (old[n] == fShownBytes[size_t(n)])
            continue;
        fCells[n]->SetViewColor(n == offset % kPageSize ? kWrittenColor : kSideEffectColor);
        fMarkedCells.push_back(n);
    }
}

// Put back from the window of writes: a write like any other, to the function it was made
// on, which the grid may no longer show.
void EditWindow::UndoWrite(const BMessage* message)
{
    int32 offset = 0;
    int8 data = 0;
    uint8 bus = 0;
    uint8 device = 0;
    uint8 function = 0;
    if (!FindFunction(message, &bus, &device, &function)
        || message->FindInt32(kOffsetField, &offset) != B_OK
        || message->FindInt8(kDataField, &data) != B_OK || offset < 0
        || offset >= kPages * kPageSize)
        return;
    if (fReadOnly == 1) {
        fWrites.SendMessage(kUndoRefused);
        return;
    }
    BMessage job(kWriteByte);
    PutFunction(&job, bus, device, function);
    job.AddInt32(kPageField, offset / kPageSize);
    job.AddInt32(kOffsetField, offset);
    job.AddInt8(kDataField, data);
    job.AddInt8(kUndoField, 1);
    Ask(&job, IsShownFunction(bus, device, function) && offset / kPageSize == fPage);
}

void EditWindow::ShowWrites()
{
    if (fWrites.ActivateTarget() == B_OK)
        return;
    const BRect editor = Frame();
    const BRect frame(editor.right + kWritesGap, editor.top,
                      editor.right + kWritesGap + kWritesWidth, editor.bottom);
    auto* writes = new WritesWindow(frame, BMessenger(this));
    fWrites = BMessenger(writes);
    writes->Show();
}

// The window of writes first; then every capability found, at its offset, choosing one goes
// to its first byte.
void EditWindow::OpenCapabilityMenu(const BMessage* request)
{
    BPoint where;
    if (request->FindPoint("where", &where) != B_OK)
        return;
    fCapabilityMenu = std::make_unique<BPopUpMenu>("capabilities", false, false);
    fCapabilityMenu->AddItem(new BMenuItem("Writes\xE2\x80\xA6", new BMessage(kShowWrites)));
    fCapabilityMenu->AddItem(new BSeparatorItem);
    for (const RegisterMap::Structure& capability : fTips.Capabilities()) {
        char label[96];
        std::snprintf(label, sizeof(label), "%03X  %s", unsigned(capability.offset),
                      capability.readable ? capability.name : "not readable");
        auto* choice = new BMessage(kGoToOffset);
        choice->AddInt32(kOffsetField, capability.offset);
        fCapabilityMenu->AddItem(new BMenuItem(label, choice));
    }
    if (fTips.Capabilities().empty())
        fCapabilityMenu->AddItem(new BMenuItem("No capabilities", nullptr));
    fCapabilityMenu->SetTargetForItems(BMessenger(this));
    fCapabilityMenu->Go(where);
}

void EditWindow::GoToOffset(const BMessage* choice)
{
    int32 offset = 0;
    if (choice->FindInt32(kOffsetField, &offset) != B_OK || offset < 0 || offset >= fSize)
        return;
    if (offset / kPageSize == fShownPage && fPage == fShownPage) {
        FocusOrMark(offset);
        return;
    }
    fPendingGoTo = offset;
    TurnPage(offset / kPageSize);
}

// An unlocked cell takes the focus; a locked one cannot, so it is marked.
void EditWindow::FocusOrMark(int32 offset)
{
    DataTextView* cell = fCells[offset % kPageSize];
    if (fReadOnly == 0 && !fSayingReading) {
        cell->MakeFocus(true);
        return;
    }
    cell->SetViewColor(kFoundColor);
    fMarkedCells.push_back(offset % kPageSize);
}

// Marks show what the bytes last read meant; new bytes take them away.
void EditWindow::ClearMarks()
{
    for (int cell : fMarkedCells)
        fCells[cell]->SetViewColor(B_TRANSPARENT_COLOR);
    fMarkedCells.clear();
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

// Only the bytes of the function and page asked for now, and newer than those shown, are
// shown: a reply for a function the editor no longer shows never reaches the grid.
bool EditWindow::Answers(const BMessage* reply) const
{
    int32 page = -1;
    int32 serial = 0;
    int32 size = 0;
    const void* data = nullptr;
    ssize_t count = 0;
    return IsForShownFunction(reply) && reply->FindInt32(kPageField, &page) == B_OK && page == fPage
           && reply->FindInt32(kSerialField, &serial) == B_OK && serial > fShownSerial
           && reply->FindInt32(kSizeField, &size) == B_OK && size >= kPageSize
           && reply->FindData(kBytesField, B_RAW_TYPE, &data, &count) == B_OK && count == kCells;
}

// A function outside the first PCI domain is named as lspci names it, as its bus number here
// may stand in for another.
void EditWindow::ShowHeading(const BMessage* reply)
{
    int32 domain = 0;
    int8 realBus = 0;
    reply->FindInt32(kDomainField, &domain);
    reply->FindInt8(kRealBusField, &realBus);
    char text[64];
    if (domain == 0)
        std::snprintf(text, sizeof(text), "bus %X     device %X     function %X",
                      unsigned(uint8(realBus)), unsigned(fDevice), unsigned(fFunction));
    else
        std::snprintf(text, sizeof(text), "%04x:%02x:%02x.%x", unsigned(domain),
                      unsigned(uint8(realBus)), unsigned(fDevice), unsigned(fFunction));
    fTitle->SetText(text);
}

void EditWindow::ShowPageControl(int32 size, int page)
{
    if (size <= kPageSize) {
        if (!fPageControl->IsHidden())
            fPageControl->Hide();
        return;
    }
    if (BMenuItem* item = fPageControl->Menu()->ItemAt(page); !item->IsMarked())
        item->SetMarked(true);
    if (fPageControl->IsHidden())
        fPageControl->Show();
}

// Bytes that take longer than a device at its usual speed: the person is told, the cells are
// emptied so that no byte of another function or page passes for one of these, and they take
// no typing until the bytes are there.
void EditWindow::ShowReading()
{
    if (fShownSerial >= fAwaitedSerial || fSayingReading)
        return;
    fSayingReading = true;
    DropTyping();
    LetCellsTakeTyping(false);
    char text[64];
    std::snprintf(text, sizeof(text), "reading bus %X device %X function %X...", unsigned(fBus),
                  unsigned(fDevice), unsigned(fFunction));
    fTitle->SetText(text);
    for (DataTextView* cell : fCells)
        cell->ShowDeviceByte("");
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
