#include "app/surface.h"

OffscreenSurface::OffscreenSurface(HDC reference, int width, int height)
    : dc_(CreateCompatibleDC(reference)),
      bitmap_(CreateCompatibleBitmap(reference, width, height)),
      width_(width),
      height_(height),
      previous_(nullptr) {
    if (dc_ && bitmap_) previous_ = SelectObject(dc_, bitmap_);
}

OffscreenSurface::~OffscreenSurface() {
    if (dc_ && previous_) SelectObject(dc_, previous_);
    if (dc_) DeleteDC(dc_);
    if (bitmap_) DeleteObject(bitmap_);
}

void OffscreenSurface::CopyTo(HDC target, int x, int y) const {
    BitBlt(target, x, y, width_, height_, dc_, 0, 0, SRCCOPY);
}
