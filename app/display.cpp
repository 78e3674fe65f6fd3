#include "app/display.h"

#include <ddraw.h>

#include "app/app_box.h"
#include "app/globals.h"
#include "app/ids.h"
#include "app/screen_draw.h"
#include "app/text.h"
#include "app/wine_renderer.h"
#include "support/log.h"
#include "support/scoped_gdi.h"

namespace {

IDirectDraw* gDirectDraw = nullptr;
// ddraw.dll is loaded when the mode is switched, not imported, so that Wine's
// renderer setting can be made before it loads (see wine_renderer.cpp).
HMODULE gDirectDrawLibrary = nullptr;

using DirectDrawCreateFunction = HRESULT(WINAPI*)(GUID*, IDirectDraw**, IUnknown*);

// DirectDrawCreate from the system's ddraw.dll, loaded by its full path; null if unavailable.
DirectDrawCreateFunction LoadDirectDraw() {
    char path[MAX_PATH];
    const UINT length = GetSystemDirectoryA(path, MAX_PATH);
    if (length == 0 || length + sizeof "\\ddraw.dll" > MAX_PATH) return nullptr;
    lstrcatA(path, "\\ddraw.dll");
    gDirectDrawLibrary = LoadLibraryA(path);
    if (!gDirectDrawLibrary) return nullptr;
    return reinterpret_cast<DirectDrawCreateFunction>(GetProcAddress(gDirectDrawLibrary, "DirectDrawCreate"));
}

void UnloadDirectDraw() {
    if (gDirectDrawLibrary) FreeLibrary(gDirectDrawLibrary);
    gDirectDrawLibrary = nullptr;
}

}  // namespace

DisplayCheck CheckDisplay(HWND window) {
    int width, height;
    {
        ScopedGetDC dc(window);
        width = GetDeviceCaps(dc, HORZRES);
        height = GetDeviceCaps(dc, VERTRES);
    }
    if (width >= kScreenWidth && height >= kScreenHeight) return DisplayCheck::Fits;
    const char* text = LoadText(IDS_DISPLAY_TOO_SMALL, 0);
    const char* caption = LoadText(IDS_DISPLAY_CAPTION, 1);
    ShowAppBox(text, caption, MB_OK);
    return DisplayCheck::TooSmall;
}

bool SetFullScreenMode() {
    PreferGdiRendererUnderWine();
    const DirectDrawCreateFunction directDrawCreate = LoadDirectDraw();
    if (!directDrawCreate || directDrawCreate(nullptr, &gDirectDraw, nullptr) != DD_OK) {
        gDirectDraw = nullptr;
        UnloadDirectDraw();
        LogMessage("DirectDrawCreateEx");
        return false;
    }
    if (gDirectDraw->SetCooperativeLevel(hwndMain, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK) {
        LogMessage("SetCooperativeLevel");
        return false;
    }
    if (gDirectDraw->SetDisplayMode(kScreenWidth, kScreenHeight, 16) != DD_OK) {
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
    UnloadDirectDraw();
}
