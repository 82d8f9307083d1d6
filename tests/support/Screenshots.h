#ifndef PCIZ_TESTS_SCREENSHOTS_H
#define PCIZ_TESTS_SCREENSHOTS_H

// Pictures of the windows, for the docs and for comparing by eye: the tests that bring the
// windows into a state worth seeing write them under build/screenshots when PCIZ_SCREENSHOTS
// is set, and take no time for them otherwise.

#include "KitTestSupport.h"

#include <cstdlib>
#include <vector>

inline void ScreenshotIfAsked(const std::vector<BWindow*>& windows, const char* name)
{
    if (std::getenv("PCIZ_SCREENSHOTS") != nullptr)
        kittest::SaveScreenshot(windows, name);
}

#endif
