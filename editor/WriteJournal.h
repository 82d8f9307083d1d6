#ifndef PCIZ_EDITOR_WRITE_JOURNAL_H
#define PCIZ_EDITOR_WRITE_JOURNAL_H

#include <Messenger.h>
#include <PciAddress.h>
#include <PciMachine.h>

#include <ctime>
#include <vector>

// One write the program made, and what it did.
struct JournalEntry {
    std::time_t when = 0;
    // Where the function really sits, and the address the calls name it by.
    pci_location location{};
    PciAddress address;
    int32 offset = 0;
    // The byte shown before, the byte written, and the byte read back right after.
    uint8 before = 0;
    uint8 written = 0;
    uint8 readBack = 0;
    // The other bytes of the page that the read after the write found changed.
    struct Change {
        int32 offset;
        uint8 before;
        uint8 after;
    };
    std::vector<Change> sideEffects;
    // The write put back the byte an earlier one replaced.
    bool undo = false;
};

// Every write the program made in this run, in the order made. It lives in memory only: nothing
// of it reaches a disk unless a person saves it. Only the thread that serves the windows uses it.
class WriteJournal {
public:
    static WriteJournal& Instance();

    // Tells the watcher, if one is set, with kJournalChanged.
    void Add(JournalEntry entry);
    const std::vector<JournalEntry>& Entries() const { return fEntries; }
    void Watch(BMessenger watcher) { fWatcher = watcher; }

private:
    std::vector<JournalEntry> fEntries;
    BMessenger fWatcher;
};

#endif
