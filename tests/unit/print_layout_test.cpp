// The printed page's arithmetic: the quarter turn with white paper, the framed
// copy, and the placement of each printing method on a few printable areas.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <vector>

#include "dialogs/print_layout.h"
#include "page/page_image.h"
#include "support/gmem.h"

namespace {

constexpr int W = kPageWidth, H = kPageHeight;

// A page of pseudo-random colour indices (paper, white and the line colour among them).
std::vector<uint8_t> RandomPage(int width, int height, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<uint8_t> page(size_t(width) * size_t(height));
    for (auto& v : page) v = uint8_t(random() % 4 == 0 ? 37 : random() % 256);
    return page;
}

// Seen upright, the turned picture is `height` wide and `width` high; its pixel
// (u, v) from its top-left shows page pixel (width - 1 - v, u).
uint8_t ExpectedTurned(const std::vector<uint8_t>& page, int width, int height, int u, int v) {
    const uint8_t source = page[PixelOffset(width - 1 - v, u, width, height)];
    return source == 37 ? 27 : source;
}

}  // namespace

TEST(PrintRotation, TurnsAnticlockwiseWithPaperWhiteAndEveryOtherColourKept) {
    auto page = RandomPage(W, H, 7);
    page[PixelOffset(0, 0, W, H)] = 201;      // top-left
    page[PixelOffset(W - 1, 0, W, H)] = 202;  // top-right
    page[PixelOffset(0, H - 1, W, H)] = 203;  // bottom-left
    std::vector<uint8_t> rotated(kDibBytes, 0xAA);
    MakeRotatedCopy(page.data(), W, H, rotated.data());

    // Rows are stored bottom-up, H bytes each: row 0 is the bottom of the picture.
    EXPECT_EQ(rotated[0], 201) << "the page's top-left at the picture's bottom-left";
    EXPECT_EQ(rotated[size_t(W - 1) * H], 202) << "the page's top-right at the picture's top-left";
    EXPECT_EQ(rotated[H - 1], 203) << "the page's bottom-left at the picture's bottom-right";
    int wrong = 0;
    for (int v = 0; v < W; ++v)
        for (int u = 0; u < H; ++u)
            wrong += rotated[PixelOffset(u, v, H, W)] != ExpectedTurned(page, W, H, u, v);
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(std::count(page.begin(), page.end(), 37) > 0, true) << "the page had paper to turn white";
}

TEST(PrintRotation, ASmallerPageWhoseHeightIsNoWholeWordKeepsItsRowsAligned) {
    // A page 100 wide and 45 high: each turned row is padded to 48 bytes, as a
    // bitmap row must be, and the padding stays untouched.
    const int w = 100, h = 45;
    const auto page = RandomPage(w, h, 3);
    std::vector<uint8_t> rotated(size_t(w) * 48, 0xAA);
    MakeRotatedCopy(page.data(), w, h, rotated.data());
    int wrong = 0, padding = 0;
    for (int v = 0; v < w; ++v) {
        const uint8_t* row = rotated.data() + size_t(w - 1 - v) * 48;
        for (int u = 0; u < h; ++u) wrong += row[u] != ExpectedTurned(page, w, h, u, v);
        for (int u = h; u < 48; ++u) padding += row[u] == 0xAA;
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(padding, w * 3);
}

TEST(PrintFrame, TheTurnedPageSitsInsideAnUntouchedFourPixelBorder) {
    const auto page = RandomPage(W, H, 11);
    std::vector<uint8_t> rotated(kDibBytes);
    MakeRotatedCopy(page.data(), W, H, rotated.data());
    // Exactly the size of the print block, so a write past it is caught by the sanitizer.
    std::vector<uint8_t> framed(kDibPrintBytes, 0);
    MakeFramedCopy(rotated.data(), W, H, framed.data());
    const int rows = W + 8, columns = H + 8;
    ASSERT_EQ(size_t(rows) * size_t(columns), framed.size());
    int border = 0, inner = 0, wrong = 0;
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < columns; ++c) {
            const uint8_t v = framed[size_t(r) * columns + c];
            if (r < 4 || r >= rows - 4 || c < 4 || c >= columns - 4) {
                border += v == 0;
            } else {
                ++inner;
                wrong += v != rotated[size_t(r - 4) * H + (c - 4)];
            }
        }
    EXPECT_EQ(border, rows * columns - W * H) << "the border stays black (index 0)";
    EXPECT_EQ(inner, W * H);
    EXPECT_EQ(wrong, 0);
}

TEST(PrintPlacement, ALetterSheetAt300Dpi) {
    const PrintableArea area{2400, 3175};
    const DefaultPlacement d = PlaceDefault(area, W, H);
    EXPECT_EQ(d.x, 367);
    EXPECT_EQ(d.y, 398);
    EXPECT_EQ(d.width, 1666);
    EXPECT_EQ(d.height, 2379);

    const AlternateOnePlacement a1 = PlaceAlternateOne(area, W, H);
    EXPECT_EQ(a1.x, 368);
    EXPECT_EQ(a1.top, 398);
    EXPECT_EQ(a1.width, 1664);
    EXPECT_EQ(a1.halfHeight, 1189);
    EXPECT_EQ(a1.top + a1.halfHeight, 1587) << "the lower half";

    const AlternateTwoPlacement a2 = PlaceAlternateTwo(area, W, H);
    EXPECT_EQ(a2.scale, 4);
    EXPECT_EQ(a2.left, 268);
    EXPECT_EQ(a2.top, 255);
    EXPECT_EQ(a2.scale * (H + 6), 1864);
    EXPECT_EQ(a2.scale * (W + 6), 2664);
}

TEST(PrintPlacement, AlternateTwoEnlargesByAWholeFactorFromThreeToTwenty) {
    const AlternateTwoPlacement fine = PlaceAlternateTwo({4800, 6350}, W, H);
    EXPECT_EQ(fine.scale, 8);
    EXPECT_EQ(fine.left, 536);
    EXPECT_EQ(fine.top, 511);

    // Too small a sheet: s stays 3 and the picture overhangs, centred.
    const AlternateTwoPlacement small = PlaceAlternateTwo({2400, 1000}, W, H);
    EXPECT_EQ(small.scale, 3);
    EXPECT_EQ(small.top, -499);
    // An odd overhang rounds toward the top: (1001 - 1998) / 2 = -498.5.
    EXPECT_EQ(PlaceAlternateTwo({2400, 1001}, W, H).top, -499);
    EXPECT_EQ(PlaceAlternateTwo({1001, 3175}, W, H).left, -432) << "(1001 - 1864) / 2 = -431.5";

    EXPECT_EQ(PlaceAlternateTwo({30000, 20000}, W, H).scale, 20);
    EXPECT_EQ(PlaceAlternateTwo({30000, 32767}, W, H).scale, 20) << "no overflow at the largest area";
}

TEST(PrintPlacement, ANoughtByNoughtAreaDrawsNothingVisibleExceptAlternateTwo) {
    const DefaultPlacement d = PlaceDefault({0, 0}, W, H);
    EXPECT_EQ(d.width, 0);
    EXPECT_EQ(d.height, 0);
    const AlternateOnePlacement a1 = PlaceAlternateOne({0, 0}, W, H);
    EXPECT_EQ(a1.width, 0);
    EXPECT_EQ(a1.halfHeight, 0);
    const AlternateTwoPlacement a2 = PlaceAlternateTwo({0, 0}, W, H);
    EXPECT_EQ(a2.scale, 3);
    EXPECT_EQ(a2.top, -999);
    EXPECT_EQ(a2.left, -699);
}

TEST(PrintPlacement, OnlyOptionsNoughtAndTwoChooseTheirOwnMethod) {
    EXPECT_EQ(MethodForOption(0), PrintMethod::Default);
    EXPECT_EQ(MethodForOption(1), PrintMethod::AlternateOne);
    EXPECT_EQ(MethodForOption(2), PrintMethod::AlternateTwo);
    EXPECT_EQ(MethodForOption(5), PrintMethod::AlternateOne);
    EXPECT_EQ(MethodForOption(-1), PrintMethod::AlternateOne);
}
