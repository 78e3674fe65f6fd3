#include "app/bitmaps.h"

#include "app/globals.h"

namespace {

struct LoadedBitmap {
    char name[24];  // empty for a numbered resource
    WORD number;
    HBITMAP bitmap;  // null when the resource is missing: not looked for again
};

// Every bitmap resource of an edition fits: 36 swatches and some forty named.
constexpr int kMostBitmaps = 96;
LoadedBitmap gLoaded[kMostBitmaps];
int gLoadedCount = 0;

bool Names(const LoadedBitmap& loaded, const char* name) {
    if (IS_INTRESOURCE(name)) return loaded.name[0] == 0 && loaded.number == LOWORD(name);
    return lstrcmpiA(loaded.name, name) == 0;
}

}  // namespace

HBITMAP ScreenBitmap(const char* name) {
    for (int i = 0; i < gLoadedCount; ++i)
        if (Names(gLoaded[i], name)) return gLoaded[i].bitmap;
    if (gLoadedCount == kMostBitmaps) return nullptr;
    if (!IS_INTRESOURCE(name) && lstrlenA(name) >= int(sizeof gLoaded[0].name)) return nullptr;
    LoadedBitmap& loaded = gLoaded[gLoadedCount++];
    loaded = {};
    if (IS_INTRESOURCE(name))
        loaded.number = LOWORD(name);
    else
        lstrcpyA(loaded.name, name);
    loaded.bitmap = LoadBitmapA(hInst, name);
    return loaded.bitmap;
}

void DeleteScreenBitmaps() {
    for (int i = 0; i < gLoadedCount; ++i)
        if (gLoaded[i].bitmap) DeleteObject(gLoaded[i].bitmap);
    gLoadedCount = 0;
}
