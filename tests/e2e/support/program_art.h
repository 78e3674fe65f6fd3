// The pictures a program shows, read from its own resources, so screen pixels
// can be compared with the bitmaps they should come from.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

class ProgramArt {
public:
    explicit ProgramArt(int edition);
    ~ProgramArt();
    ProgramArt(const ProgramArt&) = delete;
    ProgramArt& operator=(const ProgramArt&) = delete;

    // A rectangle of a bitmap resource (by name, or "#101" for a number) as the
    // screen shows it, 0xRRGGBB row by row from the top; empty when there is no such bitmap.
    std::vector<COLORREF> Region(const char* name, int x, int y, int width, int height) const;

private:
    HMODULE module_;
};

// How many of the sampled points (a grid over the rectangle) show the bitmap's
// pixels at the screen offset; every point is compared with a tolerance.
struct Match {
    int total = 0;
    int matching = 0;
    bool all() const { return total > 0 && matching == total; }
};
Match CompareScreen(const ProgramArt& art, const char* bitmap, int srcX, int srcY, int screenX, int screenY,
                    int width, int height, int step = 7);

Match CompareRegion(const std::vector<COLORREF>& expected, int screenX, int screenY, int width, int height,
                    int step = 7);

// Polls until the screen shows the bitmap's rectangle at the offset; the
// expected pixels are read once, so short-lived looks are caught.
bool WaitForArt(const ProgramArt& art, const char* bitmap, int srcX, int srcY, int screenX, int screenY, int width,
                int height, DWORD timeoutMs);

}  // namespace e2e
