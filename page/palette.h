// The 256-entry page palette, selected and realized wherever the page or an
// owner-drawn button is drawn.
#pragma once

#include <windows.h>

extern HPALETTE hPagePalette;

// Creates and realizes the page palette in the main window and fills the page
// image's colour table from it. Always true.
bool BuildPagePalette();

// Selects the palette that was current before back into the window's context
// and deletes the page palette.
void ReleasePagePalette(HWND window);
