// The page colours: index 0 is the outline, 1..36 the paint colours of the 36
// swatches, 37 the paper. The same in every edition.
#pragma once

#include <cstdint>

constexpr int kColourCount = 38;
constexpr uint8_t kLineIndex = 0;
constexpr uint8_t kPaperIndex = 37;
constexpr uint8_t kWhitePaintIndex = 27;

// 0x00BBGGRR: red in the low byte, then green, then blue.
extern const uint32_t kPageColours[kColourCount];

inline uint8_t ColourRed(uint32_t c) { return uint8_t(c); }
inline uint8_t ColourGreen(uint32_t c) { return uint8_t(c >> 8); }
inline uint8_t ColourBlue(uint32_t c) { return uint8_t(c >> 16); }

// One entry of the 256-entry page palette.
struct PaletteColour {
    uint8_t red, green, blue, flags;
};

// Entries 0..37 the colour table (flags 0x01, reserved for animation),
// 38..254 black, 255 white.
void BuildPaletteEntries(PaletteColour entries[256]);
