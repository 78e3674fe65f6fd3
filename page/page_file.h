// The page file codec: reads a 1-bit or 8-bit page file into a PageImage and its
// pixel block, and writes a page back in the 8-bit form. The platform opens the
// files and hands in a byte source or sink.
#pragma once

#include <cstddef>
#include <cstdint>

#include "page/colours.h"
#include "page/page_image.h"
#include "support/byte_source.h"

enum class PageLoadResult {
    Loaded,
    Missing,   // the file could not be opened (decided by the caller that opens it)
    NotAPage,  // another signature, or a file this program cannot read safely
    NoMemory,  // the image blocks are not there: nothing was read
};

constexpr size_t kPageHeadersBytes = kFileHeaderBytes + kInfoBytes;  // 1078
constexpr uint32_t kSavedPageBytes = uint32_t(kPageHeadersBytes) + kPageWidth * kPageHeight;  // 304,678

// Turns `pixels` packed 1-bit pixels (most significant bit first) into one byte
// each: a set bit is paper (37), a clear bit line (0). Writes exactly `pixels` bytes.
void ExpandMonoRow(const uint8_t* source, uint8_t* destination, int pixels);

// Reads a page file. Everything is checked and the pixels are read into
// `scratch` first; only a complete, valid file is then copied into `page` and
// `pixels`, so a failed load leaves both exactly as they were. `pixels` and
// `scratch` are page-sized blocks (kPageWidth x kPageHeight bytes). A 1-bit page
// takes its colour table from `palette` and its headers are rewritten to the
// 8-bit form; an 8-bit page keeps the colour table it was saved with.
PageLoadResult ReadPageFile(ByteSource& source, uint16_t signature, const PaletteColour palette[256],
                            PageImage& page, uint8_t* pixels, uint8_t* scratch);

// Writes `page` and its pixels in the 8-bit form: the 14-byte file header, the
// 1064-byte info block and width x height pixel bytes. The file header's pixel
// offset and file size are written as this layout has them (1078 and
// 1078 + width x height), whatever an odd file once said. False, writing
// nothing, when the page's size is not one ReadPageFile accepts, or when the
// sink fails.
bool WritePageFile(const PageImage& page, const uint8_t* pixels, ByteSink& sink);
