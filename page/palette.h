// The 256-entry page palette, selected and realized wherever the page or an
// owner-drawn button is drawn.
#pragma once

#include <windows.h>

extern HPALETTE hPagePalette;

// Creates the page palette, realizes it once in the given window and fills the
// page image's colour table from it. Always true.
bool BuildPagePalette(HWND window);

// Deletes the page palette.
void ReleasePagePalette();
