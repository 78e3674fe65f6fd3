#include "page/palette.h"

#include "page/colours.h"
#include "page/page_image.h"
#include "support/scoped_gdi.h"

HPALETTE hPagePalette = nullptr;

bool BuildPagePalette(HWND window) {
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

    {
        // Realized once in the window, so that on a palette display the system
        // palette holds the page colours before anything is drawn.
        ScopedGetDC dc(window);
        ScopedSelectPalette palette(dc, hPagePalette);
    }

    // The bitmap colour table orders each entry blue, green, red, reserved.
    uint8_t* table = gPageImage.info + kColourTableOffset;
    for (int i = 0; i < 256; ++i) {
        table[4 * i + 0] = entries[i].blue;
        table[4 * i + 1] = entries[i].green;
        table[4 * i + 2] = entries[i].red;
    }
    return true;
}

void ReleasePagePalette() {
    // Every drawing selects the palette only for its own duration, so no
    // context holds it any more.
    if (hPagePalette) DeleteObject(hPagePalette);
    hPagePalette = nullptr;
}
