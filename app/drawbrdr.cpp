#include "app/bitmaps.h"
#include "app/screen_draw.h"
#include "support/assert.h"

// The frame is composed in an 800 x 600 bitmap and copied whole; the page
// drawn afterwards covers its middle.
void DrawBorder(HDC target) {
    HDC compose = CreateCompatibleDC(target);
    HDC source = CreateCompatibleDC(target);
    HBITMAP HBMSave = CreateCompatibleBitmap(target, kScreenWidth, kScreenHeight);
    HGDIOBJ oldCompose = SelectObject(compose, HBMSave);
    // Around a page smaller than the page area the frame shows black.
    PatBlt(compose, kPageLeft, kPageTop, kPageAreaWidth, kPageAreaHeight, BLACKNESS);

    HGDIOBJ oldSource = nullptr;
    if (gBitmaps.topBottomBorder) {
        oldSource = SelectObject(source, gBitmaps.topBottomBorder);
        BitBlt(compose, 0, 0, kScreenWidth, kFrameWidth, source, 0, 0, SRCCOPY);
        BitBlt(compose, 0, kScreenHeight - kFrameWidth, kScreenWidth, kFrameWidth, source, 0, kFrameWidth,
               SRCCOPY);
    }
    if (gBitmaps.leftRightBorder) {
        HGDIOBJ previous = SelectObject(source, gBitmaps.leftRightBorder);
        if (!oldSource) oldSource = previous;
        BitBlt(compose, 0, kPageTop, kFrameWidth, kPageAreaHeight, source, 0, 0, SRCCOPY);
        BitBlt(compose, kScreenWidth - kFrameWidth, kPageTop, kFrameWidth, kPageAreaHeight, source, kFrameWidth, 0,
               SRCCOPY);
    }
    BitBlt(target, 0, 0, kScreenWidth, kScreenHeight, compose, 0, 0, SRCCOPY);

    if (oldSource) SelectObject(source, oldSource);
    SelectObject(compose, oldCompose);
    DeleteDC(compose);
    DeleteDC(source);
    if (!DeleteObject(HBMSave)) ReportAssertion("DeleteObject ( HBMSave )", "Drawbrdr", 97);
}
