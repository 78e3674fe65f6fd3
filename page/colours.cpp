#include "page/colours.h"

namespace {
constexpr uint32_t Rgb(uint32_t rrggbb) {
    return ((rrggbb >> 16) & 0xFF) | (rrggbb & 0xFF00) | ((rrggbb & 0xFF) << 16);
}
}  // namespace

const uint32_t kPageColours[kColourCount] = {
    Rgb(0x000000), Rgb(0x000000), Rgb(0xFF0000), Rgb(0x0000A0), Rgb(0xFFFF00), Rgb(0x006F00),
    Rgb(0xFF7F00), Rgb(0x30006F), Rgb(0x6F2F00), Rgb(0x9F009F), Rgb(0x7F3F00), Rgb(0xFF7070),
    Rgb(0x0060FF), Rgb(0xDFFF00), Rgb(0x00DF00), Rgb(0xFF9F00), Rgb(0x9F00FF), Rgb(0xBF0000),
    Rgb(0x003F5F), Rgb(0xFFDF00), Rgb(0x005F00), Rgb(0xD0602F), Rgb(0xFF008F), Rgb(0x306FB0),
    Rgb(0xDFDF00), Rgb(0x00B000), Rgb(0xFF8F50), Rgb(0xFFFFFF), Rgb(0x8F8F8F), Rgb(0xC09F4F),
    Rgb(0xC09FFF), Rgb(0xFFCF7F), Rgb(0x9FFF7F), Rgb(0xFFFF9F), Rgb(0x00FFFF), Rgb(0xFF8FC0),
    Rgb(0xA06000), Rgb(0xEFEFEF),
};

void BuildPaletteEntries(PaletteColour entries[256]) {
    for (int i = 0; i < 256; ++i) entries[i] = PaletteColour{0, 0, 0, 0};
    for (int i = 0; i < kColourCount; ++i) {
        const uint32_t c = kPageColours[i];
        entries[i] = PaletteColour{ColourRed(c), ColourGreen(c), ColourBlue(c), 0x01};
    }
    entries[255] = PaletteColour{255, 255, 255, 0};
}
