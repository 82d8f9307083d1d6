#ifndef PCIZ_EDITOR_JOURNAL_TEXT_H
#define PCIZ_EDITOR_JOURNAL_TEXT_H

#include "WriteJournal.h"

#include <span>
#include <string>

// A write as a person reads it at a glance, "14:03:12  00:1f.3  0D  40 -> 3C  read back 3C",
// with what changed with it on the lines under it. The domain is named where it is not 0.
std::string DescribeWrite(const JournalEntry& entry);

// The commands that repeat writes with pciutils' setpci, one per write in the order given,
// "setpci -s 0000:00:1f.3 0d.b=3c", under a comment line naming the machine and the time.
std::string SetpciCommands(std::span<const JournalEntry* const> writes, std::time_t now);

// The same as a shell script that stops at the first command that fails.
std::string SetpciScript(std::span<const JournalEntry* const> writes, std::time_t now);

#endif
