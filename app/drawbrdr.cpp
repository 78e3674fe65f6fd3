#include "app/bitmaps.h"
#include "app/screen_draw.h"
#include "support/scoped_gdi.h"

// The frame is drawn straight onto the target, the off-screen surface of the
// page screen; the page drawn afterwards covers its middle.
void DrawBorder(HDC target) {
    // Around a page smaller than the page area the frame shows black.
    PatBlt(target, kPageLeft, kPageTop, kPageAreaWidth, kPageAreaHeight, BLACKNESS);
    ScopedMemoryDC source(target);
    if (HBITMAP strips = ScreenBitmap("TopBottomBorder")) {
        ScopedSelectObject selected(source, strips);
        BitBlt(target, 0, 0, kScreenWidth, kFrameWidth, source, 0, 0, SRCCOPY);
        BitBlt(target, 0, kScreenHeight - kFrameWidth, kScreenWidth, kFrameWidth, source, 0, kFrameWidth, SRCCOPY);
    }
    if (HBITMAP strips = ScreenBitmap("LeftRightBorder")) {
        ScopedSelectObject selected(source, strips);
        BitBlt(target, 0, kPageTop, kFrameWidth, kPageAreaHeight, source, 0, 0, SRCCOPY);
        BitBlt(target, kScreenWidth - kFrameWidth, kPageTop, kFrameWidth, kPageAreaHeight, source, kFrameWidth, 0,
               SRCCOPY);
    }
}
