// The one page in memory: the page file's 14-byte header and 1064-byte info
// block (bitmap header and 256 colours) as they are in the file, and the pixel
// block lpDib (one colour index per byte, rows bottom-up).
#pragma once

#include <cstddef>
#include <cstdint>

constexpr int kPageWidth = 660;
constexpr int kPageHeight = 460;
constexpr size_t kFileHeaderBytes = 14;
constexpr size_t kInfoBytes = 1064;  // 40-byte header + 256 x 4 colours
constexpr size_t kBitmapHeaderBytes = 40;
constexpr size_t kColourTableOffset = kBitmapHeaderBytes;  // within the info block

struct PageImage {
    uint8_t fileHeader[kFileHeaderBytes];
    uint8_t info[kInfoBytes];
};

extern PageImage gPageImage;

// Little-endian field access in the file layout.
inline uint16_t ReadU16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t ReadU32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void WriteU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void WriteU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

// Header fields of the page in memory.
inline int32_t PageWidth(const PageImage& page) { return int32_t(ReadU32(page.info + 4)); }
inline int32_t PageHeight(const PageImage& page) { return int32_t(ReadU32(page.info + 8)); }
inline bool PageIsClean(const PageImage& page) { return ReadU16(page.fileHeader + 6) != 0; }
inline void SetPageClean(PageImage& page, bool clean) { WriteU16(page.fileHeader + 6, clean ? 1 : 0); }

// Byte offset of page pixel (x, y), y counted from the top: rows are stored bottom-up.
inline size_t PixelOffset(int x, int y, int width, int height) {
    return size_t(height - 1 - y) * size_t(width) + size_t(x);
}
