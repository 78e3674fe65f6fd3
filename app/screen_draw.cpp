#include "app/screen_draw.h"

#include "app/bitmaps.h"
#include "app/surface.h"
#include "support/scoped_gdi.h"

namespace {

// Copies a whole bitmap to (x, y) of the target.
void BlitWhole(HDC target, HBITMAP bitmap, int x, int y) {
    BITMAP info;
    if (!bitmap || !GetObjectA(bitmap, sizeof info, &info)) return;
    ScopedMemoryDC memory(target);
    ScopedSelectObject selected(memory, bitmap);
    BitBlt(target, x, y, info.bmWidth, info.bmHeight, memory, 0, 0, SRCCOPY);
}

// Lays an 8 x 8 tile over a rectangle whose corners lie on the 8-pixel grid:
// the same picture as copying the tile to every grid point, in one call.
void TileRect(HDC target, HBITMAP tile, int left, int top, int width, int height) {
    if (!tile) return;
    ScopedGdiObject brush(CreatePatternBrush(tile));
    if (!brush.get()) return;
    SetBrushOrgEx(target, 0, 0, nullptr);
    ScopedSelectObject selected(target, brush.get());
    PatBlt(target, left, top, width, height, PATCOPY);
}

}  // namespace

int DrawBitmapAt(HDC target, const char* name, int x, int y) {
    BlitWhole(target, ScreenBitmap(name), x, y);
    return 1;
}

int DrawOwnerButton(const DRAWITEMSTRUCT* item, const char* pressedName, const char* releasedName) {
    const char* name = (item->itemState & ODS_SELECTED) ? pressedName : releasedName;
    BlitWhole(item->hDC, ScreenBitmap(name), 0, 0);
    return 0;
}

void DrawTitleStrip(HDC target, int pageIndex) {
    HBITMAP titles = ScreenBitmap("Titles");
    if (!titles) return;
    ScopedMemoryDC memory(target);
    ScopedSelectObject selected(memory, titles);
    BitBlt(target, kTitleLeft, kTitleTop, kTitleWidth, kTitleHeight, memory, 0, (pageIndex + 1) * kTitleHeight,
           SRCCOPY);
}

void DrawIntroArtwork(HDC target, int x, int y) {
    BlitWhole(target, ScreenBitmap("IntroScr"), x + INTRO_PICTURE_X, y + INTRO_PICTURE_Y);
    BlitWhole(target, ScreenBitmap("CopyRight"), x + INTRO_CREDIT_X, y + INTRO_CREDIT_Y);
}

void DrawIntroScreen(HDC target) {
    OffscreenSurface surface(target, kScreenWidth, kScreenHeight);
    HDC dc = surface.Context();
    TileRect(dc, ScreenBitmap("DotPattern"), 0, 0, kScreenWidth, kScreenHeight);
    // The card's shadow: an L of 8 pixels along its right side and its bottom.
    HBITMAP shadow = ScreenBitmap("DotPatternShadow");
    TileRect(dc, shadow, CARD_X + CARD_SIZE, CARD_Y + CARD_SHADOW, CARD_SHADOW, CARD_SIZE);
    TileRect(dc, shadow, CARD_X + CARD_SHADOW, CARD_Y + CARD_SIZE, CARD_SIZE - CARD_SHADOW, CARD_SHADOW);
    DrawBitmapAt(dc, "IntroBackGrd", CARD_X, CARD_Y);
    DrawIntroArtwork(dc, CARD_X, CARD_Y);
    surface.CopyTo(target, 0, 0);
}
