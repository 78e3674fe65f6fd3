#include "tests/e2e/support/program_art.h"

#include "tests/e2e/support/desktop.h"
#include "tests/support/dib_info.h"

namespace e2e {

ProgramArt::ProgramArt(int edition)
    : module_(LoadLibraryExA(ProgramPath(edition).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}

ProgramArt::~ProgramArt() {
    if (module_) FreeLibrary(module_);
}

namespace {
HBITMAP Load(HMODULE module, const char* name) {
    if (!module) return nullptr;
    if (name[0] == '#') return LoadBitmapA(module, MAKEINTRESOURCEA(atoi(name + 1)));
    return LoadBitmapA(module, name);
}
}  // namespace

std::vector<COLORREF> ProgramArt::Region(const char* name, int x, int y, int width, int height) const {
    HBITMAP bitmap = Load(module_, name);
    if (!bitmap) return {};
    // Drawn on a bitmap of the screen's depth first, so colours are quantised as on screen.
    HDC screen = GetDC(nullptr);
    HDC source = CreateCompatibleDC(screen);
    HDC shown = CreateCompatibleDC(screen);
    HBITMAP shownBitmap = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ oldSource = SelectObject(source, bitmap);
    HGDIOBJ oldShown = SelectObject(shown, shownBitmap);
    BitBlt(shown, 0, 0, width, height, source, x, y, SRCCOPY);
    SelectObject(source, oldSource);
    DeleteDC(source);
    DeleteObject(bitmap);

    BITMAPINFO info = Dib32Info(width, -height);
    std::vector<COLORREF> pixels(size_t(width) * size_t(height));
    SelectObject(shown, oldShown);
    GetDIBits(shown, shownBitmap, 0, height, pixels.data(), &info, DIB_RGB_COLORS);
    for (COLORREF& p : pixels) p &= 0xFFFFFF;
    DeleteDC(shown);
    DeleteObject(shownBitmap);
    ReleaseDC(nullptr, screen);
    return pixels;
}

Match CompareRegion(const std::vector<COLORREF>& expected, int screenX, int screenY, int width, int height,
                    int step) {
    Match match;
    if (expected.size() != size_t(width) * size_t(height)) return match;
    const auto shown = ScreenRegion(screenX, screenY, width, height);
    for (int dy = step / 2; dy < height; dy += step)
        for (int dx = step / 2; dx < width; dx += step) {
            ++match.total;
            const size_t i = size_t(dy) * size_t(width) + size_t(dx);
            if (NearColour(expected[i], shown[i], 10)) ++match.matching;
        }
    return match;
}

Match CompareScreen(const ProgramArt& art, const char* bitmap, int srcX, int srcY, int screenX, int screenY,
                    int width, int height, int step) {
    return CompareRegion(art.Region(bitmap, srcX, srcY, width, height), screenX, screenY, width, height, step);
}

bool WaitForArt(const ProgramArt& art, const char* bitmap, int srcX, int srcY, int screenX, int screenY, int width,
                int height, DWORD timeoutMs) {
    const auto expected = art.Region(bitmap, srcX, srcY, width, height);
    return WaitUntil([&] { return CompareRegion(expected, screenX, screenY, width, height, 3).all(); }, timeoutMs);
}

}  // namespace e2e
