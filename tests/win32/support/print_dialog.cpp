#include "tests/win32/support/print_dialog.h"

namespace {

BOOL CALLBACK CollectPrintDialog(HWND w, LPARAM found) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    // The dialog lists the printers in a combo box; a message box has none.
    if (pid == GetCurrentProcessId() && lstrcmpA(cls, "#32770") == 0 && IsWindowVisible(w) &&
        FindWindowExA(w, nullptr, "ComboBox", nullptr)) {
        *reinterpret_cast<HWND*>(found) = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

HWND WaitForOwnPrintDialog(DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    for (;;) {
        HWND found = nullptr;
        EnumWindows(CollectPrintDialog, reinterpret_cast<LPARAM>(&found));
        if (found || GetTickCount() - start >= timeoutMs) return found;
        Sleep(5);
    }
}
