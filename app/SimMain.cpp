// pcizorvane-sim: the built-in simulated machine, or a copy of the machine in a dump file.
// The arguments are settled before any window opens.

#include "PciApp.h"
#include "ProgramOptions.h"

#include <DumpFile.h>
#include <PciBusSelection.h>
#include <SimulatedBus.h>

#include <cstdio>
#include <string>

namespace {

constexpr int kBadArguments = 2;

constexpr char kHelp[] =
    "Usage: pcizorvane-sim [FILE]\n"
    "Shows a simulated PCI machine that is safe to write to: the built-in one, or a copy of\n"
    "the machine that FILE describes. FILE is a dump made with `lspci -x`, `-xxx` or `-xxxx`\n"
    "(run as root for all 256 bytes of each function); bytes it does not hold read as FF.\n"
    "Writes change only the copy in memory, never FILE.\n";

int RunProgram()
{
    PciApp app;
    app.Run();
    return 0;
}

int Refuse(const std::string& problem)
{
    std::fprintf(stderr, "pcizorvane-sim: %s\n", problem.c_str());
    return kBadArguments;
}

int RunOnDump(const char* path)
{
    DumpFile dump(path);
    if (!dump.Problem().empty())
        return Refuse(dump.Problem());
    SimulatedBus bus(dump.TakeFunctions(), dump.MachineName());
    InstallPciBus(&bus);
    const int status = RunProgram();
    InstallPciBus(nullptr);
    return status;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc > 2)
        return Refuse(std::string(argv[2]) + " is one argument too many: give one dump file");
    if (argc == 1)
        return RunProgram();
    if (AsksForHelp(argv[1])) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (AsksForVersion(argv[1])) {
        PrintVersion("pcizorvane-sim");
        return 0;
    }
    return RunOnDump(argv[1]);
}
