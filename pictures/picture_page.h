// A page file read for saving as a picture: whether the child has coloured it,
// and its pixels in the colours of the page's own colour table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "page/page_image.h"

enum class PagePictureState {
    Coloured,     // at least one pixel holds a paint colour (1..36)
    NotColoured,  // only line and paper: a blank or cleared page
    Unreadable,   // not a page file of this edition, or damaged
};

struct PagePicture {
    PageImage page;
    std::vector<uint8_t> pixels;  // width x height colour indices, rows bottom-up
};

// Reads a whole page file held in memory (never changing it) with the page codec.
PagePictureState ReadPagePicture(const uint8_t* data, size_t size, uint16_t signature, PagePicture& picture);

// The picture as 24-bit rows from the top, blue, green, red per pixel, each row
// 3 x width bytes (660 x 3 is a multiple of 4, so rows need no padding).
std::vector<uint8_t> PictureBgrRows(const PagePicture& picture);
