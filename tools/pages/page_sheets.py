#!/usr/bin/python3
"""Contact sheets of an edition's pages, for looking at them all at once.

Usage: /usr/bin/python3 tools/pages/page_sheets.py EDITION [--out DIR] [--scale S]
Writes DIR/pages-N.png (the fifty pages with their names) and DIR/pages-N-areas.png
(every paper area filled in its own colour, so merged parts and specks show).
Default DIR is docs/contact-sheets, default scale 1/3 (quantised, small files).
"""
import argparse
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFont
from scipy import ndimage as ndi

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.dirname(HERE)]
import edition_table  # noqa: E402
import pagefile  # noqa: E402

COLUMNS = 10
FOUR = ndi.generate_binary_structure(2, 1)


def area_colours(lines):
    """RGB image with every 4-connected paper area in its own colour and lines black."""
    lab, n = ndi.label(~lines, FOUR)
    rng = np.random.RandomState(7)
    pal = np.concatenate([[[0, 0, 0]], rng.randint(60, 256, size=(n, 3))]).astype(np.uint8)
    return pal[lab]


def line_image(lines):
    return np.repeat(np.where(lines, 0, 255).astype(np.uint8)[..., None], 3, axis=2)


def _font(size):
    for f in ("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
              "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf"):
        if os.path.exists(f):
            return ImageFont.truetype(f, size)
    return ImageFont.load_default()


def sheet(edition, render, scale, folder=None):
    names = edition_table.page_names(edition)
    tw, th = int(pagefile.WIDTH * scale), int(pagefile.HEIGHT * scale)
    label = 16
    rows = (len(names) + COLUMNS - 1) // COLUMNS
    out = Image.new("RGB", (COLUMNS * (tw + 4) + 4, rows * (th + label + 4) + 4), (150, 150, 150))
    draw = ImageDraw.Draw(out)
    font = _font(12)
    for i, name in enumerate(names):
        x = 4 + (i % COLUMNS) * (tw + 4)
        y = 4 + (i // COLUMNS) * (th + label + 4)
        path = os.path.join(folder or edition_table.pages_dir(edition), name)
        draw.rectangle([x, y, x + tw - 1, y + label - 1], fill=(255, 255, 255))
        draw.text((x + 3, y + 1), "%d %s" % (i, name), fill=(0, 0, 0), font=font)
        if not os.path.exists(path):
            draw.rectangle([x, y + label, x + tw - 1, y + label + th - 1], fill=(90, 0, 0))
            continue
        _, _, lines = pagefile.read_page(path)
        img = Image.fromarray(render(lines)).resize((tw, th), Image.BOX)
        out.paste(img, (x, y + label))
    return out


def main(argv):
    ap = argparse.ArgumentParser()
    ap.add_argument("edition", type=int)
    ap.add_argument("--out", default=os.path.join(edition_table.REPO, "docs", "contact-sheets"))
    ap.add_argument("--scale", type=float, default=1 / 3)
    ap.add_argument("--pages", default=None, help="folder of the page files (default editions/N/pages)")
    ap.add_argument("--colours", type=int, default=32, help="palette size of the saved PNG (0 = full colour)")
    a = ap.parse_args(argv)
    os.makedirs(a.out, exist_ok=True)
    for suffix, render in (("", line_image), ("-areas", area_colours)):
        img = sheet(a.edition, render, a.scale, a.pages)
        if a.colours:
            img = img.quantize(a.colours, method=Image.MEDIANCUT, dither=Image.NONE)
        path = os.path.join(a.out, "pages-%d%s.png" % (a.edition, suffix))
        img.save(path, optimize=True)
        print(path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
