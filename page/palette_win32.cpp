#include "page/palette.h"

#include "app/globals.h"
#include "page/colours.h"
#include "page/page_image.h"

HPALETTE hPagePalette = nullptr;

namespace {
HPALETTE gPreviousPalette = nullptr;
}

bool BuildPagePalette() {
    PaletteColour entries[256];
    BuildPaletteEntries(entries);

    struct {
        WORD version;
        WORD count;
        PALETTEENTRY entries[256];
    } logical;
    logical.version = 0x300;
    logical.count = 256;
    for (int i = 0; i < 256; ++i)
        logical.entries[i] = {entries[i].red, entries[i].green, entries[i].blue, entries[i].flags};
    hPagePalette = CreatePalette(reinterpret_cast<LOGPALETTE*>(&logical));

    HDC dc = GetDC(hwndMain);
    if (hPagePalette) {
        gPreviousPalette = SelectPalette(dc, hPagePalette, FALSE);
        RealizePalette(dc);
    }
    ReleaseDC(hwndMain, dc);

    // The bitmap colour table orders each entry blue, green, red, reserved.
    uint8_t* table = gPageImage.info + kColourTableOffset;
    for (int i = 0; i < 256; ++i) {
        table[4 * i + 0] = entries[i].blue;
        table[4 * i + 1] = entries[i].green;
        table[4 * i + 2] = entries[i].red;
    }
    return true;
}

void ReleasePagePalette(HWND window) {
    HDC dc = GetDC(window);
    if (hPagePalette) {
        SelectPalette(dc, gPreviousPalette, FALSE);
        DeleteObject(hPagePalette);
        hPagePalette = nullptr;
    }
    ReleaseDC(window, dc);
}
