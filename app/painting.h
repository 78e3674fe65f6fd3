// What the child does to the page: fill an area, clear the page, change pages.
// Each returns 0, which the window procedure returns.
#pragma once

#include <windows.h>

LRESULT OnPageClick(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT OnClearPage(HWND window);
LRESULT OnPreviousPage(HWND window);
LRESULT OnNextPage(HWND window);

// True while a fill or a clear animates: nothing may start another action then.
bool PaintingBusy();
