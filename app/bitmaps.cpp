#include "app/bitmaps.h"

ScreenBitmaps gBitmaps;

namespace {
const char* const kButtonUpNames[PAGE_BUTTON_COUNT] = {"QuitBtn", "PrintBtn", "ClearBtn",
                                                       "InfoBtn", "UpBtn",    "DownBtn"};
const char* const kButtonDownNames[PAGE_BUTTON_COUNT] = {"QuitBtnDn", "PrintBtnDn", "ClearBtnDn",
                                                         "InfoBtnDn", "UpBtnDn",    "DownBtnDn"};

void DeleteBitmap(HBITMAP& bitmap) {
    if (bitmap) DeleteObject(bitmap);
    bitmap = nullptr;
}
}  // namespace

void LoadScreenBitmaps(HINSTANCE instance) {
    gBitmaps.topBottomBorder = LoadBitmapA(instance, "TopBottomBorder");
    gBitmaps.leftRightBorder = LoadBitmapA(instance, "LeftRightBorder");
    gBitmaps.dotPattern = LoadBitmapA(instance, "DotPattern");
    gBitmaps.dotPatternShadow = LoadBitmapA(instance, "DotPatternShadow");
    for (int i = 0; i < PAGE_BUTTON_COUNT; ++i) {
        gBitmaps.buttonUp[i] = LoadBitmapA(instance, kButtonUpNames[i]);
        gBitmaps.buttonDown[i] = LoadBitmapA(instance, kButtonDownNames[i]);
    }
    gBitmaps.titles = LoadBitmapA(instance, "Titles");
}

void DeleteScreenBitmaps() {
    DeleteBitmap(gBitmaps.dotPattern);
    for (HBITMAP& bitmap : gBitmaps.buttonUp) DeleteBitmap(bitmap);
    for (HBITMAP& bitmap : gBitmaps.buttonDown) DeleteBitmap(bitmap);
}
