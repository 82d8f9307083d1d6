// What explaining a byte costs: a function's register map built from its 4096 bytes and one
// tooltip worked out from it, as the editor does when a person rests the pointer on a cell.
// The PCI ID database is read at the first name asked for; that is measured on its own.

#include "Stopwatch.h"
#include "TargetReporter.h"

#include <PciNames.h>
#include <RegisterTips.h>
#include <SimulatedMachines.h>

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// The bytes of the simulated PCI Express network card, with its extended space.
std::vector<uint8> ExpressCardBytes()
{
    for (const SimulatedFunction& function : StandardMachine()) {
        if (function.Size() > 256) {
            std::vector<uint8> bytes(size_t(function.Size()));
            for (int32 offset = 0; offset < function.Size(); ++offset)
                bytes[size_t(offset)] = uint8(function.Read(offset, 1));
            return bytes;
        }
    }
    return {};
}

// Once per program: nothing in the benchmarks before it asks for a name.
void BM_FirstNameLookedUp(benchmark::State& state)
{
    for (auto _ : state)
        state.SetIterationTime(
            Stopwatch().Time([] { benchmark::DoNotOptimize(PciVendorName(0x8086)); }));
}

// Each round builds the map anew, as new bytes do, and explains a register with named bits and
// an ID with its name.
void BM_MapAndToolTip(benchmark::State& state)
{
    const std::vector<uint8> bytes = ExpressCardBytes();
    PciVendorName(0x8086);
    RegisterTips tips;
    for (auto _ : state) {
        state.SetIterationTime(Stopwatch().Time([&] {
            tips.Start(int32(bytes.size()), int32(bytes.size()));
            tips.Learn(0, bytes);
            benchmark::DoNotOptimize(tips.TipFor(0xF2));
            benchmark::DoNotOptimize(tips.TipFor(0x00));
        }));
    }
}

} // namespace

// The database is read once per program: a repetition after the first would time a lookup alone.
BENCHMARK(BM_FirstNameLookedUp)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(1);
BENCHMARK(BM_MapAndToolTip)->UseManualTime()->Unit(benchmark::kMicrosecond);

const bool kTargets = TargetReporter::Add(
    {"BM_MapAndToolTip", "", 1000, "register map and two tooltips of a 4096-byte function, us"});
