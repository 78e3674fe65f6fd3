"""Edition 5's own letter pages: the big hollow capital on the left and our own line drawing
beside it, put together as one SVG so the page is rendered as clean line art.

A picture is a standalone SVG in tools/pages/art (e5_*.svg) with a viewBox; it is fitted,
centred, into its box on the page and rendered as clean line art. The capital is the same
hollow DejaVu Sans Bold letter as on the book's other pages, traced the same way, so every
letter of the book looks alike (and its sharp inner corners are tidied as there).
"""
import os
import re

from PIL import ImageFont

import compose
import convert
from compose import ART
from dino import raster
from recipe import Recipe

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"
LETTER_BOX = (14, 70, 190, 320)
PICTURE_BOX = (216, 14, 430, 432)
STROKE = 4


def letter_svg(ch, box=LETTER_BOX):
    """The capital ch fitted into box (x, y, w, h), centred, as an SVG fragment."""
    size = 1000
    left, top, right, bottom = ImageFont.truetype(FONT, size).getbbox(ch, anchor="ls")
    x, y, w, h = box
    k = min(w / (right - left), h / (bottom - top))
    dx = x + (w - k * (right - left)) / 2 - k * left
    dy = y + (h - k * (bottom - top)) / 2 - k * top
    return ('<text transform="translate(%.2f %.2f) scale(%.5f)" font-family="DejaVu Sans" '
            'font-weight="bold" font-size="%d" fill="#ffffff" stroke="#000000" stroke-width="%.2f" '
            'stroke-linejoin="round">%s</text>' % (dx, dy, k, size, STROKE / k, ch))


def picture_svg(ref, box=PICTURE_BOX):
    """Our drawing art/ref fitted into box as a nested SVG."""
    with open(os.path.join(ART, ref), encoding="utf-8") as f:
        text = f.read()
    m = re.search(r"<svg\b[^>]*>", text)
    view = re.search(r'viewBox="([^"]+)"', m.group(0)).group(1)
    body = text[m.end():text.rindex("</svg>")]
    x, y, w, h = box
    return ('<svg x="%d" y="%d" width="%d" height="%d" viewBox="%s" preserveAspectRatio="xMidYMid meet">%s</svg>'
            % (x, y, w, h, view, body))


def page_svg(letters, pictures):
    """letters: [(ch, box)], pictures: [(ref, box)] -> the whole page as SVG text."""
    parts = [letter_svg(ch, box) for ch, box in letters] + [picture_svg(ref, box) for ref, box in pictures]
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="660" height="460" viewBox="0 0 660 460">'
            '<rect width="660" height="460" fill="#ffffff"/>%s</svg>' % "".join(parts))


class LetterArt:
    """A letter page: the traced capital(s) joined with our clean line art."""

    def __init__(self, letters, pictures):
        self.letters, self.pictures = letters, pictures
        self.svg = page_svg(letters, pictures)

    def lines(self):
        canvas = convert.blank_canvas()
        for ch, (x, y, w, h) in self.letters:
            canvas = convert.paste(canvas, convert.render_fitted(compose.letter_svg(ch), w, h), x, y)
        letter = convert.rgba_to_lines(canvas)
        return raster.tidy(letter | raster.render(page_svg([], self.pictures)))


def own_page(name, subject, letters, pictures, note=""):
    """A recipe for a page drawn wholly by us."""
    sources = "; ".join("own drawing: tools/pages/art/" + ref for ref, _ in pictures)
    return Recipe(name, subject, sources, "same as the program", "own drawing",
                  lambda: LetterArt(letters, pictures), note=note)


def alpha_page(name, subject, ch, ref, note=""):
    """The usual letter page: capital ch on the left, art/ref on the right."""
    return own_page(name, "%s: %s" % (ch, subject), [(ch, LETTER_BOX)], [(ref, PICTURE_BOX)], note=note)
