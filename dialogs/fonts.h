// The dialogs' fonts: two faces in seven sizes each, created before the main
// window exists and deleted at process exit.
#pragma once

#include <windows.h>

#include <array>

#include "support/scoped_gdi.h"

// Font height in pixels for point sizes 0 to 72 at 96 pixels per inch, negative
// so that the font mapper matches the character height.
constexpr std::array<int, 73> MakePointHeights() {
    std::array<int, 73> heights{};
    for (int p = 0; p < 73; ++p) heights[p] = -((8 * p + 3) / 6);  // -round(4p / 3)
    return heights;
}
constexpr std::array<int, 73> PointHeights = MakePointHeights();

// One GDI font of a point size, deleted with it.
class PointFont {
public:
    PointFont(int pointSize, const char* face);
    HFONT handle() const { return static_cast<HFONT>(font_.get()); }

private:
    ScopedGdiObject font_;
};

// One face in the sizes 8, 10, 11, 12, 18, 24 and 36 points (slots 0 to 6).
class FontSet {
public:
    static constexpr int kSlots = 7;
    explicit FontSet(const char* face);
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;
    // The font of a slot, or null when it could not be made.
    HFONT Font(int slot) const;

private:
    const char* face_;
    PointFont* slots_[kSlots];
};

extern FontSet RegularFonts;  // "arial"
extern FontSet BoldFonts;     // "arial bold": the face name alone makes it bold
