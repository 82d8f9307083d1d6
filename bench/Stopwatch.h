#ifndef PCIZ_BENCH_STOPWATCH_H
#define PCIZ_BENCH_STOPWATCH_H

#include <chrono>
#include <cstdint>

// Adds up the time of many runs of one piece of work, so that a reference can be measured in
// the same iterations as the figure it stands beside.
class Stopwatch {
public:
    // Runs work and returns its time in seconds, which is also added to the total.
    template <typename Work>
    double Time(const Work& work)
    {
        const auto start = std::chrono::steady_clock::now();
        work();
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        Add(seconds);
        return seconds;
    }

    // Adds a time measured elsewhere, such as by a child process.
    void Add(double seconds)
    {
        fTotal += seconds;
        ++fRuns;
    }

    double Total() const { return fTotal; }
    double Mean() const { return fRuns > 0 ? fTotal / double(fRuns) : 0; }

private:
    double fTotal = 0;
    int64_t fRuns = 0;
};

#endif
