#include "KitTestSupport.h"

#include <gtest/gtest.h>

#include <cstdlib>

int main(int argc, char** argv)
{
    // Test discovery runs this binary without CTest's environment: stay headless regardless.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    kittest::StartKit();
    return RUN_ALL_TESTS();
}
