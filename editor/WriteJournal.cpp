#include "WriteJournal.h"

#include <WindowMessages.h>

WriteJournal& WriteJournal::Instance()
{
    static WriteJournal journal;
    return journal;
}

void WriteJournal::Add(JournalEntry entry)
{
    fEntries.push_back(std::move(entry));
    fWatcher.SendMessage(kJournalChanged);
}
