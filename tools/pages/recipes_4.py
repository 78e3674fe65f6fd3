"""Edition 4: fifty plants, our own drawings, and public-domain clip art where a good one exists."""
import os
from functools import partial

import convert
import numpy as np
import quality
from scipy import ndimage
from skimage.draw import line as draw_line
from dino import raster, scenery
from dino.svgkit import Canvas
from plants import drawings
from recipe import LineArt, Recipe

OPENCLIPART = "/usr/share/openclipart/svg"
OWN_LICENCE = "same as the program"


def _own(stem):
    return lambda: LineArt(drawings.draw(stem).svg())


class ClipOnScene:
    """Clip art traced into lines and fitted into box, in front of our ground line, sun and cloud."""
    svg = None

    def __init__(self, ref, box):
        self.ref, self.box = ref, box

    def lines(self):
        art = convert.svg_to_lines(os.path.join(OPENCLIPART, self.ref), self.box)
        c = Canvas()
        scenery.ground(c, 420, wave=4)
        scenery.sun(c, 585, 65)
        scenery.cloud(c, 110, 60)
        # the scene stops at the art's outline (not short of it), so the ground meets the stems
        behind = ndimage.binary_fill_holes(art) & ~art
        lines = art | (raster.render(c.svg()) & ~behind)
        return raster.tidy(mend_ends(raster.tidy(lines)))


def mend_ends(lines, max_gap=12):
    """Joins every line that stops short of another line (or the page edge) by
    at most max_gap px to it with a 3 px stroke, so the areas on either side
    stay apart. Traced clip art leaves such near misses where its source lines
    stop short."""
    lines = lines.copy()
    for _ in range(3):
        todo = [e for e in quality.line_ends_with_targets(lines) if e[2] <= max_gap]
        if not todo:
            break
        for x, y, _, (tx, ty) in todo:
            rr, cc = draw_line(y, x, min(max(ty, 0), lines.shape[0] - 1), min(max(tx, 0), lines.shape[1] - 1))
            stroke = np.zeros_like(lines)
            stroke[rr, cc] = True
            lines |= ndimage.binary_dilation(stroke, np.ones((3, 3), dtype=bool))
    return lines


CLIP = {
    "daffodil": ("daffodil", "plants/daffodil_jonathan_dietri_01.svg", (170, 20, 320, 420)),
    "tulips": ("tulips", "plants/tulips_ganson.svg", (140, 30, 380, 410)),
}

NOTES = {
    "japanese": "stem read as Japanese maple (Acer palmatum), the tree and its leaf",
    "mountain": "stem read as mountain laurel; drawn in front of mountains",
    "snowflak": "stem read as the snowflake flower (Leucojum), not an ice crystal",
    "seaweed": "kelp with air floats",
}

PAGES = [Recipe(stem + ".co4", subject, "own drawing: tools/pages/plants/drawings.py (%s)" % fn.__name__,
                OWN_LICENCE, "own drawing", _own(stem), NOTES.get(stem, ""))
         for stem, (subject, fn) in drawings.DRAWINGS.items()]
PAGES += [Recipe(stem + ".co4", subject, "openclipart-svg: %s; own drawing: ground, sun, cloud" % ref,
                 "public domain; " + OWN_LICENCE, "clip art", partial(ClipOnScene, ref, box),
                 NOTES.get(stem, ""))
          for stem, (subject, ref, box) in CLIP.items()]
