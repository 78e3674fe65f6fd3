#include <windows.h>

#include "app/globals.h"
#include "support/assert.h"

void ShowAssertionReport(const std::string& text) {
    MessageBeep(0);
    const int answer = MessageBoxA(hwndMain, text.c_str(), "ASSERTION FAILURE",
                                   MB_OKCANCEL | MB_ICONHAND | MB_TASKMODAL);
    // Cancel closes the program through the main window's destruction.
    if (answer != IDOK && hwndMain) DestroyWindow(hwndMain);
}
