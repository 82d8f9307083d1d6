#ifndef PCIZ_FUZZ_FUZZ_CHECK_H
#define PCIZ_FUZZ_FUZZ_CHECK_H

#include "KitTestSupport.h"

#include <cstdio>
#include <cstdlib>

// A broken invariant ends the run the way a crash does, so libFuzzer keeps the input.
inline void Require(bool holds, const char* invariant)
{
    if (!holds) {
        std::fprintf(stderr, "invariant broken: %s\n", invariant);
        std::abort();
    }
}

// Each target runs the kit headless, started once before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    kittest::StartKit();
    return 0;
}

#endif
