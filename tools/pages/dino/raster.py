"""Turns our own clean SVG line art into a page bitmap (True = line).

Our drawings already have closed 3 px outlines, so they need no tracing: render
at page size, threshold, then tidy the few spots the quality bar cares about
(paper touching only diagonally, specks of paper too small to fill).
"""
import subprocess

import numpy as np
from PIL import Image
from io import BytesIO
from scipy import ndimage

W, H = 660, 460
MIN_AREA = 40


def render(svg_text):
    png = subprocess.run(["rsvg-convert", "-w", str(W), "-h", str(H), "-b", "white"],
                         input=svg_text.encode(), stdout=subprocess.PIPE, check=True).stdout
    grey = np.asarray(Image.open(BytesIO(png)).convert("L"), dtype=np.uint8)
    return grey < 150


def _close_diagonals(lines):
    """Blocks every 2x2 spot where paper meets paper only at a corner."""
    changed = False
    while True:
        p = ~lines
        a, b, c, d = p[:-1, :-1], p[:-1, 1:], p[1:, :-1], p[1:, 1:]
        m1 = a & d & ~b & ~c          # paper on the main diagonal
        m2 = b & c & ~a & ~d          # paper on the other diagonal
        if not (m1.any() or m2.any()):
            return changed
        ys, xs = np.nonzero(m1)
        lines[ys, xs] = True
        ys, xs = np.nonzero(m2)
        lines[ys, xs + 1] = True
        changed = True


def _fill_specks(lines):
    lab, n = ndimage.label(~lines)
    if n == 0:
        return False
    sizes = ndimage.sum(np.ones_like(lab), lab, index=np.arange(1, n + 1))
    small = np.zeros(n + 1, dtype=bool)
    small[1:] = sizes < MIN_AREA
    if not small.any():
        return False
    lines[small[lab]] = True
    return True


def tidy(lines):
    lines = lines.copy()
    for _ in range(10):
        a = _close_diagonals(lines)
        b = _fill_specks(lines)
        if not (a or b):
            break
    return lines


def svg_to_lines(svg_text):
    return tidy(render(svg_text))
