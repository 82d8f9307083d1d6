#ifndef PCIZ_BENCH_FIRST_PAINT_RUN_H
#define PCIZ_BENCH_FIRST_PAINT_RUN_H

#include <string>

// One run of a program built with the first-paint probe, as a child process under Qt's
// offscreen platform: from just before it is spawned to its first window painted.
struct FirstPaintRun {
    double seconds = 0;
    // The child's peak resident memory, as the kernel counted it.
    double maxRssMiB = 0;
    // The title of the window painted first; empty if the child could not start, failed or
    // painted nothing in time.
    std::string title;
};

FirstPaintRun RunToFirstPaint(const std::string& program);

#endif
