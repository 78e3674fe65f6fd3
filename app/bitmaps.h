// The bitmaps loaded at start-up and kept for the whole run.
#pragma once

#include <windows.h>

#include "app/ids.h"

struct ScreenBitmaps {
    HBITMAP topBottomBorder;
    HBITMAP leftRightBorder;
    HBITMAP dotPattern;
    HBITMAP dotPatternShadow;
    HBITMAP buttonUp[PAGE_BUTTON_COUNT];    // indexed by command id - ID_QUIT
    HBITMAP buttonDown[PAGE_BUTTON_COUNT];
    HBITMAP titles;
};

extern ScreenBitmaps gBitmaps;

// Loads the seventeen bitmaps in table order; a missing one stays null.
void LoadScreenBitmaps(HINSTANCE instance);

// Deletes DotPattern and the twelve button bitmaps (the others live to the end).
void DeleteScreenBitmaps();
