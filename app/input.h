// Helpers for the window's input handling.
#pragma once

#include <windows.h>

// Drops the keyboard and then the mouse messages queued for the window, so input
// given during a long action has no effect.
void DiscardQueuedInput(HWND window);

// Drops the keyboard and mouse messages queued for the window whose message
// time is `since` (a tick count) or later, so input given while the screen was
// being composed has no effect; input given before is handed on (through
// MSG_HAND_ON_INPUT to the main window, then HandOnHeldInput) as if it had
// never left the queue.
void DiscardInputGivenSince(HWND window, DWORD since);
void HandOnHeldInput();

// Reads the pointer position and posts the window a mouse move there, so it
// chooses its cursor again for where the pointer now is.
void RefreshCursorFromPointer(HWND window);
