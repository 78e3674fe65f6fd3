#pragma once

#include <windows.h>

// Whether the display can show the 800 x 600 screen. When it is too small the
// user has been told, and the program ends.
enum class DisplayCheck { Fits, TooSmall };
DisplayCheck CheckDisplay(HWND window);

// Switches the display to 800 x 600 at 16 bits per pixel through DirectDraw.
bool SetFullScreenMode();

// Restores the display mode in force before, and releases DirectDraw.
void RestoreScreenMode();
