#!/usr/bin/python3
"""Printable colouring books: an edition's fifty blank pages, one per sheet, laid out
as the program's Default print method lays out a page (turned a quarter turn
anticlockwise, framed in black four page pixels wide, three quarters of the sheet's
height, centred), with the page's title beside the picture, turned with it.

Each sheet is drawn at 300 dots per inch as a one-bit image (black lines on white
paper) and put into the PDF by img2pdf, which stores images without re-encoding.
Usage: colouring_book.py EDITION OUTPUT.pdf a4|letter"""
import io
import os
import sys

import img2pdf
import numpy as np
from PIL import Image, ImageDraw, ImageFont

import names

sys.path.insert(0, os.path.join(names.REPO, "tools", "pages"))
from pagefile import decode_page  # noqa: E402

DPI = 300
# Sheet sizes in points, and in dots at DPI (the whole sheet is the drawing area).
PAPERS = {
    "a4": (img2pdf.mm_to_pt(210), img2pdf.mm_to_pt(297)),
    "letter": (img2pdf.in_to_pt(8.5), img2pdf.in_to_pt(11)),
}
FRAME = 4  # page pixels of black frame around the turned picture
TITLE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def sheet_dots(paper):
    width_pt, height_pt = PAPERS[paper]
    return round(width_pt * DPI / 72), round(height_pt * DPI / 72)


def placement(x_page, y_page, framed_w, framed_h):
    """Where the framed picture goes on a printable area of x_page by y_page dots:
    (left, top, width, height), by the Default print method's rule."""
    h = 3 * (y_page // 4)
    top = (y_page - h) // 2
    w = framed_w * h // framed_h
    return int((x_page - w) / 2), top, w, h


def framed_turned(lines):
    """The page turned a quarter turn anticlockwise (its top-left corner at the
    bottom-left) inside a black frame: True = black."""
    turned = np.rot90(lines)
    framed = np.ones((turned.shape[0] + 2 * FRAME, turned.shape[1] + 2 * FRAME), dtype=bool)
    framed[FRAME:-FRAME, FRAME:-FRAME] = turned
    return framed


def title_strip(text, length, thickness):
    """The title as read with the picture upright, then turned like the picture."""
    strip = Image.new("1", (length, thickness), 1)
    draw = ImageDraw.Draw(strip)
    draw.fontmode = "1"
    font = ImageFont.truetype(TITLE_FONT, thickness * 3 // 4)
    draw.text((length // 2, thickness // 2), text, font=font, fill=0, anchor="mm")
    return strip.rotate(90, expand=True)


def sheet(lines, title, paper):
    x_page, y_page = sheet_dots(paper)
    framed = framed_turned(lines)
    left, top, w, h = placement(x_page, y_page, framed.shape[1], framed.shape[0])
    # Nearest-pixel stretch, each dot taking the page pixel it falls in.
    rows = np.arange(h) * framed.shape[0] // h
    cols = np.arange(w) * framed.shape[1] // w
    black = np.zeros((y_page, x_page), dtype=bool)
    black[top:top + h, left:left + w] = framed[rows][:, cols]
    image = Image.fromarray(~black)
    # The title runs along the page's bottom edge, which the turn puts at the picture's right.
    thickness = DPI // 3
    margin = x_page - (left + w)
    image.paste(title_strip(title, h, thickness), (left + w + (margin - thickness) // 2, top))
    return image


def book(edition, paper):
    """The PDF bytes of one edition's colouring book on one paper size."""
    pages_dir = os.path.join(names.REPO, "editions", str(edition), "pages")
    images = []
    for name, title in zip(names.page_names(edition), names.titles(edition)):
        with open(os.path.join(pages_dir, name), "rb") as f:
            _, _, lines = decode_page(f.read())
        out = io.BytesIO()
        sheet(lines, title, paper).save(out, "PNG", dpi=(DPI, DPI), optimize=True)
        images.append(out.getvalue())
    layout = img2pdf.get_layout_fun(PAPERS[paper], None, None, img2pdf.FitMode.into)
    return img2pdf.convert(images, layout_fun=layout, nodate=True,
                           title="%s: colouring book" % names.edition_name(edition),
                           author="Tintwell", creator="Tintwell")


def main():
    if len(sys.argv) != 4 or sys.argv[3] not in PAPERS:
        sys.exit("usage: colouring_book.py EDITION OUTPUT.pdf a4|letter")
    with open(sys.argv[2], "wb") as f:
        f.write(book(int(sys.argv[1]), sys.argv[3]))


if __name__ == "__main__":
    main()
