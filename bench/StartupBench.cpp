// Start-up: from spawning the program to its device window painted with device 0 filled.
// Its reference is what any program that shows this window's text must pay: a minimal Qt
// Widgets program showing one line of text, plus the cheapest enumeration of this machine's
// functions that libpci offers. The same program with an empty window, which loads no fonts,
// is measured beside it for comparison, and so is the enumeration as the device window does
// it. The programs are spawned in the same iterations, run headless and end themselves at
// their first paint; peak memory is each child's maximum resident size.

#include "BlockReadEnumeration.h"
#include "FirstPaintRun.h"
#include "Stopwatch.h"
#include "TargetReporter.h"
#include "TimeCounter.h"

#include <HostBus.h>
#include <PCI.h>

#include <benchmark/benchmark.h>

#include <array>

namespace {

constexpr benchmark::TimeUnit kUnit = benchmark::kMillisecond;

struct MeasuredProgram {
    const char* path;
    Stopwatch startUp{};
    double rssTotalMiB = 0;
    double lastSeconds = 0;
};

// False if the program did not paint its window.
bool RunOnce(MeasuredProgram& program)
{
    const FirstPaintRun run = RunToFirstPaint(program.path);
    program.lastSeconds = run.seconds;
    program.startUp.Add(run.seconds);
    program.rssTotalMiB += run.maxRssMiB;
    return !run.title.empty();
}

// The enumeration the device window's constructor does, on a bus of its own as the
// program's first PCI call makes one.
void EnumerateAsTheProgram()
{
    HostBus bus;
    pci_info info{};
    for (int32 index = 0; bus.GetNthInfo(index, &info) == B_OK; ++index)
        benchmark::DoNotOptimize(info);
}

void BM_StartUp(benchmark::State& state)
{
    std::array<MeasuredProgram, 3> programs{
        {{PCIZ_STARTUP_PROGRAM}, {PCIZ_MINIMAL_PROGRAM}, {PCIZ_TEXT_PROGRAM}}};
    MeasuredProgram& program = programs[0];
    MeasuredProgram& minimal = programs[1];
    MeasuredProgram& text = programs[2];
    Stopwatch enumeration, programEnumeration;
    size_t round = 0;
    for (auto _ : state) {
        // Each goes first in turn, so that none profits from the others' warm caches.
        for (size_t i = 0; i < programs.size(); ++i) {
            if (!RunOnce(programs[(round + i) % programs.size()])) {
                state.SkipWithError("a program did not paint its window");
                return;
            }
        }
        ++round;
        state.SetIterationTime(program.lastSeconds);
        int listed = 0;
        enumeration.Time([&] { listed = EnumerateWithBlockReads(); });
        if (listed == 0) {
            state.SkipWithError("no PCI function visible");
            return;
        }
        programEnumeration.Time(EnumerateAsTheProgram);
    }
    const double runs = double(round);
    SetTimeCounter(state, "text", text.startUp.Mean(), kUnit);
    SetTimeCounter(state, "block_enum", enumeration.Mean(), kUnit);
    state.counters["ratio"] =
        program.startUp.Total() / (text.startUp.Total() + enumeration.Total());
    SetTimeCounter(state, "minimal", minimal.startUp.Mean(), kUnit);
    state.counters["ratio_to_minimal"] =
        program.startUp.Total() / (minimal.startUp.Total() + enumeration.Total());
    SetTimeCounter(state, "program_enum", programEnumeration.Mean(), kUnit);
    state.counters["rss_MiB"] = program.rssTotalMiB / runs;
    state.counters["text_rss_MiB"] = text.rssTotalMiB / runs;
    state.counters["rss_ratio"] = program.rssTotalMiB / text.rssTotalMiB;
    state.counters["minimal_rss_MiB"] = minimal.rssTotalMiB / runs;
}

} // namespace

BENCHMARK(BM_StartUp)->UseManualTime()->Unit(kUnit);

const bool kTargets =
    TargetReporter::Add(
        {"BM_StartUp", "ratio", 1.2, "start-up, x (Qt window with text + block-read enumeration)"})
    && TargetReporter::Add({"BM_StartUp", "rss_ratio", 1.1, "peak memory, x Qt window with text"});

int main(int argc, char** argv) { return RunBenchmarks(argc, argv); }
