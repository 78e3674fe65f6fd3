#include "dialogs/fonts.h"

#include <new>

namespace {
constexpr int kPointSizes[FontSet::kSlots] = {8, 10, 11, 12, 18, 24, 36};
}

PointFont::PointFont(int pointSize, const char* face)
    : font_(CreateFontA(PointHeights[pointSize], 0, 0, 0, FW_DONTCARE, FALSE, FALSE, FALSE, ANSI_CHARSET,
                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                          face)) {}

FontSet::FontSet(const char* face) : face_(face) {
    for (int i = 0; i < kSlots; ++i) slots_[i] = new (std::nothrow) PointFont(kPointSizes[i], face_);
}

FontSet::~FontSet() {
    for (PointFont*& font : slots_) {
        delete font;
        font = nullptr;
    }
}

HFONT FontSet::Font(int slot) const {
    return slot >= 0 && slot < kSlots && slots_[slot] ? slots_[slot]->handle() : nullptr;
}

// Defined together so that they are made in this order before the program's
// main function runs and deleted in the reverse order at exit.
FontSet RegularFonts("arial");
FontSet BoldFonts("arial bold");
