// The Windows tests share one application object, as the program does.

#include <windows.h>

#include <gtest/gtest.h>

#include "framework/win/application.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    pipetto::win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    return RUN_ALL_TESTS();
}
