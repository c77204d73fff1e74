#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/gui/Runtime.h"

// One QApplication for the whole test program, on the offscreen platform unless the
// environment asks for another (a real display, to watch the tests).
int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    testing::InitGoogleTest(&argc, argv);
    fw::RuntimeInit(argc, argv);
    const int result = RUN_ALL_TESTS();
    fw::RuntimeExit();
    return result;
}
