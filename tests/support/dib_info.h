// The header of a 32-bit DIB of the given size: one 0x00RRGGBB value per pixel.
// A negative height makes it top-down, so row y starts at y * width.
#pragma once

#include <windows.h>

inline BITMAPINFO Dib32Info(int width, int height) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    return info;
}
