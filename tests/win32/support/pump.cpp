#include "tests/win32/support/pump.h"

bool PumpUntil(bool (*condition)(), DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    MSG msg;
    while (!condition()) {
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) return condition();
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(1);
    }
    return true;
}
