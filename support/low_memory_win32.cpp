#include <windows.h>

#include "app/globals.h"
#include "support/low_memory.h"

bool AskRetryOnLowMemory(size_t /*bytes*/) {
    return MessageBoxA(hwndMain, "There is not enough memory to play this game.", "Error",
                       MB_RETRYCANCEL) == IDRETRY;
}
