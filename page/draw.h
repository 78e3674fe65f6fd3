// Drawing the page, and the busy wait used by button presses.
#pragma once

#include <windows.h>

// Draws the page image with its top-left corner at (left, top) of the context,
// through the page palette. False, drawing nothing, when the pixel block does
// not exist.
bool DrawPage(HDC dc, int left, int top);

// Spins on the millisecond tick count until it has advanced by at least
// `milliseconds`, without yielding or dispatching messages.
void BusyWait(unsigned milliseconds);
