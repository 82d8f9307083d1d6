#include "KitTestSupport.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    kittest::StartKit();
    return RUN_ALL_TESTS();
}
