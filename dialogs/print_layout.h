// The arithmetic of a printed page: the page turned a quarter turn with its
// paper made white, the framed copy of the Default method, and where each of
// the three methods puts the picture in the printer's printable area.
#pragma once

#include <cstdint>

// Bytes in a row of an 8-bit device-independent bitmap `pixels` wide: rows are
// padded to whole 32-bit words (460 and 468, the printed rows of a full page,
// need no padding).
inline int DibRowBytes(int pixels) { return (pixels + 3) / 4 * 4; }

// Turns the page (`width` x `height`, one colour index per byte, rows bottom-up)
// a quarter turn anticlockwise into `rotated`: `width` rows of `height` pixels
// (DibRowBytes(height) bytes apart), rows bottom-up. The page's top-left corner becomes the copy's bottom-left,
// its top-right corner the copy's top-left. Paper (37) becomes white (27).
void MakeRotatedCopy(const uint8_t* page, int width, int height, uint8_t* rotated);

// The border of the framed copy, in pixels on each side.
constexpr int kPrintFrame = 4;

// Copies the rotated page (`width` rows of `height` pixels) into the framed
// block of (width + 8) rows of (height + 8) pixels, inside a four-pixel border
// that is left as it is (zero bytes, the black line colour).
void MakeFramedCopy(const uint8_t* rotated, int width, int height, uint8_t* framed);

// The printer's printable area, held as 16-bit values as the printer reports it.
struct PrintableArea {
    int16_t xPage;
    int16_t yPage;
};

// Default: the framed copy stretched to three quarters of the printable height.
struct DefaultPlacement {
    int x, y, width, height;
};
DefaultPlacement PlaceDefault(PrintableArea area, int width, int height);

// Alternate 1: the two framed halves stretched one above the other.
struct AlternateOnePlacement {
    int x, top, width, halfHeight;  // the lower half starts at top + halfHeight
};
AlternateOnePlacement PlaceAlternateOne(PrintableArea area, int width, int height);

// Alternate 2: every page pixel an s x s block, s a whole number from 3 to 20.
struct AlternateTwoPlacement {
    int scale, left, top;
};
AlternateTwoPlacement PlaceAlternateTwo(PrintableArea area, int width, int height);

// The method a printing option selects: 0 Default, 2 Alternate 2, any other
// value Alternate 1.
enum class PrintMethod { Default, AlternateOne, AlternateTwo };
PrintMethod MethodForOption(int32_t option);
