#include "app/mainwnd.h"

#include "app/globals.h"
#include "app/ids.h"
#include "app/startup.h"
#include "page/palette.h"

namespace {

LRESULT OnMainCreate(HWND window) {
    BuildPagePalette();
    gScreen.arrowCursor = LoadCursorA(nullptr, IDC_ARROW);
    gScreen.editCursor = LoadCursorA(hInst, "EditCursor");
    gScreen.waitCursor = LoadCursorA(nullptr, IDC_WAIT);
    gScreen.currentCursor = gScreen.arrowCursor;
    gScreen.nullBrush = static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
    return 0;
}

LRESULT OnPaint(HWND window) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window, &ps);
    if (gScreen.screenPhase == PHASE_INTRO_PENDING) gScreen.screenPhase = PHASE_INTRO_SHOWN;
    RECT all = {0, 0, 800, 600};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(window, &ps);
    return 0;
}

}  // namespace

LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        hwndMain = window;
        return OnMainCreate(window);
    case WM_DESTROY:
        return ShutdownApp(hwndMain);
    case WM_PAINT:
        return OnPaint(window);
    case WM_TIMER:
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
