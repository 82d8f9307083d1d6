#ifndef PCIZ_PCI_DUMP_FILE_H
#define PCIZ_PCI_DUMP_FILE_H

#include "SimulatedFunction.h"

#include <chrono>
#include <string>
#include <vector>

// A machine described by a dump file in the format of `lspci -x`, `-xxx` or `-xxxx`, copied
// into simulated functions so that it can be written to safely. The file is read once, when
// the object is made, in time and memory that grow with its length alone, and never written.
class DumpFile {
public:
    // More than a dump of the largest machine the program can show takes: as many functions
    // as bus, device and function numbers tell apart (65536), each with all 4096 bytes in
    // lspci's 256 lines of 16 (14 KiB with its name), come to less.
    static constexpr size_t kMostBytes = size_t(1) << 30;

    // A pipe that brings nothing for pipeWait is given up on.
    explicit DumpFile(const std::string& path,
                      std::chrono::milliseconds pipeWait = std::chrono::seconds(5));

    // Why the file gives no machine, as one sentence naming it, such as "cannot read m.txt: No
    // such file or directory" or "m.txt, line 40: "zz" is not a byte in hex"; empty when it
    // gave one.
    const std::string& Problem() const;
    // In the order the dump lists them; bytes the dump does not hold read as all ones.
    const std::vector<SimulatedFunction>& Functions() const;
    std::vector<SimulatedFunction> TakeFunctions();
    // What the machine is called, "m.txt, simulated": the file it came from and what it is. The
    // windows' titles put the two in an order of their own.
    std::string MachineName() const;

private:
    void Read(int file, std::chrono::milliseconds pipeWait);

    std::string fPath;
    std::string fProblem;
    std::vector<SimulatedFunction> fFunctions;
};

#endif
