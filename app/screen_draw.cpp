#include "app/screen_draw.h"

#include "app/bitmaps.h"
#include "app/globals.h"
#include "app/surface.h"

namespace {

// Copies a whole bitmap to (x, y) of the target through a memory context.
void BlitWhole(HDC target, HDC memory, HBITMAP bitmap, int x, int y) {
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(target, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
}

void PaintBitmapResource(HDC target, const char* name, int x, int y) {
    HBITMAP bitmap = LoadBitmapA(hInst, name);
    if (!bitmap) return;
    HDC memory = CreateCompatibleDC(target);
    BlitWhole(target, memory, bitmap, x, y);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

// Lays an 8 x 8 tile over a rectangle whose corners lie on the 8-pixel grid:
// the same picture as copying the tile to every grid point, in one call.
void TileRect(HDC target, HBITMAP tile, int left, int top, int width, int height) {
    if (!tile) return;
    HBRUSH brush = CreatePatternBrush(tile);
    if (!brush) return;
    SetBrushOrgEx(target, 0, 0, nullptr);
    HGDIOBJ previous = SelectObject(target, brush);
    PatBlt(target, left, top, width, height, PATCOPY);
    SelectObject(target, previous);
    DeleteObject(brush);
}

}  // namespace

int DrawBitmapAt(HDC target, const char* name, int x, int y) {
    PaintBitmapResource(target, name, x, y);
    return 1;
}

int DrawOwnerButton(const DRAWITEMSTRUCT* item, const char* pressedName, const char* releasedName) {
    const char* name = (item->itemState & ODS_SELECTED) ? pressedName : releasedName;
    PaintBitmapResource(item->hDC, name, 0, 0);
    return 0;
}

void DrawTitleStrip(HDC target, int pageIndex) {
    if (!gBitmaps.titles) return;
    HDC memory = CreateCompatibleDC(target);
    HGDIOBJ previous = SelectObject(memory, gBitmaps.titles);
    BitBlt(target, kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight, memory, 0, (pageIndex + 1) * kTitleHeight,
           SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
}

void DrawIntroArtwork(HDC target, int x, int y) {
    HBITMAP picture = LoadBitmapA(hInst, "IntroScr");
    HBITMAP credit = LoadBitmapA(hInst, "CopyRight");
    HDC memory = CreateCompatibleDC(target);
    BlitWhole(target, memory, picture, x + INTRO_PICTURE_X, y + INTRO_PICTURE_Y);
    BlitWhole(target, memory, credit, x + INTRO_CREDIT_X, y + INTRO_CREDIT_Y);
    DeleteDC(memory);
    if (picture) DeleteObject(picture);
    if (credit) DeleteObject(credit);
}

void DrawIntroScreen(HDC target) {
    OffscreenSurface surface(target, kScreenWidth, kScreenHeight);
    HDC dc = surface.Context();
    TileRect(dc, gBitmaps.dotPattern, 0, 0, kScreenWidth, kScreenHeight);
    // The card's shadow: an L of 8 pixels along its right side and its bottom.
    TileRect(dc, gBitmaps.dotPatternShadow, CARD_X + CARD_SIZE, CARD_Y + CARD_SHADOW, CARD_SHADOW, CARD_SIZE);
    TileRect(dc, gBitmaps.dotPatternShadow, CARD_X + CARD_SHADOW, CARD_Y + CARD_SIZE, CARD_SIZE - CARD_SHADOW,
             CARD_SHADOW);
    DrawBitmapAt(dc, "IntroBackGrd", CARD_X, CARD_Y);
    DrawIntroArtwork(dc, CARD_X, CARD_Y);
    surface.CopyTo(target, 0, 0);
}
