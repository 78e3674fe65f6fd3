// Fuzz target for the page reader and writer. Every input either loads or is
// refused; a refused file leaves the page in memory exactly as it was, a loaded
// one holds only line and paper when it was a 1-bit drawing, and saving a
// loaded page and reading it back gives the same page and the same bytes.
// The pixel blocks are exactly page-sized heap blocks, so AddressSanitizer
// catches any write past them.
//
// The first input byte chooses how the rest is used: even, the rest is a page
// file as it is; odd, the rest patches one of four valid pages (so random
// inputs reach deep into the reader even without a corpus): 4-byte records of
// a 16-bit offset, a value and an operation (set the byte, or cut the file there).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "page/colours.h"
#include "page/page_file.h"
#include "page/page_image.h"

// The harness's own loops over whole pages would otherwise be traced
// comparison by comparison and slow the search down tenfold.
#if defined(__clang__)
#define TW_NOT_TRACED __attribute__((no_sanitize("coverage")))
#else
#define TW_NOT_TRACED
#endif

namespace {
constexpr size_t kBlock = size_t(kPageWidth) * kPageHeight;

TW_NOT_TRACED bool OnlyLineAndPaper(const uint8_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i)
        if (pixels[i] != kLineIndex && pixels[i] != kPaperIndex) return false;
    return true;
}

TW_NOT_TRACED const std::vector<uint8_t>& PixelPattern() {
    static const std::vector<uint8_t> pattern = [] {
        std::vector<uint8_t> p(kBlock);
        for (size_t i = 0; i < kBlock; ++i) p[i] = uint8_t(i * 13);
        return p;
    }();
    return pattern;
}

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "page_fuzz: %s\n", what);
    std::abort();
}

void Put32(std::vector<uint8_t>& f, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + size_t(i)] = uint8_t(v >> (8 * i));
}

// A valid page of the given size and bit count in edition 1's signature.
std::vector<uint8_t> Template(int width, int height, int bits) {
    const uint32_t row = bits == 1 ? uint32_t((width + 31) / 32 * 4) : uint32_t(width);
    std::vector<uint8_t> f(kPageHeadersBytes + row * uint32_t(height), 0);
    f[0] = 'C', f[1] = 'O';
    Put32(f, 2, uint32_t(f.size()));
    Put32(f, 10, uint32_t(kPageHeadersBytes));
    Put32(f, 14, 40), Put32(f, 18, uint32_t(width)), Put32(f, 22, uint32_t(height));
    f[26] = 1, f[28] = uint8_t(bits);
    Put32(f, 34, row * uint32_t(height));
    for (size_t i = kPageHeadersBytes; i < f.size(); ++i) f[i] = uint8_t(bits == 1 ? 0xF0 ^ i : i % 38);
    return f;
}

const std::vector<uint8_t>& Templates(int which) {
    static const std::vector<uint8_t> all[4] = {Template(660, 460, 1), Template(660, 460, 8), Template(36, 10, 1),
                                                Template(20, 6, 8)};
    return all[which & 3];
}

std::vector<uint8_t> FileFrom(const uint8_t* data, size_t size) {
    if (size == 0) return {};
    if ((data[0] & 1) == 0) return std::vector<uint8_t>(data + 1, data + size);
    std::vector<uint8_t> file = Templates(data[0] >> 1);
    for (size_t i = 1; i + 4 <= size; i += 4) {
        const size_t at = size_t(data[i] | (data[i + 1] << 8)) % (file.size() + 1);
        if (data[i + 3] & 1) file.resize(at);
        else if (at < file.size()) file[at] = data[i + 2];
    }
    return file;
}

struct Memory {
    PageImage page;
    std::vector<uint8_t> pixels = std::vector<uint8_t>(kBlock);
    std::vector<uint8_t> scratch = std::vector<uint8_t>(kBlock);
};

uint16_t SignatureOf(const std::vector<uint8_t>& file) {
    // Read every edition's pages: any "C" signature the five editions use.
    if (file.size() >= 2 && (file[1] == 'O' || (file[1] >= '2' && file[1] <= '5'))) return uint16_t('C' | (file[1] << 8));
    return uint16_t('C' | ('O' << 8));
}

PageLoadResult Load(const std::vector<uint8_t>& file, Memory& memory) {
    PaletteColour palette[256];
    BuildPaletteEntries(palette);
    MemorySource source(file.data(), file.size());
    return ReadPageFile(source, SignatureOf(file), palette, memory.page, memory.pixels.data(), memory.scratch.data());
}

struct Appending : ByteSink {
    std::vector<uint8_t> bytes;
    bool Write(const void* data, size_t n) override {
        bytes.insert(bytes.end(), static_cast<const uint8_t*>(data), static_cast<const uint8_t*>(data) + n);
        return true;
    }
};

std::vector<uint8_t> Save(const Memory& memory) {
    Appending sink;
    Require(WritePageFile(memory.page, memory.pixels.data(), sink), "a loaded page could not be written");
    return sink.bytes;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::vector<uint8_t> file = FileFrom(data, size);

    // A page already in memory, with a pattern a failed load must not disturb.
    // The blocks are kept from run to run: allocating them each time costs more
    // than the load.
    static Memory memory, again;
    static PageImage pageBefore;
    std::memset(&pageBefore, 0x5A, sizeof pageBefore);
    memory.page = pageBefore;
    memory.pixels = PixelPattern();
    const std::vector<uint8_t>& pixelsBefore = PixelPattern();

    if (Load(file, memory) != PageLoadResult::Loaded) {
        Require(std::memcmp(&memory.page, &pageBefore, sizeof pageBefore) == 0, "a refused file changed the headers");
        Require(memory.pixels == pixelsBefore, "a refused file changed the pixels");
        return 0;
    }

    const int width = PageWidth(memory.page), height = PageHeight(memory.page);
    Require(width > 0 && height > 0 && size_t(width) * size_t(height) <= kBlock, "a page larger than the block loaded");
    const size_t pixelBytes = size_t(width) * size_t(height);
    Require(ReadU16(memory.page.info + 14) == 8, "the page in memory is not in the 8-bit form");
    if (file[28] == 1)
        Require(OnlyLineAndPaper(memory.pixels.data(), pixelBytes), "a 1-bit page gave other colours");
    Require(std::memcmp(memory.pixels.data() + pixelBytes, pixelsBefore.data() + pixelBytes, kBlock - pixelBytes) == 0,
            "a smaller page wrote past its own pixels");

    const std::vector<uint8_t> saved = Save(memory);
    Require(saved.size() == kPageHeadersBytes + pixelBytes, "the saved page has the wrong length");
    Require(Load(saved, again) == PageLoadResult::Loaded, "a saved page does not load");
    Require(std::memcmp(again.pixels.data(), memory.pixels.data(), pixelBytes) == 0, "a saved page reloads other pixels");
    Require(std::memcmp(again.page.info, memory.page.info, kInfoBytes) == 0, "a saved page reloads another info block");
    Require(Save(again) == saved, "saving a reloaded page gives other bytes");
    return 0;
}
