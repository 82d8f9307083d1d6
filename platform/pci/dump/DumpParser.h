#ifndef PCIZ_PCI_DUMP_PARSER_H
#define PCIZ_PCI_DUMP_PARSER_H

#include "SimulatedFunction.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

// Reads the functions of a dump in the format of `lspci -x`, `-xxx` or `-xxxx` (with or
// without -D, and with any -v detail, whose lines it passes over), one line at a time: a line
// "[domain:]bus:device.function ..." starts a function, lines "offset: byte byte ..." give its
// bytes, an empty line ends it. It stops at the first line it cannot take, and says which and
// why, rather than show a machine that is not the one dumped.
class DumpParser {
public:
    // The most functions that bus, device and function numbers can tell apart.
    static constexpr size_t kMostFunctions = 256 * 32 * 8;

    // False once a line could not be taken; Problem then says why.
    bool Take(std::string_view line, int lineNumber);
    // The functions read, in the order given. A function whose vendor ID reads FFFF (or is
    // missing) is left out: on a bus that means no function answers.
    std::vector<SimulatedFunction> Finish();

    // "line 40: ..." naming what is wrong; empty while every line was taken.
    const std::string& Problem() const { return fProblem; }

private:
    struct Current {
        PciLocation location;
        std::vector<uint8> bytes;
        size_t length = 0;
    };

    bool StartFunction(std::string_view line, int lineNumber);
    bool TakeBytes(std::string_view line, int lineNumber);
    void EndFunction();
    bool Refuse(int lineNumber, const std::string& what);

    std::optional<Current> fCurrent;
    std::map<PciLocation, int> fLineOf;
    std::set<std::pair<uint32, uint8>> fBuses;
    std::vector<SimulatedFunction> fFunctions;
    std::string fProblem;
};

#endif
