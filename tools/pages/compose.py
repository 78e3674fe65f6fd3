"""Composed pages (editions 1, 3 and 5): what a page shows and how its art is put together.

A page is one or more art layers (clip art, a font glyph, our own drawing, a big
letter) fitted into boxes on the page, optionally over a scene drawn by us (sea,
meadow, sky ...); the composed picture is then traced into line art.
"""
import os

import numpy as np
from scipy import ndimage as ndi

import convert
from recipe import Recipe, Traced

HERE = os.path.dirname(os.path.abspath(__file__))
ART = os.path.join(HERE, "art")
OPENCLIPART = "/usr/share/openclipart/svg"
SYMBOLA_FAMILY = "Symbola"

LICENCES = {
    "openclipart": ("openclipart-svg", "public domain"),
    "symbola": ("fonts-symbola", "Symbola licence (free for any use)"),
    "own": ("own drawing", "same as the program"),
}


class Layer:
    """One piece of art: kind is 'openclipart', 'symbola', 'own' or 'letter'."""

    def __init__(self, kind, ref, box=None, solid=False, flip=False, knockout=False):
        self.kind, self.ref, self.box, self.solid, self.flip = kind, ref, box, solid, flip
        self.knockout = knockout

    def svg(self):
        if self.kind == "openclipart":
            return os.path.join(OPENCLIPART, self.ref)
        if self.kind == "own":
            return os.path.join(ART, self.ref)
        if self.kind == "symbola":
            return glyph_svg(SYMBOLA_FAMILY, chr(self.ref))
        if self.kind == "letter":
            return letter_svg(self.ref)
        raise ValueError(self.kind)

    def source_text(self):
        if self.kind == "openclipart":
            return "openclipart-svg: " + self.ref
        if self.kind == "symbola":
            return "fonts-symbola: U+%04X" % self.ref
        if self.kind == "own":
            return "own drawing: tools/pages/art/" + self.ref
        return "letter"


def glyph_svg(family, text):
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="2400" height="1800">'
            '<text x="300" y="1300" font-family="%s" font-size="1000">%s</text></svg>'
            % (family, "".join("&#x%X;" % ord(c) for c in text)))


def letter_svg(letter):
    """A big hollow capital letter: white inside, a black outline."""
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="1400" height="1400">'
            '<text x="200" y="1150" font-family="DejaVu Sans" font-weight="bold" font-size="1100" '
            'fill="#ffffff" stroke="#000000" stroke-width="28" stroke-linejoin="round">%s</text></svg>'
            % letter)


class Page(Recipe):
    """A page composed from art layers over an optional scene of ours; params go to the tracing."""

    def __init__(self, name, subject, layers, scene=None, note="", **params):
        self.layers, self.scene, self.params = layers, scene, params
        super().__init__(name, subject, self._sources(), self._licences(), self._kind(), note=note)

    def _kind(self):
        kinds = {l.kind for l in self.layers} - {"letter"}
        if kinds == {"own"} and any(l.ref.startswith("name_") for l in self.layers):
            return "name page"
        if kinds <= {"own"}:
            return "own drawing"
        return "clip art"

    def _sources(self):
        out = [l.source_text() for l in self.layers if l.kind != "letter"]
        if self.scene:
            out.append("own drawing: tools/pages/art/" + self.scene)
        return "; ".join(out)

    def _licences(self):
        kinds = [l.kind for l in self.layers if l.kind != "letter"] + (["own"] if self.scene else [])
        seen = []
        for k in kinds:
            if LICENCES[k][1] not in seen:
                seen.append(LICENCES[k][1])
        return "; ".join(seen)

    def drawing(self):
        canvas = convert.blank_canvas()
        if self.scene:
            scene = convert.render_svg(os.path.join(ART, self.scene), convert.WIDTH * convert.SCALE)
            canvas = convert.paste(canvas, scene[:canvas.shape[0], :canvas.shape[1]], 0, 0)
        for layer in self.layers:
            x, y, w, h = layer.box or convert.PAGE_BOX
            rgba = convert.render_fitted(layer.svg(), w, h)
            if layer.flip:
                rgba = rgba[:, ::-1].copy()
            if layer.knockout:
                rgba = knock_out_background(rgba)
            if layer.solid:
                rgba = make_solid(rgba)
            canvas = convert.paste(canvas, rgba, x, y)
        return Traced(canvas, self.params)


def drop_free(pages, limits):
    """Sets the drop_free tracing limit of the pages named in limits (see convert.clean_lines)
    where a page's own recipe does not set one."""
    for page in pages:
        if page.name in limits:
            page.params.setdefault("drop_free", limits[page.name])


def knock_out_background(rgba):
    """Makes a white backdrop drawn behind the art transparent (white reaching the edge of the box)."""
    white = (rgba[..., :3].min(axis=2) > 0.95) | (rgba[..., 3] < 0.5)
    lab, _ = ndi.label(white)
    edge = np.unique(np.concatenate([lab[0], lab[-1], lab[:, 0], lab[:, -1]]))
    out = rgba.copy()
    out[..., 3][np.isin(lab, edge[edge > 0])] = 0.0
    return out


def make_solid(rgba):
    """Fills the holes of a line-only art with white paper, so a scene behind it stays hidden."""
    inside = ndi.binary_fill_holes(rgba[..., 3] > 0.5)
    out = rgba.copy()
    hole = inside & (rgba[..., 3] < 1)
    a = out[..., 3:4]
    out[..., :3] = np.where(hole[..., None], out[..., :3] * a + (1 - a), out[..., :3])
    out[..., 3] = np.where(hole, 1.0, out[..., 3])
    return out


def oc(ref, **kw):
    return Layer("openclipart", ref, **kw)


def sym(cp, **kw):
    return Layer("symbola", cp, **kw)


def own(ref, **kw):
    return Layer("own", ref, **kw)


def letter(ch, **kw):
    return Layer("letter", ch, **kw)
