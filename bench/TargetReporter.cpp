#include "TargetReporter.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>
#include <utility>

TargetReporter::TargetReporter()
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

bool TargetReporter::Add(Target target)
{
    Targets().push_back(std::move(target));
    return true;
}

std::vector<Target>& TargetReporter::Targets()
{
    static std::vector<Target> targets;
    return targets;
}

void TargetReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        fFailed = fFailed || run.error_occurred;
        const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
        if (run.error_occurred || !(single || run.aggregate_name == "median"))
            continue;
        const std::string& name = run.run_name.function_name;
        fFigures[{name, ""}] = run.GetAdjustedRealTime();
        for (const auto& [counter, value] : run.counters)
            fFigures[{name, counter}] = value.value;
    }
}

void TargetReporter::PrintVerdicts(std::ostream& out) const
{
    out << "\nTargets (the median where a benchmark was repeated):\n";
    for (const Target& target : Targets()) {
        char line[256];
        const auto found = fFigures.find({target.benchmark, target.counter});
        if (found == fFigures.end()) {
            std::snprintf(line, sizeof(line), "  %-58s not measured\n", target.what.c_str());
        } else {
            std::snprintf(line, sizeof(line), "  %-58s %8.3f  (at most %g)  %s\n",
                          target.what.c_str(), found->second, target.limit,
                          found->second <= target.limit ? "met" : "MISSED");
        }
        out << line;
    }
}

int RunBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 2;
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintVerdicts(std::cout);
    benchmark::Shutdown();
    return reporter.Failed() ? 1 : 0;
}
