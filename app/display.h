#pragma once

#include <windows.h>

// True when the display is smaller than 800 x 600 (the user has then been told).
bool CheckDisplay(HWND window);

// Switches the display to 800 x 600 at 16 bits per pixel through DirectDraw.
bool SetFullScreenMode();

// Restores the display mode in force before, and releases DirectDraw.
void RestoreScreenMode();
