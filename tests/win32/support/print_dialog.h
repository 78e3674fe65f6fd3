// The system's print dialog opened by code running in this process.
#pragma once

#include <windows.h>

// Waits (without handling messages: call it from another thread than the one
// that opens the dialog) until this process shows the print dialog; null when
// none came within the time.
HWND WaitForOwnPrintDialog(DWORD timeoutMs);
