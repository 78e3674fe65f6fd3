// Copies of the page area of the screen (the page's place on the colouring
// screen), as 0xRRGGBB values, for benchmarks that watch the page change.
#pragma once

#include <windows.h>

#include <cstdint>
#include <vector>

#include "tests/e2e/support/session.h"
#include "tests/support/dib_info.h"

class PageCapture {
public:
    static constexpr int kWidth = 660, kHeight = 460;

    PageCapture() {
        BITMAPINFO info = Dib32Info(kWidth, -kHeight);
        screen_ = GetDC(nullptr);
        memory_ = CreateCompatibleDC(screen_);
        bitmap_ = CreateDIBSection(screen_, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(memory_, bitmap_);
    }
    ~PageCapture() {
        SelectObject(memory_, old_);
        DeleteObject(bitmap_);
        DeleteDC(memory_);
        ReleaseDC(nullptr, screen_);
    }
    PageCapture(const PageCapture&) = delete;
    PageCapture& operator=(const PageCapture&) = delete;

    void Take(std::vector<uint32_t>& into) {
        Copy();
        into.assign(bits_, bits_ + size_t(kWidth) * kHeight);
        for (uint32_t& p : into) p &= 0xFFFFFF;
    }

    // Whether every pixel of the page shows the colour.
    bool AllOf(COLORREF colour) {
        Copy();
        for (size_t i = 0; i < size_t(kWidth) * kHeight; ++i)
            if (!e2e::NearColour(bits_[i] & 0xFFFFFF, colour)) return false;
        return true;
    }

private:
    void Copy() {
        BitBlt(memory_, 0, 0, kWidth, kHeight, screen_, e2e::kPageX, e2e::kPageY, SRCCOPY);
        GdiFlush();
    }

    HDC screen_, memory_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
    uint32_t* bits_ = nullptr;
};
