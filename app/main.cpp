// pcizorvane: this machine's own PCI bus. It takes no arguments: a dump file named here would
// seem to be opened while the real bus is shown.

#include "PciApp.h"
#include "ProgramOptions.h"

#include <cstdio>

namespace {

constexpr int kBadArguments = 2;

constexpr char kHelp[] =
    "Usage: pcizorvane\n"
    "Shows this machine's PCI functions, each one's configuration header decoded, and edits\n"
    "their configuration bytes one at a time. Run as root to see all 256 bytes and to write;\n"
    "a user sees the first 64 and writes none. It takes no arguments.\n"
    "To open an lspci dump, or to practise writing safely: pcizorvane-sim FILE\n";

} // namespace

int main(int argc, char* argv[])
{
    if (argc == 2 && AsksForHelp(argv[1])) {
        std::fputs(kHelp, stdout);
        return 0;
    }
    if (argc == 2 && AsksForVersion(argv[1])) {
        PrintVersion("pcizorvane");
        return 0;
    }
    if (argc > 1) {
        std::fprintf(stderr,
                     "pcizorvane: takes no arguments, not \"%s\": to open a dump file, run "
                     "pcizorvane-sim FILE\n",
                     argv[1]);
        return kBadArguments;
    }
    PciApp app;
    app.Run();
    return 0;
}
