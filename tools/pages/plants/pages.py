"""Edition 4 page sources: our own plant drawings, and public-domain clip art where a good one exists."""
import os
from collections import namedtuple

import convert
from scipy import ndimage
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
        behind = ndimage.binary_dilation(ndimage.binary_fill_holes(art), iterations=3)
        lines = art | (raster.render(c.svg()) & ~behind)
        return raster.tidy(lines), None
    return make


CLIP = {
    "daffodil": ("daffodil", "plants/daffodil_jonathan_dietri_01.svg", (170, 20, 320, 420)),
    "fern": ("fern frond", "plants/trees/fern_mo_01.svg", (150, 14, 360, 432)),
    "japanese": ("Japanese cherry blossom (sakura)", "plants/sakura_01.svg", (150, 14, 360, 432)),
    "tulips": ("tulips", "plants/tulips_ganson.svg", (140, 30, 380, 410)),
}

NOTES = {
    "japanese": "stem read as Japanese cherry (the flowering tree), not Japanese maple",
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
