#include "JournalText.h"

#include <Format.h>
#include <LocationText.h>
#include <PciMachine.h>

#include <ctime>

#include <unistd.h>

namespace {

std::string Clock(std::time_t when, const char* format)
{
    std::tm local{};
    localtime_r(&when, &local);
    char text[32];
    std::strftime(text, sizeof(text), format, &local);
    return text;
}

// Offsets as the grid's row labels give them: two digits in the standard space, three past it.
std::string Offset(int32 offset, bool upper)
{
    return Format(upper ? "%02X" : "%02x", unsigned(offset));
}

// The machine the writes went to: this one by its host name, or the simulated one.
std::string MachineName()
{
    char host[256] = "";
    gethostname(host, sizeof(host) - 1);
    const char* simulated = get_pci_machine_name();
    return *simulated != '\0' ? std::string(host) + " (" + simulated + ")" : std::string(host);
}

} // namespace

std::string DescribeWrite(const JournalEntry& entry)
{
    std::string text = Clock(entry.when, "%H:%M:%S") + "  "
                       + LocationText(entry.location, entry.location.domain != 0) + "  "
                       + Offset(entry.offset, true)
                       + Format("  %02X -> %02X  read back %02X", unsigned(entry.before),
                                unsigned(entry.written), unsigned(entry.readBack))
                       + (entry.undo ? "  (undo)" : "");
    for (const JournalEntry::Change& change : entry.sideEffects)
        text += "\n          also " + Offset(change.offset, true)
                + Format(": %02X -> %02X", unsigned(change.before), unsigned(change.after));
    return text;
}

std::string SetpciCommands(std::span<const JournalEntry* const> writes, std::time_t now)
{
    std::string text = "# " + std::to_string(writes.size()) + " write"
                       + (writes.size() == 1 ? "" : "s") + " made with Pci Zorvane on "
                       + MachineName() + ", " + Clock(now, "%Y-%m-%d %H:%M:%S") + "\n";
    for (const JournalEntry* entry : writes)
        text += "setpci -s " + LocationText(entry->location, true) + " "
                + Offset(entry->offset, false) + Format(".b=%02x\n", unsigned(entry->written));
    return text;
}

std::string SetpciScript(std::span<const JournalEntry* const> writes, std::time_t now)
{
    return "#!/bin/sh\nset -e\n" + SetpciCommands(writes, now);
}
