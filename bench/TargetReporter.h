#ifndef PCIZ_BENCH_TARGET_REPORTER_H
#define PCIZ_BENCH_TARGET_REPORTER_H

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

// A figure the program must keep under a limit: a counter of a benchmark, or with no counter
// its time in the unit it is shown in.
struct Target {
    std::string benchmark;
    std::string counter;
    double limit;
    std::string what;
};

// The console report, plus each target's figure (the median where there are repetitions)
// beside its limit once every benchmark has run.
class TargetReporter : public benchmark::ConsoleReporter {
public:
    // Counters in columns; colours only on a terminal, so that a saved report stays plain.
    TargetReporter();

    // For the benchmark files: a target registered before main runs.
    static bool Add(Target target);

    void ReportRuns(const std::vector<Run>& runs) override;
    void PrintVerdicts(std::ostream& out) const;
    // Whether a benchmark stopped with an error.
    bool Failed() const { return fFailed; }

private:
    static std::vector<Target>& Targets();

    // By benchmark and counter ("" for the time): the single run's figure, or the median.
    std::map<std::pair<std::string, std::string>, double> fFigures;
    bool fFailed = false;
};

// The main of every benchmark program: runs what the command line selects and prints the
// verdicts. Non-zero if a benchmark failed.
int RunBenchmarks(int argc, char** argv);

#endif
