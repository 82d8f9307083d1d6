// The editor's part in the journal of writes: each write recorded, the cells it changed marked,
// undo from the window of writes.

#include "EditWindow.h"

#include "ConfigLooper.h"
#include "DataTextView.h"
#include "WriteJournal.h"
#include "WritesWindow.h"

#include <FunctionFields.h>
#include <Message.h>
#include <TypeConstants.h>
#include <WindowMessages.h>

#include <ctime>

namespace {

// After a write, the byte written and the others that changed with it: light, so the digits
// stay readable.
constexpr rgb_color kWrittenColor = {190, 226, 255, 255};
constexpr rgb_color kSideEffectColor = {255, 205, 160, 255};
// The window of writes stands beside the editor, clear of its grid.
constexpr float kWritesGap = 12;
constexpr float kWritesWidth = 440;

} // namespace

// Every write is recorded, for whichever function and page: the grid may show another by now.
const JournalEntry* EditWindow::RecordWrite(const BMessage* reply)
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
        || !FindFunction(reply, &entry.address.bus, &entry.address.device, &entry.address.function)
        || reply->FindInt32(kPageField, &page) != B_OK
        || reply->FindData(kBeforeField, B_RAW_TYPE, &before, &beforeCount) != B_OK
        || reply->FindData(kBytesField, B_RAW_TYPE, &after, &afterCount) != B_OK
        || beforeCount != kCells || afterCount != kCells || entry.offset / kPageSize != page)
        return nullptr;
    reply->FindInt32(kDomainField, &domain);
    reply->FindInt8(kRealBusField, &realBus);
    reply->FindInt8(kUndoField, &undo);
    const auto* old = static_cast<const uint8*>(before);
    const auto* now = static_cast<const uint8*>(after);
    const int writtenAt = entry.offset % kPageSize;
    entry.when = std::time(nullptr);
    entry.location = {uint32(domain), uint8(realBus), entry.address.device, entry.address.function};
    entry.before = old[writtenAt];
    entry.written = uint8(written);
    entry.readBack = now[writtenAt];
    entry.undo = undo != 0;
    for (int n = 0; n < kCells; ++n)
        if (n != writtenAt && old[n] != now[n])
            entry.sideEffects.push_back({page * kPageSize + n, old[n], now[n]});
    WriteJournal::Instance().Add(std::move(entry));
    return &WriteJournal::Instance().Entries().back();
}

// After a write, the cells whose byte it changed: the one written, and any other.
void EditWindow::MarkChanges(const JournalEntry& write)
{
    if (write.readBack != write.before)
        MarkCell(write.offset, kWrittenColor);
    for (const JournalEntry::Change& change : write.sideEffects)
        MarkCell(change.offset, kSideEffectColor);
}

// Put back from the window of writes: a write like any other, to the function it was made
// on, which the grid may no longer show.
void EditWindow::UndoWrite(const BMessage* message)
{
    const std::optional<ConfigLooper::ByteWrite> write = ConfigLooper::FindWrite(message);
    if (!write || write->offset < 0 || write->offset >= kPages * kPageSize)
        return;
    if (fReadOnly == 1) {
        fWrites.SendMessage(kUndoRefused);
        return;
    }
    BMessage job = ConfigLooper::WriteJob(*write);
    job.AddInt8(kUndoField, 1);
    Ask(&job, IsShownFunction(write->bus, write->device, write->function)
                  && write->offset / kPageSize == fPage);
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
