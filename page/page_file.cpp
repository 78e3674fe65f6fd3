#include "page/page_file.h"

#include <cstring>

namespace {
// Field offsets in the file header and in the info block.
constexpr size_t kFileSize = 2;
constexpr size_t kPixelOffset = 10;
constexpr size_t kHeaderSize = 0;
constexpr size_t kWidth = 4;
constexpr size_t kHeight = 8;
constexpr size_t kBitCount = 14;
constexpr size_t kCompression = 16;
constexpr size_t kSizeImage = 20;
constexpr size_t kClrUsed = 32;

// 1-bit rows are padded to 32 bits: 84 bytes for the widest page.
constexpr size_t kMaxMonoRowBytes = (kPageWidth + 31) / 32 * 4;

// Sizes the pixel block and the drawing code can hold: rows a multiple of 4
// bytes (an 8-bit bitmap row is padded to 4), at most 660 x 460.
bool PageSizeFits(int32_t width, int32_t height) {
    return width > 0 && height > 0 && width % 4 == 0 && width <= kPageWidth && height <= kPageHeight;
}

}  // namespace

void ExpandMonoRow(const uint8_t* source, uint8_t* destination, int pixels) {
    for (int i = 0; i < pixels; ++i) {
        const uint8_t mask = uint8_t(0x80 >> (i & 7));
        destination[i] = (source[i >> 3] & mask) ? kPaperIndex : kLineIndex;
    }
}

PageLoadResult ReadPageFile(ByteSource& source, uint16_t signature, const PaletteColour palette[256],
                            PageImage& page, uint8_t* pixels, uint8_t* scratch) {
    uint8_t header[kFileHeaderBytes];
    uint8_t info[kInfoBytes];
    if (!source.ReadAll(header, sizeof header) || ReadU16(header) != signature) return PageLoadResult::NotAPage;
    if (!source.ReadAll(info, sizeof info)) return PageLoadResult::NotAPage;

    const int32_t width = int32_t(ReadU32(info + kWidth));
    const int32_t height = int32_t(ReadU32(info + kHeight));
    const uint16_t bitCount = ReadU16(info + kBitCount);
    if (ReadU32(info + kHeaderSize) != kBitmapHeaderBytes || ReadU32(info + kCompression) != 0 ||
        (bitCount != 1 && bitCount != 8) || !PageSizeFits(width, height))
        return PageLoadResult::NotAPage;

    const uint32_t pixelBytes = uint32_t(width) * uint32_t(height);
    const uint32_t monoRowBytes = (uint32_t(width) + 31) / 32 * 4;
    const uint32_t dataBytes = bitCount == 1 ? monoRowBytes * uint32_t(height) : pixelBytes;
    if (bitCount == 8 && ReadU32(info + kSizeImage) != pixelBytes) return PageLoadResult::NotAPage;
    const uint32_t dataOffset = ReadU32(header + kPixelOffset);
    if (uint64_t(dataOffset) + dataBytes > source.Size() || !source.Seek(dataOffset))
        return PageLoadResult::NotAPage;

    if (bitCount == 1) {
        uint8_t row[kMaxMonoRowBytes];
        for (int32_t r = 0; r < height; ++r) {
            if (!source.ReadAll(row, monoRowBytes)) return PageLoadResult::NotAPage;
            ExpandMonoRow(row, scratch + size_t(r) * size_t(width), width);
        }
        // The colours of the page palette; each entry's reserved byte stays as read.
        uint8_t* table = info + kColourTableOffset;
        for (int i = 0; i < 256; ++i) {
            table[4 * i + 0] = palette[i].blue;
            table[4 * i + 1] = palette[i].green;
            table[4 * i + 2] = palette[i].red;
        }
        // From now on the page is in the 8-bit form it is saved in.
        WriteU32(info + kClrUsed, 0);
        WriteU16(info + kBitCount, 8);
        WriteU32(info + kSizeImage, pixelBytes);
        const uint32_t offset = ReadU32(info + kHeaderSize) + 1038;  // 14 + 40 + 1024
        WriteU32(header + kPixelOffset, offset);
        WriteU32(header + kFileSize, pixelBytes + offset);
    } else if (!source.ReadAll(scratch, pixelBytes)) {
        return PageLoadResult::NotAPage;
    }

    std::memcpy(page.fileHeader, header, sizeof header);
    std::memcpy(page.info, info, sizeof info);
    std::memcpy(pixels, scratch, pixelBytes);
    return PageLoadResult::Loaded;
}

bool WritePageFile(const PageImage& page, const uint8_t* pixels, ByteSink& sink) {
    const int32_t width = PageWidth(page);
    const int32_t height = PageHeight(page);
    if (!PageSizeFits(width, height)) return false;
    const uint32_t pixelBytes = uint32_t(width) * uint32_t(height);

    uint8_t header[kFileHeaderBytes];
    std::memcpy(header, page.fileHeader, sizeof header);
    WriteU32(header + kPixelOffset, uint32_t(kPageHeadersBytes));
    WriteU32(header + kFileSize, uint32_t(kPageHeadersBytes) + pixelBytes);
    return sink.Write(header, sizeof header) && sink.Write(page.info, kInfoBytes) &&
           sink.Write(pixels, pixelBytes);
}
