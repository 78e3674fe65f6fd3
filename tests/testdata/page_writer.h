// Writes page files for tests of any edition: 1-bit line drawings as the page
// files ship, and 8-bit pages as the program saves them. Independent of the
// program's own page code, so tests can hold the two against each other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace testdata {

constexpr int kPageWidth = 660;
constexpr int kPageHeight = 460;
constexpr size_t kPageHeaderBytes = 1078;  // 14-byte file header + 1064-byte info block

// Byte offsets of the fields tests look at or spoil.
enum PageField : size_t {
    kBfType = 0, kBfSize = 2, kBfReserved1 = 6, kBfReserved2 = 8, kBfOffBits = 10,
    kBiSize = 14, kBiWidth = 18, kBiHeight = 22, kBiPlanes = 26, kBiBitCount = 28, kBiCompression = 30,
    kBiSizeImage = 34, kBiXPelsPerMeter = 38, kBiYPelsPerMeter = 42, kBiClrUsed = 46, kBiClrImportant = 50,
    kColourTable = 54,
};

// x from the left, y from the top.
using LineAt = std::function<bool(int x, int y)>;
using ColourAt = std::function<uint8_t(int x, int y)>;

// An axis-aligned rectangle, edges inclusive.
struct PageRect {
    int left, top, right, bottom;
};

// "CO", "C2", "C3", "C4", "C5" read as one little-endian 16-bit value.
uint16_t PageSignature(int edition);

// A picture of one-pixel outlines of the rectangles (the page edge is not drawn).
LineAt OutlinedRects(std::vector<PageRect> rects);

// The 1024-byte colour table of a page saved by the program: the 38 page
// colours (blue, green, red, 0), then black, with white last.
std::vector<uint8_t> SavedColourTable();

// A 1-bit page: rows bottom-up padded to 32 bits, set bit = paper; colour
// entry 0 black and 1 white, the rest zero.
std::vector<uint8_t> MonoPageBytes(int edition, const LineAt& isLine, int width = kPageWidth,
                                   int height = kPageHeight, bool clean = false);

// An 8-bit page in the saved layout (1078 + width x height bytes), with the
// given 1024-byte colour table or SavedColourTable().
std::vector<uint8_t> ColourPageBytes(int edition, const ColourAt& colourAt, bool clean = false,
                                     int width = kPageWidth, int height = kPageHeight,
                                     const std::vector<uint8_t>& colourTable = {});

bool WriteMonoPage(const std::string& path, int edition, const LineAt& isLine, bool clean = false);
bool WriteColourPage(const std::string& path, int edition, const ColourAt& colourAt, bool clean = false);
// `pixels`: 660 x 460 colour indices row by row from the top.
bool WriteColourPage(const std::string& path, int edition, const std::vector<uint8_t>& pixels, bool clean = false);

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> ReadBytes(const std::string& path);  // empty when missing

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value);
void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value);
uint16_t GetU16(const std::vector<uint8_t>& bytes, size_t offset);
uint32_t GetU32(const std::vector<uint8_t>& bytes, size_t offset);

}  // namespace testdata
