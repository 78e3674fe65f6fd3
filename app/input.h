// Helpers for the window's input handling.
#pragma once

#include <windows.h>

// Drops the keyboard and then the mouse messages queued for the window, so input
// given during a long action has no effect.
void DiscardQueuedInput(HWND window);

// Reads the pointer position and posts a mouse move, so the window chooses its
// cursor again for where the pointer now is.
void RefreshCursorFromPointer(HWND window);
