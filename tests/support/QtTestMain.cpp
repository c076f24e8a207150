// Entry point of the widget test programs: an application on the offscreen platform.
#include "support/TestEnvironment.h"

#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    IsolateTestEnvironment();
    testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
