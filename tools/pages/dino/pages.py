"""Edition 2 page sources: one parametric drawing per genus."""
from collections import namedtuple

from . import genera, raster

Source = namedtuple("Source", "subject source licence make")


def _maker(stem):
    def make():
        _, svg = genera.page_svg(stem)
        return raster.svg_to_lines(svg), svg
    return make


SOURCES = {stem: Source(name, "own drawing: tools/pages/dino (%s body plan)" % stem.lower(),
                        "public domain (our own drawing)", _maker(stem))
           for stem, (name, _) in genera.GENERA.items()}
