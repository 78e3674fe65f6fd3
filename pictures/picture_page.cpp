#include "pictures/picture_page.h"

#include "page/colours.h"
#include "page/page_file.h"

PagePictureState ReadPagePicture(const uint8_t* data, size_t size, uint16_t signature, PagePicture& picture) {
    PaletteColour palette[256];
    BuildPaletteEntries(palette);
    picture.pixels.assign(size_t(kPageWidth) * kPageHeight, 0);
    std::vector<uint8_t> scratch(picture.pixels.size());
    MemorySource source(data, size);
    if (ReadPageFile(source, signature, palette, picture.page, picture.pixels.data(), scratch.data()) !=
        PageLoadResult::Loaded)
        return PagePictureState::Unreadable;
    // A smaller page fills only the start of the block.
    picture.pixels.resize(size_t(PageWidth(picture.page)) * size_t(PageHeight(picture.page)));
    for (uint8_t v : picture.pixels)
        if (v != kLineIndex && v < kPaperIndex) return PagePictureState::Coloured;
    return PagePictureState::NotColoured;
}

std::vector<uint8_t> PictureBgrRows(const PagePicture& picture) {
    const int width = PageWidth(picture.page);
    const int height = PageHeight(picture.page);
    const uint8_t* table = picture.page.info + kColourTableOffset;
    std::vector<uint8_t> rows(size_t(width) * size_t(height) * 3);
    uint8_t* out = rows.data();
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const uint8_t* entry = table + 4 * picture.pixels[PixelOffset(x, y, width, height)];
            *out++ = entry[0];
            *out++ = entry[1];
            *out++ = entry[2];
        }
    return rows;
}
