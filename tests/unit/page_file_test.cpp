// The page file codec: reading 1-bit and 8-bit pages, rejecting files it cannot
// read safely without touching the page in memory, and writing pages back.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "editions/edition.h"
#include "page/colours.h"
#include "page/page_file.h"
#include "page/page_image.h"
#include "tests/testdata/page_writer.h"

namespace td = testdata;

namespace {
constexpr size_t kBlock = size_t(kPageWidth) * kPageHeight;
constexpr size_t kGuard = 64;
constexpr uint8_t kGuardByte = 0xA5;

// A page in memory with guard bytes around its pixel block and its scratch
// block, so any write past either end shows.
struct Memory {
    PageImage page{};
    std::vector<uint8_t> pixelStore = std::vector<uint8_t>(kBlock + 2 * kGuard, kGuardByte);
    std::vector<uint8_t> scratchStore = std::vector<uint8_t>(kBlock + 2 * kGuard, kGuardByte);
    uint8_t* pixels() { return pixelStore.data() + kGuard; }
    uint8_t* scratch() { return scratchStore.data() + kGuard; }

    PageLoadResult Load(const std::vector<uint8_t>& file, uint16_t signature = gEdition.pageSignature) {
        PaletteColour palette[256];
        BuildPaletteEntries(palette);
        MemorySource source(file.data(), file.size());
        return ReadPageFile(source, signature, palette, page, pixels(), scratch());
    }
    bool GuardsIntact(const std::vector<uint8_t>& store) const {
        for (size_t i = 0; i < kGuard; ++i)
            if (store[i] != kGuardByte || store[store.size() - 1 - i] != kGuardByte) return false;
        return true;
    }
    bool GuardsIntact() const { return GuardsIntact(pixelStore) && GuardsIntact(scratchStore); }
    uint8_t At(int x, int y) { return pixels()[PixelOffset(x, y, PageWidth(page), PageHeight(page))]; }
};

struct Appending : ByteSink {
    std::vector<uint8_t> bytes;
    bool Write(const void* data, size_t n) override {
        const auto* p = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), p, p + n);
        return true;
    }
};

std::vector<uint8_t> Save(Memory& memory) {
    Appending sink;
    if (!WritePageFile(memory.page, memory.pixels(), sink)) sink.bytes.clear();
    return sink.bytes;
}

std::vector<uint8_t> Headers(const PageImage& page) {
    std::vector<uint8_t> bytes(page.fileHeader, page.fileHeader + kFileHeaderBytes);
    bytes.insert(bytes.end(), page.info, page.info + kInfoBytes);
    return bytes;
}

// A drawing that is not symmetric in either direction: a box near the top-left
// and a single line pixel at the bottom-right corner.
const td::LineAt kDrawing = [](int x, int y) {
    return td::OutlinedRects({{10, 5, 200, 100}})(x, y) || (x == 659 && y == 459);
};

// A colourful 8-bit picture: every colour index, varying in both directions.
uint8_t Colour(int x, int y) { return uint8_t((x / 7 + 3 * (y / 5)) % 38); }
}  // namespace

TEST(ExpandMonoRow, SetBitsArePaperFromTheHighBitDownAndExactlyNBytesAreWritten) {
    const uint8_t row[] = {0x80, 0x01, 0xFF, 0x5A};
    std::vector<uint8_t> out(40, 0xEE);
    ExpandMonoRow(row, out.data(), 29);
    // '#' paper, '.' line, byte by byte.
    const char* expect = "#......." ".......#" "########" ".#.##";
    for (size_t i = 0; i < 29; ++i) EXPECT_EQ(out[i], expect[i] == '#' ? 37 : 0) << "pixel " << i;
    for (size_t i = 29; i < out.size(); ++i) EXPECT_EQ(out[i], 0xEE) << "byte " << i << " written";
}

TEST(ReadMonoPage, ExpandsToLineAndPaperUprightWithTheSavedHeaders) {
    Memory memory;
    std::vector<uint8_t> file = td::MonoPageBytes(1, kDrawing);
    td::PutU16(file, td::kBfReserved2, 0x1234);
    td::PutU32(file, td::kBiXPelsPerMeter, 3780);
    td::PutU32(file, td::kBiClrImportant, 7);
    for (int i = 0; i < 256; ++i) file[td::kColourTable + 4 * i + 3] = uint8_t(i ^ 0x5C);  // reserved bytes
    ASSERT_EQ(memory.Load(file), PageLoadResult::Loaded);

    for (int y = 0; y < kPageHeight; ++y)
        for (int x = 0; x < kPageWidth; ++x)
            ASSERT_EQ(memory.At(x, y), kDrawing(x, y) ? kLineIndex : kPaperIndex) << x << "," << y;
    EXPECT_TRUE(memory.GuardsIntact());

    const std::vector<uint8_t> h = Headers(memory.page);
    EXPECT_EQ(td::GetU16(h, td::kBiBitCount), 8);
    EXPECT_EQ(td::GetU32(h, td::kBiSizeImage), 303600u);
    EXPECT_EQ(td::GetU32(h, td::kBfOffBits), 1078u);
    EXPECT_EQ(td::GetU32(h, td::kBfSize), 304678u);
    EXPECT_EQ(td::GetU32(h, td::kBiClrUsed), 0u);
    // Everything else as read.
    EXPECT_EQ(td::GetU16(h, td::kBfType), td::PageSignature(1));
    EXPECT_EQ(td::GetU16(h, td::kBfReserved2), 0x1234);
    EXPECT_EQ(td::GetU32(h, td::kBiXPelsPerMeter), 3780u);
    EXPECT_EQ(td::GetU32(h, td::kBiClrImportant), 7u);
    EXPECT_EQ(PageWidth(memory.page), 660);
    EXPECT_EQ(PageHeight(memory.page), 460);
    // The colours become the page palette's; the reserved bytes stay.
    const std::vector<uint8_t> saved = td::SavedColourTable();
    for (int i = 0; i < 256; ++i) {
        for (int c = 0; c < 3; ++c)
            EXPECT_EQ(h[td::kColourTable + 4 * i + c], saved[4 * i + c]) << "entry " << i << " byte " << c;
        EXPECT_EQ(h[td::kColourTable + 4 * i + 3], uint8_t(i ^ 0x5C)) << "entry " << i;
    }
}

TEST(ReadMonoPage, TheLastFileRowEndsAtTheLastByteOfTheBlock) {
    Memory memory;
    // Only the top line of the picture (the last row in the file) is paper.
    ASSERT_EQ(memory.Load(td::MonoPageBytes(1, [](int, int y) { return y != 0; })), PageLoadResult::Loaded);
    EXPECT_EQ(memory.pixels()[kBlock - 1], kPaperIndex);
    EXPECT_EQ(memory.pixels()[kBlock - 660], kPaperIndex);
    EXPECT_EQ(memory.pixels()[kBlock - 661], kLineIndex);
    EXPECT_TRUE(memory.GuardsIntact());
}

TEST(ReadMonoPage, RowPaddingIsDroppedOnNarrowerPages) {
    // 100 pixels need 4 words: 28 padding bits per row, all set in the file.
    Memory memory;
    const auto diagonal = [](int x, int y) { return x == y; };
    ASSERT_EQ(memory.Load(td::MonoPageBytes(1, diagonal, 100, 60)), PageLoadResult::Loaded);
    EXPECT_EQ(PageWidth(memory.page), 100);
    EXPECT_EQ(td::GetU32(Headers(memory.page), td::kBfSize), 1078u + 6000u);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_EQ(memory.At(x, y), diagonal(x, y) ? 0 : 37) << x << "," << y;
}

TEST(ReadColourPage, PixelsAndColourTableAreKeptAsStored) {
    Memory memory;
    std::vector<uint8_t> table(1024);
    for (size_t i = 0; i < table.size(); ++i) table[i] = uint8_t(i * 7 + 1);
    const std::vector<uint8_t> file = td::ColourPageBytes(1, Colour, false, 660, 460, table);
    ASSERT_EQ(memory.Load(file), PageLoadResult::Loaded);
    const std::vector<uint8_t> h = Headers(memory.page);
    EXPECT_TRUE(std::equal(table.begin(), table.end(), h.begin() + td::kColourTable));
    EXPECT_TRUE(std::equal(h.begin(), h.end(), file.begin())) << "headers as read";
    for (int y = 0; y < kPageHeight; ++y)
        for (int x = 0; x < kPageWidth; ++x) ASSERT_EQ(memory.At(x, y), Colour(x, y)) << x << "," << y;
    EXPECT_TRUE(memory.GuardsIntact());
}

TEST(ReadPage, SmallerPagesLoadAndAreAddressedByTheirOwnSize) {
    Memory memory;
    std::memset(memory.scratch(), 0x3C, kBlock);
    ASSERT_EQ(memory.Load(td::ColourPageBytes(1, Colour, false, 320, 200)), PageLoadResult::Loaded);
    EXPECT_EQ(PageWidth(memory.page), 320);
    EXPECT_EQ(PageHeight(memory.page), 200);
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) ASSERT_EQ(memory.At(x, y), Colour(x, y));
    // The rest of the block keeps what it held.
    for (size_t i = 320 * 200; i < kBlock; ++i) ASSERT_EQ(memory.pixels()[i], kGuardByte) << i;
}

TEST(ReadPage, EachEditionReadsOnlyItsOwnPages) {
    for (int reader = 1; reader <= kEditionCount; ++reader) {
        for (int writer = 1; writer <= kEditionCount; ++writer) {
            Memory memory;
            const PageLoadResult result = memory.Load(td::MonoPageBytes(writer, kDrawing), kEditions[reader - 1].pageSignature);
            EXPECT_EQ(result, reader == writer ? PageLoadResult::Loaded : PageLoadResult::NotAPage)
                << "edition " << reader << " reading a page of edition " << writer;
        }
    }
    Memory memory;
    std::vector<uint8_t> bitmap = td::MonoPageBytes(1, kDrawing);
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    EXPECT_EQ(memory.Load(bitmap), PageLoadResult::NotAPage);
}

// Every file the reader must refuse, each a small change to a valid page.
struct Spoiled {
    const char* what;
    bool mono;
    std::function<void(std::vector<uint8_t>&)> spoil;
};

const Spoiled kSpoiled[] = {
    {"empty file", true, [](auto& f) { f.clear(); }},
    {"only part of the file header", true, [](auto& f) { f.resize(13); }},
    {"only the file header", true, [](auto& f) { f.resize(14); }},
    {"info block cut short", true, [](auto& f) { f.resize(1077); }},
    {"headers only", false, [](auto& f) { f.resize(1078); }},
    {"1-bit rows cut short", true, [](auto& f) { f.pop_back(); }},
    {"8-bit pixels cut short", false, [](auto& f) { f.resize(f.size() - 660); }},
    {"plain bitmap signature", false, [](auto& f) { f[0] = 'B', f[1] = 'M'; }},
    {"another edition's signature", false, [](auto& f) { td::PutU16(f, td::kBfType, td::PageSignature(3)); }},
    {"12-byte bitmap header", true, [](auto& f) { td::PutU32(f, td::kBiSize, 12); }},
    {"124-byte bitmap header", false, [](auto& f) { td::PutU32(f, td::kBiSize, 124); }},
    {"run-length compression", false, [](auto& f) { td::PutU32(f, td::kBiCompression, 1); }},
    {"bit-field compression", true, [](auto& f) { td::PutU32(f, td::kBiCompression, 3); }},
    {"4 bits per pixel", true, [](auto& f) { td::PutU16(f, td::kBiBitCount, 4); }},
    {"24 bits per pixel", false, [](auto& f) { td::PutU16(f, td::kBiBitCount, 24); }},
    {"0 bits per pixel", false, [](auto& f) { td::PutU16(f, td::kBiBitCount, 0); }},
    {"zero width", true, [](auto& f) { td::PutU32(f, td::kBiWidth, 0); }},
    {"negative width", false, [](auto& f) { td::PutU32(f, td::kBiWidth, uint32_t(-660)); }},
    {"zero height", false, [](auto& f) { td::PutU32(f, td::kBiHeight, 0); }},
    {"negative (top-down) height", true, [](auto& f) { td::PutU32(f, td::kBiHeight, uint32_t(-460)); }},
    {"width not a multiple of 4", true, [](auto& f) { td::PutU32(f, td::kBiWidth, 658); }},
    {"width above 660", false, [](auto& f) {
         td::PutU32(f, td::kBiWidth, 664);
         td::PutU32(f, td::kBiSizeImage, 664 * 460);
         f.resize(1078 + 664 * 460);
     }},
    {"height above 460", true, [](auto& f) {
         td::PutU32(f, td::kBiHeight, 461);
         f.resize(f.size() + 84);
     }},
    {"huge width and height", false, [](auto& f) {
         td::PutU32(f, td::kBiWidth, 0x40000000);
         td::PutU32(f, td::kBiHeight, 4);
         td::PutU32(f, td::kBiSizeImage, 0);  // 0x40000000 x 4 wraps to 0 in 32 bits
     }},
    {"8-bit image size one short", false, [](auto& f) { td::PutU32(f, td::kBiSizeImage, 303599); }},
    {"8-bit image size one over", false, [](auto& f) {
         td::PutU32(f, td::kBiSizeImage, 303601);
         f.push_back(0);
     }},
    {"8-bit image size zero", false, [](auto& f) { td::PutU32(f, td::kBiSizeImage, 0); }},
    {"pixel offset past the end", false, [](auto& f) { td::PutU32(f, td::kBfOffBits, 1079); }},
    {"pixel offset far past the end", true, [](auto& f) { td::PutU32(f, td::kBfOffBits, 0xFFFFFFF0u); }},
};

TEST(ReadPage, RefusesFilesItCannotReadSafelyAndKeepsThePreviousPage) {
    for (const Spoiled& c : kSpoiled) {
        Memory memory;
        ASSERT_EQ(memory.Load(td::ColourPageBytes(1, Colour, true)), PageLoadResult::Loaded);
        const std::vector<uint8_t> headersBefore = Headers(memory.page);
        const std::vector<uint8_t> pixelsBefore = memory.pixelStore;

        std::vector<uint8_t> file = c.mono ? td::MonoPageBytes(1, kDrawing) : td::ColourPageBytes(1, Colour);
        c.spoil(file);
        EXPECT_EQ(memory.Load(file), PageLoadResult::NotAPage) << c.what;
        EXPECT_EQ(Headers(memory.page), headersBefore) << c.what;
        EXPECT_TRUE(memory.pixelStore == pixelsBefore) << c.what;
        EXPECT_TRUE(memory.GuardsIntact()) << c.what;
    }
}

TEST(ReadPage, TheUnspoiledFilesOfTheRefusalTableLoad) {
    // The refusals above are caused by the changes, not by the files they start from.
    Memory memory;
    EXPECT_EQ(memory.Load(td::MonoPageBytes(1, kDrawing)), PageLoadResult::Loaded);
    EXPECT_EQ(memory.Load(td::ColourPageBytes(1, Colour)), PageLoadResult::Loaded);
    // Extra bytes after the pixels, and pixels placed further on, are fine.
    std::vector<uint8_t> later = td::ColourPageBytes(1, Colour);
    later.insert(later.begin() + 1078, 16, 0xCC);
    td::PutU32(later, td::kBfOffBits, 1078 + 16);
    later.push_back(9);
    EXPECT_EQ(memory.Load(later), PageLoadResult::Loaded);
    EXPECT_EQ(memory.At(0, 0), Colour(0, 0));
    EXPECT_EQ(memory.At(659, 459), Colour(659, 459));
}

namespace {
// A file whose reads stop early although its size promised more, as a failing disk does.
class FailingFile : public MemorySource {
public:
    FailingFile(const std::vector<uint8_t>& file, size_t failAt)
        : MemorySource(file.data(), file.size()), failAt_(failAt) {}
    size_t Read(void* buffer, size_t bytes) override {
        const size_t allowed = position() >= failAt_ ? 0 : failAt_ - position();
        return MemorySource::Read(buffer, bytes < allowed ? bytes : allowed);
    }

private:
    size_t failAt_;
};
}  // namespace

TEST(ReadPage, AReadErrorHalfwayThroughThePixelsKeepsThePreviousPage) {
    for (bool mono : {true, false}) {
        Memory memory;
        ASSERT_EQ(memory.Load(td::ColourPageBytes(1, Colour)), PageLoadResult::Loaded);
        const std::vector<uint8_t> headersBefore = Headers(memory.page);
        const std::vector<uint8_t> pixelsBefore = memory.pixelStore;

        const std::vector<uint8_t> file = mono ? td::MonoPageBytes(1, kDrawing) : td::ColourPageBytes(1, Colour);
        FailingFile source(file, file.size() / 2);
        PaletteColour palette[256];
        BuildPaletteEntries(palette);
        EXPECT_EQ(ReadPageFile(source, gEdition.pageSignature, palette, memory.page, memory.pixels(), memory.scratch()),
                  PageLoadResult::NotAPage);
        EXPECT_EQ(Headers(memory.page), headersBefore);
        EXPECT_TRUE(memory.pixelStore == pixelsBefore);
    }
}

TEST(WritePage, ASavedOneBitPageIsTheEightBitFormAndReloadsToTheSameBytes) {
    Memory first;
    ASSERT_EQ(first.Load(td::MonoPageBytes(1, kDrawing)), PageLoadResult::Loaded);
    const std::vector<uint8_t> saved = Save(first);
    ASSERT_EQ(saved.size(), 304678u);
    EXPECT_EQ(td::GetU16(saved, td::kBiBitCount), 8);

    Memory second;
    ASSERT_EQ(second.Load(saved), PageLoadResult::Loaded);
    EXPECT_EQ(Headers(second.page), Headers(first.page));
    EXPECT_EQ(0, std::memcmp(second.pixels(), first.pixels(), kBlock));
    EXPECT_EQ(Save(second), saved);
}

TEST(WritePage, TheCleanFlagSurvivesSaveAndReload) {
    const uint16_t signature = td::PageSignature(2);
    for (bool clean : {true, false}) {
        Memory memory;
        ASSERT_EQ(memory.Load(td::ColourPageBytes(2, Colour, !clean), signature), PageLoadResult::Loaded);
        EXPECT_EQ(PageIsClean(memory.page), !clean);
        SetPageClean(memory.page, clean);
        const std::vector<uint8_t> saved = Save(memory);
        EXPECT_EQ(td::GetU16(saved, td::kBfType), signature);
        Memory again;
        ASSERT_EQ(again.Load(saved, signature), PageLoadResult::Loaded);
        EXPECT_EQ(PageIsClean(again.page), clean);
    }
}

TEST(WritePage, PixelsAreWrittenRightAfterTheHeadersWhereverTheyWereRead) {
    // A page whose pixels started further on is saved in the usual layout, so
    // the saved file loads to the same picture.
    std::vector<uint8_t> file = td::ColourPageBytes(1, Colour);
    file.insert(file.begin() + 1078, 100, 0xCC);
    td::PutU32(file, td::kBfOffBits, 1178);
    td::PutU32(file, td::kBfSize, uint32_t(file.size()));
    Memory memory;
    ASSERT_EQ(memory.Load(file), PageLoadResult::Loaded);
    const std::vector<uint8_t> saved = Save(memory);
    EXPECT_EQ(saved, td::ColourPageBytes(1, Colour));
    Memory again;
    ASSERT_EQ(again.Load(saved), PageLoadResult::Loaded);
    EXPECT_EQ(0, std::memcmp(again.pixels(), memory.pixels(), kBlock));
}

TEST(WritePage, SmallerPagesWriteOnlyTheirOwnPixels) {
    Memory memory;
    const std::vector<uint8_t> file = td::ColourPageBytes(1, Colour, false, 320, 200);
    ASSERT_EQ(memory.Load(file), PageLoadResult::Loaded);
    EXPECT_EQ(Save(memory), file);
}

namespace {
struct LimitedSink : ByteSink {
    explicit LimitedSink(size_t room) : room(room) {}
    bool Write(const void*, size_t bytes) override {
        if (bytes > room) return false;
        room -= bytes;
        return true;
    }
    size_t room;
};
}  // namespace

TEST(WritePage, FailsWhenTheSinkFailsOrThereIsNoPageToWrite) {
    Memory memory;
    ASSERT_EQ(memory.Load(td::ColourPageBytes(1, Colour)), PageLoadResult::Loaded);
    for (size_t room : {size_t(0), size_t(14), size_t(1078), size_t(304677)}) {
        LimitedSink sink(room);
        EXPECT_FALSE(WritePageFile(memory.page, memory.pixels(), sink)) << "room for " << room << " bytes";
    }
    LimitedSink fits(304678);
    EXPECT_TRUE(WritePageFile(memory.page, memory.pixels(), fits));

    // Before any page was loaded the headers are zero: nothing to save.
    Memory empty;
    EXPECT_TRUE(Save(empty).empty());
}

TEST(ShippedPages, EveryEditionsFiftyPagesLoadAsLineDrawingsAndSurviveASave) {
    // The repository's page files, found from this source file's own path.
    std::string root = __FILE__;
    root.erase(root.rfind("tests/unit/"));
    for (const EditionInfo& edition : kEditions) {
        for (const char* name : edition.pageNames) {
            // Windows ignores a trailing blank in a file name; one name has one.
            std::string file_name = name;
            while (!file_name.empty() && file_name.back() == ' ') file_name.pop_back();
            const std::string path = root + "editions/" + std::to_string(edition.number) + "/pages/" + file_name;
            const std::vector<uint8_t> file = td::ReadBytes(path);
            ASSERT_FALSE(file.empty()) << path << " is missing";
            Memory memory;
            ASSERT_EQ(memory.Load(file, edition.pageSignature), PageLoadResult::Loaded) << path;
            EXPECT_EQ(PageWidth(memory.page), 660) << path;
            EXPECT_EQ(PageHeight(memory.page), 460) << path;
            size_t lines = 0;
            for (size_t i = 0; i < kBlock; ++i) {
                ASSERT_TRUE(memory.pixels()[i] == kLineIndex || memory.pixels()[i] == kPaperIndex) << path;
                lines += memory.pixels()[i] == kLineIndex;
            }
            EXPECT_GT(lines, 0u) << path << " has no lines";
            EXPECT_LT(lines, kBlock / 2) << path << " is mostly line";

            const std::vector<uint8_t> saved = Save(memory);
            Memory again;
            ASSERT_EQ(again.Load(saved, edition.pageSignature), PageLoadResult::Loaded) << path;
            EXPECT_EQ(0, std::memcmp(again.pixels(), memory.pixels(), kBlock)) << path;
            const uint16_t other = kEditions[edition.number % kEditionCount].pageSignature;
            EXPECT_EQ(again.Load(file, other), PageLoadResult::NotAPage) << path << " read by another edition";
        }
    }
}
