// The main of the benchmarks that drive windows: headless, with the kit started as the tests
// start it.

#include "TargetReporter.h"

#include <KitTestSupport.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    kittest::StartKit();
    return RunBenchmarks(argc, argv);
}
