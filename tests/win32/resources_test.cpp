// Every bitmap, wave sound, the cursor and the icon load from the program's own resources
// with the size, depth and format the program relies on. Linked into each edition's
// resources; the harness says which edition through TestEditionNumber().
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

int TestEditionNumber();

namespace {

struct ExpectedBitmap {
    const char* name;
    int width, height, bits;
};

const ExpectedBitmap kSharedBitmaps[] = {
    {"TopBottomBorder", 800, 140, 8}, {"LeftRightBorder", 140, 460, 8},
    {"QuitBtn", 96, 45, 8},           {"QuitBtnDn", 96, 45, 8},
    {"PrintBtn", 79, 45, 8},          {"PrintBtnDn", 79, 45, 8},
    {"ClearBtn", 79, 45, 8},          {"ClearBtnDn", 79, 45, 8},
    {"InfoBtn", 96, 45, 8},           {"InfoBtnDn", 96, 45, 8},
    {"UpBtn", 53, 45, 8},             {"UpBtnDn", 53, 45, 8},
    {"DownBtn", 53, 45, 8},           {"DownBtnDn", 53, 45, 8},
    {"OKButtonUp", 96, 46, 8},        {"OKButtonDown", 96, 46, 8},
    {"AboutUp", 208, 46, 8},          {"AboutDown", 208, 46, 8},
    {"PrintOptUp", 208, 46, 8},       {"PrintOptDown", 208, 46, 8},
    {"DoneBtnUp", 208, 46, 8},        {"DoneBtnDown", 208, 46, 8},
    {"IntroBackGrd", 360, 360, 8},    {"AboutTextFrame", 324, 265, 8},
    {"PrintOptions", 248, 133, 8},
};

// Colour index k + 1 of the page colour table, shown by swatch bitmap 101 + k (0x00RRGGBB).
const uint32_t kSwatchColours[36] = {
    0x000000, 0xFF0000, 0x0000A0, 0xFFFF00, 0x006F00, 0xFF7F00, 0x30006F, 0x6F2F00, 0x9F009F,
    0x7F3F00, 0xFF7070, 0x0060FF, 0xDFFF00, 0x00DF00, 0xFF9F00, 0x9F00FF, 0xBF0000, 0x003F5F,
    0xFFDF00, 0x005F00, 0xD0602F, 0xFF008F, 0x306FB0, 0xDFDF00, 0x00B000, 0xFF8F50, 0xFFFFFF,
    0x8F8F8F, 0xC09F4F, 0xC09FFF, 0xFFCF7F, 0x9FFF7F, 0xFFFF9F, 0x00FFFF, 0xFF8FC0, 0xA06000,
};

const int kWaveMilliseconds[9] = {0, 447, 449, 454, 451, 50, 49, 409, 105};

HINSTANCE Instance() { return GetModuleHandleA(nullptr); }

// Width, height and stored depth of a bitmap resource; all zero when it does not load.
BITMAP StoredBitmap(const char* name) {
    BITMAP bm = {};
    HBITMAP h = static_cast<HBITMAP>(LoadImageA(Instance(), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (h) {
        GetObjectA(h, sizeof bm, &bm);
        DeleteObject(h);
    }
    return bm;
}

void ExpectBitmap(const char* name, int width, int height, int bits) {
    SCOPED_TRACE(IS_INTRESOURCE(name) ? std::to_string(reinterpret_cast<uintptr_t>(name)) : std::string(name));
    HBITMAP plain = LoadBitmapA(Instance(), name);  // how the program loads them
    ASSERT_NE(plain, nullptr);
    BITMAP loaded = {};
    GetObjectA(plain, sizeof loaded, &loaded);
    EXPECT_EQ(loaded.bmWidth, width);
    EXPECT_EQ(loaded.bmHeight, height);
    DeleteObject(plain);
    BITMAP stored = StoredBitmap(name);
    EXPECT_EQ(stored.bmWidth, width);
    EXPECT_EQ(stored.bmHeight, height);
    EXPECT_EQ(stored.bmBitsPixel, bits);
}

// The resource bytes of a wave sound, or nullptr.
const uint8_t* WaveBytes(const char* name, DWORD* size) {
    HRSRC info = FindResourceA(Instance(), name, "WAVE");
    if (!info) return nullptr;
    HGLOBAL res = LoadResource(Instance(), info);
    *size = SizeofResource(Instance(), info);
    return res ? static_cast<const uint8_t*>(LockResource(res)) : nullptr;
}

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }

struct Wave {
    uint16_t format = 0, channels = 0, bits = 0;
    uint32_t rate = 0;
    const int16_t* samples = nullptr;
    uint32_t count = 0;
};

// Walks the RIFF chunks of a wave resource.
bool ParseWave(const uint8_t* p, DWORD size, Wave* w) {
    if (size < 12 || std::memcmp(p, "RIFF", 4) != 0 || std::memcmp(p + 8, "WAVE", 4) != 0) return false;
    if (U32(p + 4) + 8 != size) return false;
    for (DWORD pos = 12; pos + 8 <= size;) {
        uint32_t len = U32(p + pos + 4);
        if (pos + 8 + len > size) return false;
        if (std::memcmp(p + pos, "fmt ", 4) == 0 && len >= 16) {
            w->format = U16(p + pos + 8);
            w->channels = U16(p + pos + 10);
            w->rate = U32(p + pos + 12);
            w->bits = U16(p + pos + 22);
        } else if (std::memcmp(p + pos, "data", 4) == 0) {
            w->samples = reinterpret_cast<const int16_t*>(p + pos + 8);
            w->count = len / 2;
        }
        pos += 8 + len + (len & 1);
    }
    return w->format != 0 && w->samples != nullptr;
}

TEST(Resources, SharedBitmapsLoadByNameWithTheirSizeAndDepth) {
    for (const ExpectedBitmap& b : kSharedBitmaps) ExpectBitmap(b.name, b.width, b.height, b.bits);
}

TEST(Resources, EditionBitmapsLoadWithTheEditionsSizeAndDepth) {
    const int n = TestEditionNumber();
    const bool older = n <= 3;
    ExpectBitmap("IntroScr", 332, 212, 24);
    ExpectBitmap("CopyRight", 320, 55, 8);
    ExpectBitmap("Titles", n == 5 ? 141 : 140, 510, 8);
    ExpectBitmap("DotPattern", 8, 8, older ? 4 : 8);
    ExpectBitmap("DotPatternShadow", 8, 8, older ? 4 : 24);
}

TEST(Resources, BitmapNamesAreFoundWithoutRegardToCase) {
    ExpectBitmap("topbottomborder", 800, 140, 8);
    ExpectBitmap("OKBUTTONUP", 96, 46, 8);
}

TEST(Resources, SwatchBitmapsShowTheirColourInBothLooks) {
    HDC dc = CreateCompatibleDC(nullptr);
    for (int k = 0; k < 36; ++k) {
        const char* id = MAKEINTRESOURCEA(101 + k);
        ExpectBitmap(id, 45, 90, 8);
        HBITMAP h = static_cast<HBITMAP>(LoadImageA(Instance(), id, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
        ASSERT_NE(h, nullptr);
        HGDIOBJ old = SelectObject(dc, h);
        const uint32_t c = kSwatchColours[k];
        const COLORREF want = RGB(c >> 16, (c >> 8) & 0xFF, c & 0xFF);
        EXPECT_EQ(GetPixel(dc, 22, 22), want) << "unselected look of swatch " << 101 + k;
        EXPECT_EQ(GetPixel(dc, 22, 45 + 22), want) << "selected look of swatch " << 101 + k;
        // the selected look must stand out: most of its pixels differ from the unselected look
        int differing = 0;
        for (int y = 0; y < 45; ++y)
            for (int x = 0; x < 45; ++x) differing += GetPixel(dc, x, y) != GetPixel(dc, x, y + 45);
        EXPECT_GT(differing, 45 * 45 * 3 / 10) << "swatch " << 101 + k;
        SelectObject(dc, old);
        DeleteObject(h);
    }
    DeleteDC(dc);
}

TEST(Resources, TitleStripZeroIsEmptyAndEveryPageHasAName) {
    HBITMAP h = static_cast<HBITMAP>(LoadImageA(Instance(), "Titles", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ASSERT_NE(h, nullptr);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, h);
    for (int strip = 0; strip <= 50; ++strip) {
        const COLORREF plate = GetPixel(dc, 0, strip * 10);
        int inked = 0;
        for (int y = strip * 10; y < strip * 10 + 10; ++y)
            for (int x = 0; x < 140; ++x) inked += GetPixel(dc, x, y) != plate;
        if (strip == 0)
            EXPECT_EQ(inked, 0);
        else
            EXPECT_GT(inked, 20) << "strip " << strip;
    }
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(h);
}

TEST(Resources, WavesArePcmMono16Bit22kHzAtTheirLengths) {
    for (int n = 1; n <= 8; ++n) {
        SCOPED_TRACE("sound " + std::to_string(n));
        DWORD size = 0;
        const uint8_t* p = WaveBytes(MAKEINTRESOURCEA(n), &size);
        ASSERT_NE(p, nullptr);
        Wave w;
        ASSERT_TRUE(ParseWave(p, size, &w));
        EXPECT_EQ(w.format, 1);  // PCM
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.rate, 22050u);
        EXPECT_EQ(w.bits, 16);
        EXPECT_NEAR(w.count / 22.05, kWaveMilliseconds[n], 1.0);
        int peak = 0;
        for (uint32_t i = 0; i < w.count; ++i) peak = std::max(peak, std::abs(static_cast<int>(w.samples[i])));
        EXPECT_GT(peak, 0);
        EXPECT_LE(peak, 29204);  // -1 dBFS
    }
}

TEST(Resources, LoopSoundsStartAndEndNearZero) {
    for (int n : {5, 6}) {
        DWORD size = 0;
        const uint8_t* p = WaveBytes(MAKEINTRESOURCEA(n), &size);
        ASSERT_NE(p, nullptr);
        Wave w;
        ASSERT_TRUE(ParseWave(p, size, &w));
        ASSERT_GT(w.count, 2u);
        EXPECT_LE(std::abs(static_cast<int>(w.samples[0])), 328) << "sound " << n;
        EXPECT_LE(std::abs(static_cast<int>(w.samples[w.count - 1])), 328) << "sound " << n;
    }
}

TEST(Resources, ClearWaveHoldsTheBytesOfSoundSeven) {
    DWORD clearSize = 0, sevenSize = 0;
    const uint8_t* clear = WaveBytes("CLEARWAVE", &clearSize);
    const uint8_t* seven = WaveBytes(MAKEINTRESOURCEA(7), &sevenSize);
    ASSERT_NE(clear, nullptr);
    ASSERT_NE(seven, nullptr);
    ASSERT_EQ(clearSize, sevenSize);
    EXPECT_EQ(std::memcmp(clear, seven, clearSize), 0);
}

TEST(Resources, EditCursorIsTwoColour32x32WithItsHotSpotAtTheTopLeft) {
    HCURSOR cursor = LoadCursorA(Instance(), "EditCursor");
    ASSERT_NE(cursor, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(cursor, &info));
    EXPECT_FALSE(info.fIcon);
    EXPECT_EQ(info.xHotspot, 0u);
    EXPECT_EQ(info.yHotspot, 0u);
    BITMAP mask = {};
    GetObjectA(info.hbmMask, sizeof mask, &mask);
    EXPECT_EQ(mask.bmWidth, 32);
    EXPECT_EQ(mask.bmBitsPixel, 1);
    if (info.hbmColor) {  // a colour part, if the system made one, must be 32 x 32 too
        BITMAP colour = {};
        GetObjectA(info.hbmColor, sizeof colour, &colour);
        EXPECT_EQ(colour.bmWidth, 32);
        EXPECT_EQ(colour.bmHeight, 32);
        DeleteObject(info.hbmColor);
    } else {
        EXPECT_EQ(mask.bmHeight, 64);  // AND mask above XOR mask
    }
    DeleteObject(info.hbmMask);
    // the point of the crayon is the hot spot: its pixel is drawn, not transparent
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP target = CreateBitmap(32, 32, 1, 32, nullptr);
    HGDIOBJ old = SelectObject(dc, target);
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    DrawIconEx(dc, 0, 0, cursor, 32, 32, 0, nullptr, DI_NORMAL);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(0, 0, 0));           // the black wax point
    EXPECT_EQ(GetPixel(dc, 31, 0), RGB(128, 128, 128));  // far corner stays transparent
    SelectObject(dc, old);
    DeleteObject(target);
    DeleteDC(dc);
}

TEST(Resources, IconIs32x32) {
    HICON icon = LoadIconA(Instance(), "TWLIcon");
    ASSERT_NE(icon, nullptr);
    ICONINFO info = {};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    ASSERT_NE(info.hbmColor, nullptr);
    BITMAP colour = {};
    GetObjectA(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 32);
    EXPECT_EQ(colour.bmHeight, 32);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    HICON exact = static_cast<HICON>(LoadImageA(Instance(), "TWLIcon", IMAGE_ICON, 32, 32, 0));
    EXPECT_NE(exact, nullptr);
    if (exact) DestroyIcon(exact);
}

}  // namespace
