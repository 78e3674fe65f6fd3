#include "app/display.h"

#include <ddraw.h>

#include "app/globals.h"
#include "app/ids.h"
#include "app/text.h"
#include "support/log.h"

namespace {
IDirectDraw* gDirectDraw = nullptr;
}

bool CheckDisplay(HWND window) {
    HDC dc = GetDC(window);
    const int width = GetDeviceCaps(dc, HORZRES);
    const int height = GetDeviceCaps(dc, VERTRES);
    ReleaseDC(window, dc);
    if (width >= 800 && height >= 600) return false;
    const char* text = LoadText(IDS_DISPLAY_TOO_SMALL, 0);
    const char* caption = LoadText(IDS_DISPLAY_CAPTION, 1);
    MessageBoxA(window, text, caption, MB_OK);
    return true;
}

bool SetFullScreenMode() {
    if (DirectDrawCreate(nullptr, &gDirectDraw, nullptr) != DD_OK) {
        gDirectDraw = nullptr;
        LogMessage("DirectDrawCreateEx");
        return false;
    }
    if (gDirectDraw->SetCooperativeLevel(hwndMain, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK) {
        LogMessage("SetCooperativeLevel");
        return false;
    }
    if (gDirectDraw->SetDisplayMode(800, 600, 16) != DD_OK) {
        LogMessage("SetDisplayMode");
        return false;
    }
    return true;
}

void RestoreScreenMode() {
    if (!gDirectDraw) return;
    gDirectDraw->RestoreDisplayMode();
    gDirectDraw->Release();
    gDirectDraw = nullptr;
}
