#include "dialogs/print_layout.h"

#include <cstddef>

#include "page/colours.h"

namespace {

// Rounds toward minus infinity; a picture larger than the sheet has a negative
// offset, and half an odd overhang goes to the top or left.
int FloorDiv(int a, int b) {
    const int q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

}  // namespace

void MakeRotatedCopy(const uint8_t* page, int width, int height, uint8_t* rotated) {
    const size_t stride = size_t(DibRowBytes(height));
    for (int x = 0; x < width; ++x) {
        uint8_t* out = rotated + size_t(x) * stride;
        for (int r = 0; r < height; ++r) {
            uint8_t v = page[size_t(r) * size_t(width) + size_t(x)];
            if (v == kPaperIndex) v = kWhitePaintIndex;
            out[height - 1 - r] = v;
        }
    }
}

void MakeFramedCopy(const uint8_t* rotated, int width, int height, uint8_t* framed) {
    const size_t inStride = size_t(DibRowBytes(height));
    const size_t outStride = size_t(DibRowBytes(height + 2 * kPrintFrame));
    for (int i = 0; i < width; ++i) {
        const uint8_t* in = rotated + size_t(i) * inStride;
        uint8_t* out = framed + size_t(i + kPrintFrame) * outStride + kPrintFrame;
        for (int j = 0; j < height; ++j) out[j] = in[j];
    }
}

DefaultPlacement PlaceDefault(PrintableArea area, int width, int height) {
    DefaultPlacement p;
    p.height = 3 * (area.yPage / 4);
    p.y = (area.yPage - p.height) / 2;
    p.width = (height + 2 * kPrintFrame) * p.height / (width + 2 * kPrintFrame);
    p.x = (area.xPage - p.width) / 2;
    return p;
}

AlternateOnePlacement PlaceAlternateOne(PrintableArea area, int width, int height) {
    AlternateOnePlacement p;
    const int h = 3 * (area.yPage / 4);
    p.top = (area.yPage - h) / 2;
    p.width = (height + 6) * h / (width + 6);
    p.x = (area.xPage - p.width) / 2;
    p.halfHeight = h / 2;
    return p;
}

AlternateTwoPlacement PlaceAlternateTwo(PrintableArea area, int width, int height) {
    AlternateTwoPlacement p;
    p.scale = FloorDiv(FloorDiv(9 * area.yPage, 10), width + 6);
    if (p.scale < 3) p.scale = 3;
    if (p.scale > 20) p.scale = 20;
    p.top = FloorDiv(area.yPage - p.scale * (width + 6), 2);
    p.left = FloorDiv(area.xPage - p.scale * (height + 6), 2);
    return p;
}

PrintMethod MethodForOption(int32_t option) {
    if (option == 0) return PrintMethod::Default;
    if (option == 2) return PrintMethod::AlternateTwo;
    return PrintMethod::AlternateOne;
}
