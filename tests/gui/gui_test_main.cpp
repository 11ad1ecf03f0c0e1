// GUI tests run the real windows under Qt's offscreen platform.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/guarded_application.h"

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    GuardedApplication app(argc, argv);  // as in the program
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
