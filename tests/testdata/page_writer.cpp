#include "tests/testdata/page_writer.h"

#include <algorithm>
#include <cstdio>

namespace testdata {
namespace {
// The page colours as #RRGGBB, index 0 the outline and 37 the paper.
const uint32_t kColours[38] = {
    0x000000, 0x000000, 0xFF0000, 0x0000A0, 0xFFFF00, 0x006F00, 0xFF7F00, 0x30006F, 0x6F2F00, 0x9F009F,
    0x7F3F00, 0xFF7070, 0x0060FF, 0xDFFF00, 0x00DF00, 0xFF9F00, 0x9F00FF, 0xBF0000, 0x003F5F, 0xFFDF00,
    0x005F00, 0xD0602F, 0xFF008F, 0x306FB0, 0xDFDF00, 0x00B000, 0xFF8F50, 0xFFFFFF, 0x8F8F8F, 0xC09F4F,
    0xC09FFF, 0xFFCF7F, 0x9FFF7F, 0xFFFF9F, 0x00FFFF, 0xFF8FC0, 0xA06000, 0xEFEFEF,
};

std::vector<uint8_t> Headers(int edition, int width, int height, int bitCount, uint32_t dataBytes, bool clean) {
    std::vector<uint8_t> bytes(kPageHeaderBytes, 0);
    PutU16(bytes, kBfType, PageSignature(edition));
    PutU32(bytes, kBfSize, uint32_t(kPageHeaderBytes) + dataBytes);
    PutU16(bytes, kBfReserved1, clean ? 1 : 0);
    PutU32(bytes, kBfOffBits, uint32_t(kPageHeaderBytes));
    PutU32(bytes, kBiSize, 40);
    PutU32(bytes, kBiWidth, uint32_t(width));
    PutU32(bytes, kBiHeight, uint32_t(height));
    PutU16(bytes, kBiPlanes, 1);
    PutU16(bytes, kBiBitCount, uint16_t(bitCount));
    PutU32(bytes, kBiSizeImage, dataBytes);
    PutU32(bytes, kBiXPelsPerMeter, 2835);
    PutU32(bytes, kBiYPelsPerMeter, 2835);
    return bytes;
}
}  // namespace

uint16_t PageSignature(int edition) {
    const uint8_t second = edition == 1 ? 'O' : uint8_t('0' + edition);
    return uint16_t('C' | (second << 8));
}

LineAt OutlinedRects(std::vector<PageRect> rects) {
    return [rects](int x, int y) {
        for (const PageRect& r : rects) {
            const bool inside = x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
            if (inside && (x == r.left || x == r.right || y == r.top || y == r.bottom)) return true;
        }
        return false;
    };
}

std::vector<uint8_t> SavedColourTable() {
    std::vector<uint8_t> table(1024, 0);
    for (int i = 0; i < 38; ++i) {
        table[4 * i + 0] = uint8_t(kColours[i]);
        table[4 * i + 1] = uint8_t(kColours[i] >> 8);
        table[4 * i + 2] = uint8_t(kColours[i] >> 16);
    }
    table[4 * 255 + 0] = table[4 * 255 + 1] = table[4 * 255 + 2] = 255;
    return table;
}

std::vector<uint8_t> MonoPageBytes(int edition, const LineAt& isLine, int width, int height, bool clean) {
    const size_t rowBytes = size_t((width + 31) / 32 * 4);
    std::vector<uint8_t> bytes = Headers(edition, width, height, 1, uint32_t(rowBytes * size_t(height)), clean);
    PutU32(bytes, kBiClrUsed, 2);
    PutU32(bytes, kBiClrImportant, 2);
    bytes[kColourTable + 4] = bytes[kColourTable + 5] = bytes[kColourTable + 6] = 255;
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;  // the first row in the file is the bottom line
        std::vector<uint8_t> packed(rowBytes, 0xFF);  // padding bits set, as paper
        for (int x = 0; x < width; ++x)
            if (isLine(x, y)) packed[size_t(x / 8)] &= uint8_t(~(0x80 >> (x % 8)));
        bytes.insert(bytes.end(), packed.begin(), packed.end());
    }
    return bytes;
}

std::vector<uint8_t> ColourPageBytes(int edition, const ColourAt& colourAt, bool clean, int width, int height,
                                     const std::vector<uint8_t>& colourTable) {
    std::vector<uint8_t> bytes = Headers(edition, width, height, 8, uint32_t(width * height), clean);
    const std::vector<uint8_t> table = colourTable.size() == 1024 ? colourTable : SavedColourTable();
    std::copy(table.begin(), table.end(), bytes.begin() + kColourTable);
    for (int row = 0; row < height; ++row)
        for (int x = 0; x < width; ++x) bytes.push_back(colourAt(x, height - 1 - row));
    return bytes;
}

bool WriteMonoPage(const std::string& path, int edition, const LineAt& isLine, bool clean) {
    return WriteBytes(path, MonoPageBytes(edition, isLine, kPageWidth, kPageHeight, clean));
}

bool WriteColourPage(const std::string& path, int edition, const ColourAt& colourAt, bool clean) {
    return WriteBytes(path, ColourPageBytes(edition, colourAt, clean));
}

bool WriteColourPage(const std::string& path, int edition, const std::vector<uint8_t>& pixels, bool clean) {
    if (pixels.size() != size_t(kPageWidth) * kPageHeight) return false;
    return WriteColourPage(
        path, edition, [&pixels](int x, int y) { return pixels[size_t(y) * kPageWidth + size_t(x)]; }, clean);
}

bool WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f) return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

std::vector<uint8_t> ReadBytes(const std::string& path) {
    std::vector<uint8_t> bytes;
    FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return bytes;
    uint8_t buffer[8192];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, f)) > 0) bytes.insert(bytes.end(), buffer, buffer + n);
    std::fclose(f);
    return bytes;
}

void PutU16(std::vector<uint8_t>& bytes, size_t offset, uint16_t value) {
    bytes[offset] = uint8_t(value);
    bytes[offset + 1] = uint8_t(value >> 8);
}

void PutU32(std::vector<uint8_t>& bytes, size_t offset, uint32_t value) {
    for (int i = 0; i < 4; ++i) bytes[offset + size_t(i)] = uint8_t(value >> (8 * i));
}

uint16_t GetU16(const std::vector<uint8_t>& bytes, size_t offset) {
    return uint16_t(bytes[offset] | (bytes[offset + 1] << 8));
}

uint32_t GetU32(const std::vector<uint8_t>& bytes, size_t offset) {
    return uint32_t(bytes[offset]) | (uint32_t(bytes[offset + 1]) << 8) | (uint32_t(bytes[offset + 2]) << 16) |
           (uint32_t(bytes[offset + 3]) << 24);
}

}  // namespace testdata
