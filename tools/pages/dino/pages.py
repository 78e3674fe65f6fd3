"""Edition 2 page sources: one parametric drawing per genus."""
from collections import namedtuple

from . import genera, raster

Source = namedtuple("Source", "subject source licence kind note make")


def _maker(stem):
    def make():
        _, svg = genera.page_svg(stem)
        return raster.svg_to_lines(svg), svg
    return make


SOURCES = {stem: Source(name, "own drawing: tools/pages/dino/genera.py (%s)" % stem,
                        "same as the program", "own drawing", "", _maker(stem))
           for stem, (name, _) in genera.GENERA.items()}
