#include "app/input.h"

#include "app/globals.h"

void DiscardQueuedInput(HWND window) {
    MSG msg;
    while (PeekMessageA(&msg, window, WM_KEYFIRST, WM_KEYLAST, PM_REMOVE)) {
    }
    while (PeekMessageA(&msg, window, WM_MOUSEFIRST, WM_MOUSELAST, PM_REMOVE)) {
    }
}

void RefreshCursorFromPointer(HWND window) {
    POINT p;
    GetCursorPos(&p);
    PostMessageA(hwndMain, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y));
}
