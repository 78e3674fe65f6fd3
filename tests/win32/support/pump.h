// Running the test's own message loop while waiting for the code under test.
#pragma once

#include <windows.h>

// Handles messages until the condition holds or the time is up; a WM_QUIT ends
// the wait with the condition's value.
bool PumpUntil(bool (*condition)(), DWORD timeoutMs);
