// The bitmap resources the screens and dialogs paint. Each is loaded once, on
// first use, and kept until DeleteScreenBitmaps at shutdown: one lifetime for
// all of them, and none loaded again on every paint.
#pragma once

#include <windows.h>

// The bitmap resource of that name, or of that number (MAKEINTRESOURCEA);
// null when the resources lack it.
HBITMAP ScreenBitmap(const char* name);

// Deletes every bitmap loaded so far.
void DeleteScreenBitmaps();
