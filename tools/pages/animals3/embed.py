"""Our older animal drawings (tools/pages/art/*.svg) placed into a new page of line art:
fitted into a box by their visible outline, as the composed pages did, with the outline
kept at the page's stroke and extra marks (pupils, a smile) added in the drawing's own units."""
import os
import re

import numpy as np

import convert
from compose import ART

from .kit import STROKE


def _visible_box(path, vb):
    """(x0, y0, x1, y1) of the drawing's visible part, in its viewBox units."""
    vx, vy, vw, vh = vb
    probe_w = 1200
    rgba = convert.render_svg(path, probe_w)
    a = rgba[..., 3] > 0.25
    rows, cols = np.flatnonzero(a.any(1)), np.flatnonzero(a.any(0))
    k = vw / rgba.shape[1]
    return vx + cols[0] * k, vy + rows[0] * k, vx + (cols[-1] + 1) * k, vy + (rows[-1] + 1) * k


def embed(name, box, extra="", drop=(), flip=False):
    """The drawing art/name fitted into box (x, y, w, h) of the page, centred, aspect kept;
    drop lists exact pieces of its text left out (marks that end in open space); flip mirrors
    it left to right."""
    path = os.path.join(ART, name)
    with open(path, encoding="utf-8") as f:
        text = f.read()
    head = re.search(r"<svg[^>]*>", text)
    vb = [float(v) for v in re.search(r'viewBox="([^"]+)"', head.group(0)).group(1).split()]
    inner = text[head.end():text.rindex("</svg>")]
    for piece in drop:
        inner = inner.replace(piece, "")
    x0, y0, x1, y1 = _visible_box(path, vb)
    bx, by, bw, bh = box
    f = min(bw / (x1 - x0), bh / (y1 - y0))
    tx = bx + (bw - (x1 - x0) * f) / 2 - x0 * f
    ty = by + (bh - (y1 - y0) * f) / 2 - y0 * f
    # The drawing's own outline weight (5 units) becomes the page's stroke at any scale.
    inner = inner.replace('stroke-width="5"', 'stroke-width="%.3f"' % (STROKE / f))
    sx = f
    if flip:
        tx, sx = 2 * bx + bw - tx, -f
    return ('<g transform="translate(%.3f %.3f) scale(%.5f %.5f)" stroke-width="%.3f">%s%s</g>'
            % (tx, ty, sx, f, STROKE / f, inner, extra))
