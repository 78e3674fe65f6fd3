// An off-screen drawing surface: a memory context with a compatible bitmap,
// through which whole screens are composed before one copy to the window.
#pragma once

#include <windows.h>

#include "support/scoped_gdi.h"

class OffscreenSurface {
public:
    OffscreenSurface(HDC reference, int width, int height);
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    HDC Context() const { return dc_; }
    void CopyTo(HDC target, int x, int y) const;

private:
    // Released in reverse order: the bitmap is deselected, then the context
    // deleted, then the bitmap.
    ScopedGdiObject bitmap_;
    ScopedMemoryDC dc_;
    ScopedSelectObject selected_;
    int width_;
    int height_;
};
