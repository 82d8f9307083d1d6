// Opening a dump of a large machine: from the file to the device window built, with its menu of
// every function. The dump is written once, as `lspci -xxx` writes it.

#include "Stopwatch.h"

#include <DumpFile.h>
#include <KitTestSupport.h>
#include <PciBusSelection.h>
#include <PciWindow.h>
#include <SimulatedBus.h>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>

namespace {

// count functions, one to a device slot from bus 0 on, each 256 bytes with a name line.
std::string DumpOf(int count)
{
    static std::map<int, std::string> written;
    if (const auto found = written.find(count); found != written.end())
        return found->second;
    const std::string path =
        (std::filesystem::temp_directory_path() / ("pciz-bench-" + std::to_string(count) + ".dump"))
            .string();
    std::ofstream dump(path);
    char line[80];
    for (int n = 0; n < count; ++n) {
        std::snprintf(line, sizeof(line), "%02x:%02x.%x Ethernet controller: Test [8086:10d3]\n",
                      n >> 8, (n >> 3) & 0x1F, n & 7);
        dump << line;
        for (int offset = 0; offset < 256; offset += 16) {
            dump << std::hex << (offset < 16 ? "0" : "") << offset << ":";
            for (int i = 0; i < 16; ++i) {
                const int byte = offset + i == 0 ? 0x86 : offset + i == 1 ? 0x80 : (n + i) & 0xFF;
                std::snprintf(line, sizeof(line), " %02x", byte);
                dump << line;
            }
            dump << '\n';
        }
        dump << '\n';
    }
    return written[count] = path;
}

void BM_OpenDump(benchmark::State& state)
{
    const std::string path = DumpOf(int(state.range(0)));
    for (auto _ : state) {
        Stopwatch opening;
        PciWindow* window = nullptr;
        SimulatedBus* bus = nullptr;
        state.SetIterationTime(opening.Time([&] {
            DumpFile dump(path);
            bus = new SimulatedBus(dump.TakeFunctions());
            InstallPciBus(bus);
            window = new PciWindow(BRect(100, 80, 400, 360));
        }));
        window->Quit();
        kittest::DeliverPostedMessages();
        InstallPciBus(nullptr);
        delete bus;
    }
}

} // namespace

BENCHMARK(BM_OpenDump)
    ->Arg(20000)
    ->Arg(65536)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1);
