// Start-up and shutdown of the program.
#pragma once

#include <windows.h>

void RegisterMainClass(HINSTANCE instance);
bool InitInstance(HINSTANCE instance, int showCommand);

// Releases what start-up took, restores the display and posts the quit message.
// Safe to call more than once: everything is released once.
LRESULT ShutdownApp(HWND window);
