#ifndef PCIZ_PCI_DUMP_FILE_H
#define PCIZ_PCI_DUMP_FILE_H

#include "SimulatedFunction.h"

#include <string>
#include <vector>

// A machine described by a dump file in the format of `lspci -x`, `-xxx` or `-xxxx`, read
// through libpci's dump method and copied into simulated functions, so that it can be written
// to safely. The file is read once, when the object is made, and never written.
class DumpFile {
public:
    explicit DumpFile(const std::string& path);

    // Why the file gives no machine, as one sentence naming it, such as "cannot read m.txt: No
    // such file or directory"; empty when it gave one.
    const std::string& Problem() const;
    // In (bus, device, function) order; bytes the dump does not hold read as all ones.
    const std::vector<SimulatedFunction>& Functions() const;
    // What the windows' titles call the machine: "m.txt, simulated". Window managers that
    // shorten a title cut its middle, so the word that matters most comes last.
    std::string MachineName() const;

private:
    std::string fPath;
    std::string fProblem;
    std::vector<SimulatedFunction> fFunctions;
};

#endif
