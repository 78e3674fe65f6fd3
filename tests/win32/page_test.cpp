// Loading, saving and drawing the page in-process under Wine: real files in a
// folder of their own, the real message boxes, a real device context.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/globals.h"
#include "app/page_files.h"
#include "editions/edition.h"
#include "page/colours.h"
#include "page/draw.h"
#include "page/page_image.h"
#include "page/page_store.h"
#include "page/palette.h"
#include "support/gmem.h"
#include "tests/testdata/page_writer.h"
#include "tests/win32/support/box_watcher.h"
#include "tests/win32/support/temp_folder.h"
#include "tests/support/dib_info.h"

namespace td = testdata;

namespace {
constexpr size_t kBlock = size_t(kPageWidth) * kPageHeight;

uint8_t Colour(int x, int y) { return uint8_t((x / 9 + 2 * (y / 4)) % 38); }
const td::LineAt kDrawing = td::OutlinedRects({{0, 0, 659, 459}, {100, 50, 300, 200}, {400, 300, 420, 310}});

// The page image as bytes, to see whether a failed load changed anything.
std::vector<uint8_t> Snapshot() {
    std::vector<uint8_t> bytes(gPageImage.fileHeader, gPageImage.fileHeader + kFileHeaderBytes);
    bytes.insert(bytes.end(), gPageImage.info, gPageImage.info + kInfoBytes);
    bytes.insert(bytes.end(), lpDib, lpDib + kBlock);
    return bytes;
}

bool Exists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

// Each test runs in a fresh folder as the current directory, with the image
// blocks and a main window that owns the boxes.
class PageFiles : public testing::Test {
protected:
    void SetUp() override {
        if (!lpDib) {
            ASSERT_TRUE(AllocateGlobalBlocks());
            ownBlocks_ = true;
        }
        hwndMain = CreateWindowExA(0, "STATIC", "main", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, hInst, nullptr);
        BuildPagePalette(hwndMain);
    }
    void TearDown() override {
        ReleasePagePalette();
        DestroyWindow(hwndMain);
        hwndMain = nullptr;
        if (ownBlocks_) {
            FreeGlobalBlock(lpDib);
            FreeGlobalBlock(lpDibClear);
            FreeGlobalBlock(lpDibPrint);
        }
    }

    // Loads a good 8-bit page, so that a failed load has something to keep.
    void LoadGoodPage() {
        ASSERT_TRUE(td::WriteColourPage("good.col", 1, Colour, true));
        ASSERT_TRUE(LoadPage("good.col"));
    }

    TempCurrentFolder folder_{"pages"};
    bool ownBlocks_ = false;
};
}  // namespace

TEST_F(PageFiles, AMissingFileShowsItsBareNameWithAnExclamationAndKeepsThePage) {
    LoadGoodPage();
    const std::vector<uint8_t> before = Snapshot();
    BoxWatcher box("Tintwell", IDOK);
    EXPECT_FALSE(LoadPage(PageName(0)));
    box.Join();
    EXPECT_TRUE(box.seen());
    EXPECT_EQ(box.text(), "The file airplane.col is missing.");
    EXPECT_TRUE(box.hasIcon());
    EXPECT_TRUE(box.hasButton(IDOK));
    EXPECT_FALSE(box.hasButton(IDCANCEL));
    EXPECT_TRUE(Snapshot() == before);
}

TEST_F(PageFiles, FilesThatAreNotPagesShowTheNotAPageBoxWithoutIconAndKeepThePage) {
    LoadGoodPage();
    const std::vector<uint8_t> before = Snapshot();

    std::vector<uint8_t> bitmap = td::ColourPageBytes(1, Colour);
    bitmap[0] = 'B';
    bitmap[1] = 'M';
    std::vector<uint8_t> tooWide = td::MonoPageBytes(1, kDrawing, 700, 460);
    std::vector<uint8_t> cut = td::MonoPageBytes(1, kDrawing);
    cut.resize(cut.size() / 2);
    const struct {
        const char* name;
        std::vector<uint8_t> bytes;
    } files[] = {
        {"bitmap.col", bitmap},
        {"third.col", td::MonoPageBytes(3, kDrawing)},
        {"wide.col", tooWide},
        {"cut.col", cut},
    };
    for (const auto& file : files) {
        ASSERT_TRUE(td::WriteBytes(file.name, file.bytes));
        BoxWatcher box("Tintwell", IDOK);
        EXPECT_FALSE(LoadPage(file.name)) << file.name;
        box.Join();
        EXPECT_TRUE(box.seen()) << file.name;
        EXPECT_EQ(box.text(), "This is not a coloring book page.") << file.name;
        EXPECT_FALSE(box.hasIcon()) << file.name;
        EXPECT_TRUE(box.hasButton(IDOK)) << file.name;
        EXPECT_TRUE(Snapshot() == before) << file.name;
        EXPECT_EQ(td::ReadBytes(file.name), file.bytes) << file.name << " was changed";
    }
}

TEST_F(PageFiles, ANameWithATrailingBlankOpensAndReplacesTheFileWithoutIt) {
    // Edition 5 lists "flowers.co5 " with one trailing blank.
    ASSERT_TRUE(td::WriteMonoPage("flowers.co5", 1, kDrawing));
    ASSERT_TRUE(LoadPage("flowers.co5 "));
    lpDib[0] = 12;
    ASSERT_TRUE(SavePage("flowers.co5 "));
    const std::vector<uint8_t> saved = td::ReadBytes("flowers.co5");
    ASSERT_EQ(saved.size(), 304678u);
    EXPECT_EQ(saved[1078], 12);
    // Only the page itself is left in the folder: no second file, no temporary file.
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA("*", &found);
    int files = 0;
    do files += (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? 0 : 1;
    while (FindNextFileA(search, &found));
    FindClose(search);
    EXPECT_EQ(files, 1);

    // The blank shows only in the missing-file box.
    DeleteFileA("flowers.co5");
    BoxWatcher box("Tintwell", IDOK);
    EXPECT_FALSE(LoadPage("flowers.co5 "));
    box.Join();
    EXPECT_EQ(box.text(), "The file flowers.co5  is missing.");
}

TEST_F(PageFiles, AOneBitPageIsSavedInTheEightBitFormAndLoadsBackTheSame) {
    ASSERT_TRUE(td::WriteMonoPage("airplane.col", 1, kDrawing));
    ASSERT_TRUE(LoadPage("airplane.col"));
    for (int y = 0; y < kPageHeight; y += 3)
        for (int x = 0; x < kPageWidth; ++x)
            ASSERT_EQ(lpDib[PixelOffset(x, y, kPageWidth, kPageHeight)], kDrawing(x, y) ? 0 : 37) << x << "," << y;
    const std::vector<uint8_t> loaded = Snapshot();

    ASSERT_TRUE(SavePage("airplane.col"));
    // The file is the 8-bit page an independent writer makes of the same picture,
    // with the fields the load keeps from the 1-bit file.
    std::vector<uint8_t> expected = td::ColourPageBytes(
        1, [](int x, int y) { return uint8_t(kDrawing(x, y) ? 0 : 37); });
    td::PutU32(expected, td::kBiClrImportant, 2);
    const std::vector<uint8_t> saved = td::ReadBytes("airplane.col");
    EXPECT_EQ(saved.size(), 304678u);
    EXPECT_TRUE(saved == expected);
    EXPECT_FALSE(Exists("airplane.col.tmp"));

    std::memset(lpDib, 5, kBlock);
    ASSERT_TRUE(LoadPage("airplane.col"));
    EXPECT_TRUE(Snapshot() == loaded);
}

TEST_F(PageFiles, AnEightBitPageKeepsItsColourTableAndCleanFlagThroughSaveAndLoad) {
    std::vector<uint8_t> table(1024);
    for (size_t i = 0; i < table.size(); ++i) table[i] = uint8_t(255 - i);
    const std::vector<uint8_t> file = td::ColourPageBytes(1, Colour, true, 660, 460, table);
    ASSERT_TRUE(td::WriteBytes("page.col", file));
    ASSERT_TRUE(LoadPage("page.col"));
    EXPECT_TRUE(PageIsClean(gPageImage));
    ASSERT_TRUE(SavePage("page.col"));
    EXPECT_TRUE(td::ReadBytes("page.col") == file);

    // Painted since: the flag goes down, and stays down after a reload.
    SetPageClean(gPageImage, false);
    lpDib[0] = 7;
    ASSERT_TRUE(SavePage("page.col"));
    std::memset(lpDib, 0, kBlock);
    ASSERT_TRUE(LoadPage("page.col"));
    EXPECT_FALSE(PageIsClean(gPageImage));
    EXPECT_EQ(lpDib[0], 7);
    EXPECT_EQ(0, std::memcmp(gPageImage.info + kColourTableOffset, table.data(), table.size()));
}

TEST_F(PageFiles, AFailedSaveReturnsFalseAndLeavesTheOldFileIntact) {
    LoadGoodPage();
    const std::vector<uint8_t> old = td::ReadBytes("good.col");
    lpDib[100] = 9;  // the page in memory differs from the file

    // The temporary file cannot be created: a folder has its name.
    ASSERT_TRUE(CreateDirectoryA("good.col.tmp", nullptr));
    EXPECT_FALSE(SavePage("good.col"));
    EXPECT_TRUE(td::ReadBytes("good.col") == old);
    RemoveDirectoryA("good.col.tmp");

    // The old file cannot be replaced: another program holds it open.
    HANDLE held = CreateFileA("good.col", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(SavePage("good.col"));
    CloseHandle(held);
    EXPECT_TRUE(td::ReadBytes("good.col") == old);
    EXPECT_FALSE(Exists("good.col.tmp")) << "the temporary file is removed";

    // A folder stands where the page should be.
    ASSERT_TRUE(CreateDirectoryA("folder.col", nullptr));
    EXPECT_FALSE(SavePage("folder.col"));
    EXPECT_FALSE(Exists("folder.col.tmp")) << "the temporary file is removed";
    RemoveDirectoryA("folder.col");

    // A folder that does not exist.
    EXPECT_FALSE(SavePage("no such folder\\good.col"));

    // A page marked read-only is kept as it is, mark and all.
    ASSERT_TRUE(SetFileAttributesA("good.col", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SavePage("good.col"));
    EXPECT_TRUE(td::ReadBytes("good.col") == old);
    EXPECT_TRUE(GetFileAttributesA("good.col") & FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(SetFileAttributesA("good.col", FILE_ATTRIBUTE_NORMAL));

    // A read-only leftover of an earlier save is in the way, and stays.
    ASSERT_TRUE(td::WriteBytes("good.col.tmp", {1, 2, 3}));
    ASSERT_TRUE(SetFileAttributesA("good.col.tmp", FILE_ATTRIBUTE_READONLY));
    EXPECT_FALSE(SavePage("good.col"));
    EXPECT_TRUE(td::ReadBytes("good.col") == old);
    ASSERT_TRUE(SetFileAttributesA("good.col.tmp", FILE_ATTRIBUTE_NORMAL));
    DeleteFileA("good.col.tmp");

    // And once nothing is in the way, the save goes through.
    EXPECT_TRUE(SavePage("good.col"));
    EXPECT_EQ(td::ReadBytes("good.col")[1078 + 100], 9);
}

TEST_F(PageFiles, ASaveReplacesALeftoverTemporaryFile) {
    LoadGoodPage();
    ASSERT_TRUE(td::WriteBytes("good.col.tmp", std::vector<uint8_t>(5000000, 0xEE)));
    ASSERT_TRUE(SavePage("good.col"));
    EXPECT_EQ(td::ReadBytes("good.col"), td::ColourPageBytes(1, Colour, true));
    EXPECT_FALSE(Exists("good.col.tmp"));
}

namespace {
// An 800 x 600 32-bit memory bitmap, so drawn colours read back exactly.
struct Canvas {
    HDC dc = nullptr;
    HBITMAP bitmap = nullptr;
    HGDIOBJ previous = nullptr;
    uint32_t* bits = nullptr;
    Canvas() {
        BITMAPINFO info = Dib32Info(800, -600);  // top-down, so bits[y * 800 + x]
        dc = CreateCompatibleDC(nullptr);
        void* p = nullptr;
        bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &p, nullptr, 0);
        bits = static_cast<uint32_t*>(p);
        previous = SelectObject(dc, bitmap);
        for (int i = 0; i < 800 * 600; ++i) bits[i] = 0x123456;
    }
    ~Canvas() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    uint32_t At(int x, int y) const {
        GdiFlush();
        return bits[y * 800 + x] & 0xFFFFFF;
    }
};

// 0xRRGGBB as a 32-bit DIB pixel holds it.
uint32_t Rgb(uint32_t colour) { return (ColourRed(colour) << 16) | (ColourGreen(colour) << 8) | ColourBlue(colour); }
}  // namespace

TEST_F(PageFiles, APageIsDrawnAtSeventyWithItsCornersInThePaletteColours) {
    const auto corners = [](int x, int y) -> uint8_t {
        if (x == 0 && y == 0) return 2;
        if (x == 659 && y == 0) return 4;
        if (x == 0 && y == 459) return 5;
        if (x == 659 && y == 459) return 3;
        return 37;
    };
    ASSERT_TRUE(td::WriteColourPage("corners.col", 1, corners));
    ASSERT_TRUE(LoadPage("corners.col"));
    Canvas canvas;
    ASSERT_TRUE(DrawPage(canvas.dc, 70, 70));
    EXPECT_EQ(canvas.At(70, 70), Rgb(kPageColours[2]));
    EXPECT_EQ(canvas.At(729, 70), Rgb(kPageColours[4]));
    EXPECT_EQ(canvas.At(70, 529), Rgb(kPageColours[5]));
    EXPECT_EQ(canvas.At(729, 529), Rgb(kPageColours[3]));
    EXPECT_EQ(canvas.At(400, 300), 0xEFEFEFu);
    // Nothing outside the page rectangle is touched.
    for (auto [x, y] : {std::pair{69, 70}, {70, 69}, {730, 529}, {729, 530}, {0, 0}, {799, 599}})
        EXPECT_EQ(canvas.At(x, y), 0x123456u) << x << "," << y;
}

TEST_F(PageFiles, AOneBitPageIsDrawnInLineBlackAndPaperThroughThePagePalette) {
    ASSERT_TRUE(td::WriteMonoPage("lines.col", 1, kDrawing));
    ASSERT_TRUE(LoadPage("lines.col"));
    Canvas canvas;
    ASSERT_TRUE(DrawPage(canvas.dc, 70, 70));
    for (int y = 0; y < kPageHeight; y += 5)
        for (int x = 0; x < kPageWidth; x += 3)
            ASSERT_EQ(canvas.At(70 + x, 70 + y), kDrawing(x, y) ? 0u : 0xEFEFEFu) << x << "," << y;
    // A pixel painted with a swatch colour shows in that colour.
    lpDib[PixelOffset(150, 100, kPageWidth, kPageHeight)] = 12;
    ASSERT_TRUE(DrawPage(canvas.dc, 70, 70));
    EXPECT_EQ(canvas.At(220, 170), Rgb(kPageColours[12]));
}

TEST_F(PageFiles, NothingIsDrawnWithoutThePixelBlock) {
    LoadGoodPage();
    Canvas canvas;
    uint8_t* block = lpDib;
    lpDib = nullptr;
    EXPECT_FALSE(DrawPage(canvas.dc, 70, 70));
    lpDib = block;
    EXPECT_EQ(canvas.At(70, 70), 0x123456u);
}

TEST_F(PageFiles, BuildingThePaletteFillsTheColourTableAndLeavesReservedBytes) {
    ReleasePagePalette();  // built again below
    uint8_t* table = gPageImage.info + kColourTableOffset;
    std::memset(table, 0x77, 1024);
    ASSERT_TRUE(BuildPagePalette(hwndMain));
    for (int i = 0; i < 256; ++i) {
        const uint32_t expected = i < kColourCount ? kPageColours[i] : i == 255 ? 0xFFFFFFu : 0u;
        EXPECT_EQ(table[4 * i + 0], ColourBlue(expected)) << "entry " << i;
        EXPECT_EQ(table[4 * i + 1], ColourGreen(expected)) << "entry " << i;
        EXPECT_EQ(table[4 * i + 2], ColourRed(expected)) << "entry " << i;
        EXPECT_EQ(table[4 * i + 3], 0x77) << "entry " << i;
    }
    // The logical palette itself: the 38 colours reserved for animation.
    ASSERT_NE(hPagePalette, nullptr);
    PALETTEENTRY entries[256];
    ASSERT_EQ(GetPaletteEntries(hPagePalette, 0, 256, entries), 256u);
    for (int i = 0; i < 256; ++i) {
        const uint32_t expected = i < kColourCount ? kPageColours[i] : i == 255 ? 0xFFFFFFu : 0u;
        EXPECT_EQ(entries[i].peRed, ColourRed(expected)) << i;
        EXPECT_EQ(entries[i].peGreen, ColourGreen(expected)) << i;
        EXPECT_EQ(entries[i].peBlue, ColourBlue(expected)) << i;
        EXPECT_EQ(entries[i].peFlags, i < kColourCount ? PC_RESERVED : 0) << i;
    }
}

TEST_F(PageFiles, ReleasingThePaletteDeletesItOnce) {
    HPALETTE palette = hPagePalette;
    ASSERT_NE(palette, nullptr);
    ReleasePagePalette();
    EXPECT_EQ(hPagePalette, nullptr);
    EXPECT_EQ(GetObjectType(palette), 0u) << "the palette object still exists";
    ReleasePagePalette();  // again, as TearDown does: nothing left to delete
    EXPECT_EQ(hPagePalette, nullptr);
}

TEST_F(PageFiles, WithoutTheImageBlocksNothingIsLoadedOrSaved) {
    ASSERT_TRUE(td::WriteColourPage("page.col", 1, Colour));
    const std::vector<uint8_t> file = td::ReadBytes("page.col");
    uint8_t* block = lpDib;
    lpDib = nullptr;
    // No box either: one would block this test.
    EXPECT_FALSE(LoadPage("page.col"));
    EXPECT_FALSE(SavePage("page.col"));
    lpDib = block;
    EXPECT_TRUE(td::ReadBytes("page.col") == file);
}

TEST(BusyWait, ReturnsNoEarlierThanTheTickCountHasAdvanced) {
    for (unsigned ms : {0u, 1u, 20u, 125u}) {
        const DWORD start = GetTickCount();
        BusyWait(ms);
        EXPECT_GE(GetTickCount() - start, ms);
    }
}
