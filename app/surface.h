// An off-screen drawing surface: a memory context with a compatible bitmap,
// through which whole screens are composed before one copy to the window.
#pragma once

#include <windows.h>

class OffscreenSurface {
public:
    OffscreenSurface(HDC reference, int width, int height);
    virtual ~OffscreenSurface();
    OffscreenSurface(const OffscreenSurface&) = delete;
    OffscreenSurface& operator=(const OffscreenSurface&) = delete;

    HDC Context() const { return dc_; }
    void CopyTo(HDC target, int x, int y) const;

private:
    HDC dc_;
    HBITMAP bitmap_;
    int width_;
    int height_;
    HGDIOBJ previous_;
};
