// The editor's side of its bus thread: what it asks for, and the bytes that come back.

#include "EditWindow.h"

#include "ConfigLooper.h"
#include "DataTextView.h"

#include <Format.h>
#include <FunctionFields.h>
#include <LocationText.h>
#include <MenuField.h>
#include <MenuItem.h>
#include <Message.h>
#include <MessageRunner.h>
#include <PciMachine.h>
#include <PciStringView.h>
#include <PopUpMenu.h>
#include <TypeConstants.h>
#include <WindowMessages.h>

#include <algorithm>
#include <cstdio>

namespace {

// How long bytes may take before the editor says it is reading: long enough that a device
// answering at its usual speed never makes the title flicker.
constexpr bigtime_t kReadingNoticeDelay = 100'000;

} // namespace

void EditWindow::Reload(uint8 bus, uint8 device, uint8 function)
{
    BMessage request(kReadPage);
    PutFunction(&request, bus, device, function);
    request.AddInt32(kPageField, fPage);
    Ask(&request);
}

// A request the grid waits for makes the readings asked for before it useless, and lets them
// stop; one in the background, such as the whole space's, stops none.
int32 EditWindow::Ask(BMessage* request, bool awaited)
{
    const int32 serial = ++fLastSerial;
    request->AddInt32(kSerialField, serial);
    if (awaited)
        *fNewestRequest = serial;
    fBusThread.SendMessage(request);
    if (!awaited)
        return serial;
    fAwaitedSerial = serial;
    const BMessage notice(kStillReading);
    fReadingNotice =
        std::make_unique<BMessageRunner>(BMessenger(this), &notice, kReadingNoticeDelay, 1);
    if (fSayingReading)
        SayReading();
    return serial;
}

void EditWindow::ShowBytes(const BMessage* reply, const JournalEntry* write)
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
    LearnPage(std::span(static_cast<const uint8*>(data), size_t(count)), page, size);
    ShowHeading(reply);
    ShowPageControl(size, page);
    if (page != fShownPage)
        ShowPageOffsets(page);
    ShowCells(static_cast<const uint8*>(data));
    if (write != nullptr)
        MarkChanges(*write);
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
void EditWindow::LearnPage(std::span<const uint8> bytes, int32 page, int32 size)
{
    if (fTips.Size() != size || !IsShownFunction(fTipsBus, fTipsDevice, fTipsFunction)) {
        fTipsBus = fBus;
        fTipsDevice = fDevice;
        fTipsFunction = fFunction;
        fTips.Start(size, get_pci_config_reach() == PCI_REACH_FIRST_64_BYTES ? 64 : size);
        fSpaceKnown = size <= kPageSize;
    }
    fTips.Learn(page * kPageSize, bytes);
    // A reading of the space asked for before this page's was stopped by a newer request.
    if (!fSpaceKnown && fSpaceAsked < fShownSerial) {
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

// Only the cells whose byte changed are set, and the one being typed into, whose typing a
// reload drops: right after the reads, the others' views lie cold in the caches, and a reload
// that changes nothing costs next to nothing.
void EditWindow::ShowCells(const uint8* bytes)
{
    auto* typing = dynamic_cast<DataTextView*>(CurrentFocus());
    char text[8];
    for (int offset = 0; offset < kCells; ++offset) {
        if (fCellsShowBytes && bytes[offset] == fShownBytes[size_t(offset)]
            && fCells[offset] != typing)
            continue;
        std::snprintf(text, sizeof(text), "%X", unsigned(bytes[offset]));
        fCells[offset]->ShowDeviceByte(text);
    }
    std::copy(bytes, bytes + kCells, fShownBytes.begin());
    fCellsShowBytes = true;
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
    const pci_location location{uint32(domain), uint8(realBus), fDevice, fFunction};
    const std::string text =
        domain == 0 ? Format("bus %X     device %X     function %X", unsigned(location.bus),
                             unsigned(fDevice), unsigned(fFunction))
                    : LocationText(location, true);
    fTitle->SetText(text.c_str());
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
    if (fShownSerial >= fAwaitedSerial)
        return;
    if (!fSayingReading) {
        fSayingReading = true;
        DropTyping();
        LetCellsTakeTyping(false);
        for (DataTextView* cell : fCells)
            cell->ShowDeviceByte("");
        fCellsShowBytes = false;
    }
    SayReading();
}

// Names the function asked for now: while one is being read, a person may pick another.
void EditWindow::SayReading()
{
    char text[64];
    std::snprintf(text, sizeof(text), "reading bus %X device %X function %X...", unsigned(fBus),
                  unsigned(fDevice), unsigned(fFunction));
    fTitle->SetText(text);
}
