#ifndef PCIZ_BENCH_TIME_COUNTER_H
#define PCIZ_BENCH_TIME_COUNTER_H

#include <benchmark/benchmark.h>

#include <string>

// Puts a time beside the benchmark's own figure, in the unit the figure is shown in, so the
// two read alike: name_ms or name_us.
inline void SetTimeCounter(benchmark::State& state, const std::string& name, double seconds,
                           benchmark::TimeUnit unit)
{
    const bool milliseconds = unit == benchmark::kMillisecond;
    state.counters[name + (milliseconds ? "_ms" : "_us")] = seconds * (milliseconds ? 1e3 : 1e6);
}

#endif
