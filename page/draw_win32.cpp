#include "page/draw.h"

#include "page/page_image.h"
#include "page/palette.h"
#include "support/gmem.h"
#include "support/scoped_gdi.h"

bool DrawPage(HDC dc, int left, int top) {
    if (!lpDib) return false;
    ScopedSelectPalette palette(dc, hPagePalette);
    const int width = PageWidth(gPageImage);
    const int height = PageHeight(gPageImage);
    StretchDIBits(dc, left, top, width, height, 0, 0, width, height, lpDib,
                  reinterpret_cast<const BITMAPINFO*>(gPageImage.info), DIB_RGB_COLORS, SRCCOPY);
    return true;
}

void BusyWait(unsigned milliseconds) {
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < milliseconds) {
    }
}
