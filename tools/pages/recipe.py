"""A page recipe: the page's file name, what it shows and where its art comes from (its row
in CHOICES.tsv), and its drawing. The page driver (tools/gen_pages.py) turns the drawing
into line art, writes the page file and checks it against the quality bar.

A drawing is any object with lines() giving the page (bool 460 x 660, True = line) and
svg, the drawing as SVG text where there is one (else None). The two common kinds are here.
"""
import convert
from dino import raster


class Recipe:
    def __init__(self, name, subject, source, licence, kind, draw=None, note=""):
        self.name, self.subject, self.source, self.licence = name, subject, source, licence
        self.kind, self.note, self._draw = kind, note, draw

    def drawing(self):
        return self._draw()

    def choices_row(self):
        return (self.name, self.subject, self.source, self.licence, self.kind, self.note)


class Traced:
    """Art composed at three times page size (RGBA), traced into 3 px lines."""
    svg = None

    def __init__(self, canvas, params):
        self.canvas, self.params = canvas, params

    def lines(self):
        return convert.rgba_to_lines(self.canvas, **self.params)


class LineArt:
    """Our own clean SVG line art: its outlines are already closed, so it is only rendered
    at page size and tidied."""

    def __init__(self, svg):
        self.svg = svg

    def lines(self):
        return raster.svg_to_lines(self.svg)
