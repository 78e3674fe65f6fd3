// Runs the Win32 unit tests in-process under Wine (or Windows).
#include <windows.h>

#include <gtest/gtest.h>

#include "app/globals.h"
#include "app/startup.h"

int main(int argc, char** argv) {
    hInst = GetModuleHandleA(nullptr);
    ResetScreenState();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
