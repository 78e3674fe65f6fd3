#include "app/surface.h"

OffscreenSurface::OffscreenSurface(HDC reference, int width, int height)
    : bitmap_(CreateCompatibleBitmap(reference, width, height)),
      dc_(reference),
      selected_(dc_, bitmap_.get()),
      width_(width),
      height_(height) {}

void OffscreenSurface::CopyTo(HDC target, int x, int y) const {
    BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}
