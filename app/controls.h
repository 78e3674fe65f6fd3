// The child buttons: the intro OK button, the six page buttons and the 36
// colour swatches, all owner-drawn system buttons painted from bitmaps.
#pragma once

#include <windows.h>

#include "app/ids.h"

struct ButtonDef {
    HWND window;  // null until created
    int id;
    int x, y, width, height;
};

extern ButtonDef IntroButtons[1];
extern ButtonDef PageButtons[PAGE_BUTTON_COUNT];
extern ButtonDef SwatchButtons[SWATCH_COUNT];

LRESULT CreateIntroButton(HWND parent);
void DestroyIntroButton();
LRESULT CreatePageControls(HWND parent);
void CreateSwatches(HWND parent);

// The window of a command's button, or null (not created yet).
HWND ButtonWindow(int commandId);

// Paints a button of the main window (WM_DRAWITEM).
LRESULT DrawButtonItem(const DRAWITEMSTRUCT* item);
