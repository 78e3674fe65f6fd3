"""Edition 4 page sources: our own plant drawings, and public-domain clip art where a good one exists."""
import os
from collections import namedtuple

import convert
import numpy as np
import quality
from scipy import ndimage
from skimage.draw import line as draw_line
from dino import raster, scenery
from dino.svgkit import Canvas
from . import drawings

Source = namedtuple("Source", "subject source licence kind note make")
OPENCLIPART = "/usr/share/openclipart/svg"
OWN_LICENCE = "same as the program"


def _own(stem):
    def make():
        svg = drawings.draw(stem).svg()
        return raster.svg_to_lines(svg), svg
    return make


def _clip(ref, box, scene=True, sun=(585, 65)):
    """Clip art fitted into box, in front of our ground line, sun and cloud."""
    def make():
        art = convert.svg_to_lines(os.path.join(OPENCLIPART, ref), box)
        if not scene:
            return art, None
        c = Canvas()
        scenery.ground(c, 420, wave=4)
        if sun:
            scenery.sun(c, *sun)
        scenery.cloud(c, 110, 60)
        # the scene stops at the art's outline (not short of it), so the ground meets the stems
        behind = ndimage.binary_fill_holes(art) & ~art
        lines = art | (raster.render(c.svg()) & ~behind)
        return raster.tidy(mend_ends(raster.tidy(lines))), None
    return make


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

SOURCES = {}
for _stem, (_subject, _fn) in drawings.DRAWINGS.items():
    SOURCES[_stem] = Source(_subject, "own drawing: tools/pages/plants/drawings.py (%s)" % _fn.__name__,
                            OWN_LICENCE, "own drawing", NOTES.get(_stem, ""), _own(_stem))
for _stem, (_subject, _ref, _box) in CLIP.items():
    _scene = _stem != "roses"        # the rose art brings its own frame and background
    _text = "openclipart-svg: " + _ref + ("; own drawing: ground, sun, cloud" if _scene else "")
    _licence = "public domain" + ("; " + OWN_LICENCE if _scene else "")
    SOURCES[_stem] = Source(_subject, _text, _licence, "clip art", NOTES.get(_stem, ""),
                            _clip(_ref, _box, scene=_scene))
