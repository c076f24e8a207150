// Entry point of the core test programs.
#include "support/TestEnvironment.h"

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    IsolateTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
