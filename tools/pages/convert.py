"""SVG art to colouring-page line art.

Pipeline: render the art with rsvg-convert at 3x page resolution, fitted into a
box; take lines from dark ink, sharp colour edges and the outline of the art's
alpha; reduce to page resolution; skeletonise, prune spurs, bridge small gaps;
thicken every stroke to 3 px (a 3 x 3 square, so a 4-connected fill cannot slip
through a diagonal step); absorb specks of paper too small to fill.

Everything is deterministic: the same SVG bytes and parameters give the same array.
"""
import subprocess

import numpy as np
from PIL import Image
from scipy import ndimage as ndi
from skimage import color, morphology

WIDTH, HEIGHT = 660, 460
SCALE = 3
MARGIN = 14
PAGE_BOX = (MARGIN, MARGIN, WIDTH - 2 * MARGIN, HEIGHT - 2 * MARGIN)

EIGHT = np.ones((3, 3), dtype=bool)
FOUR = ndi.generate_binary_structure(2, 1)


# ---------------------------------------------------------------- rendering

def _svg_bytes(svg):
    if isinstance(svg, (bytes, bytearray)):
        return bytes(svg)
    if isinstance(svg, str) and svg.lstrip().startswith("<"):
        return svg.encode("utf-8")
    with open(svg, "rb") as f:
        return f.read()


def render_svg(svg, width):
    """Renders an SVG (path, bytes or text) at the given pixel width; returns RGBA float32 in 0..1."""
    data = _svg_bytes(svg)
    out = subprocess.run(["rsvg-convert", "-f", "png", "-w", str(int(width))],
                         input=data, stdout=subprocess.PIPE, stderr=subprocess.PIPE, check=True)
    from io import BytesIO
    img = Image.open(BytesIO(out.stdout)).convert("RGBA")
    return np.asarray(img, dtype=np.float32) / 255.0


def _alpha_bbox(rgba, threshold=0.25):
    a = rgba[..., 3] > threshold
    rows, cols = np.flatnonzero(a.any(1)), np.flatnonzero(a.any(0))
    if rows.size == 0:
        raise ValueError("the art is empty")
    return rows[0], rows[-1] + 1, cols[0], cols[-1] + 1


def render_fitted(svg, box_w, box_h, scale=SCALE):
    """Renders the art so its visible part fills a box of box_w x box_h page pixels.

    Returns RGBA of (box_h*scale, box_w*scale), the art centred, aspect kept.
    """
    tw, th = box_w * scale, box_h * scale
    probe_w = 1200
    probe = render_svg(svg, probe_w)
    y0, y1, x0, x1 = _alpha_bbox(probe)
    f = min(tw / (x1 - x0), th / (y1 - y0))
    full = render_svg(svg, max(1, round(probe_w * f)))
    y0, y1, x0, x1 = _alpha_bbox(full)
    art = full[y0:y1, x0:x1]
    h, w = art.shape[:2]
    if w > tw or h > th:
        g = min(tw / w, th / h)
        img = Image.fromarray((art * 255 + 0.5).astype(np.uint8), "RGBA")
        img = img.resize((max(1, round(w * g)), max(1, round(h * g))), Image.LANCZOS)
        art = np.asarray(img, dtype=np.float32) / 255.0
        h, w = art.shape[:2]
    canvas = np.zeros((th, tw, 4), dtype=np.float32)
    oy, ox = (th - h) // 2, (tw - w) // 2
    canvas[oy:oy + h, ox:ox + w] = art
    return canvas


def blank_canvas(scale=SCALE):
    return np.zeros((HEIGHT * scale, WIDTH * scale, 4), dtype=np.float32)


def paste(canvas, rgba, x, y, scale=SCALE):
    """Alpha-composites rgba over canvas with its top-left at page pixel (x, y); art that
    runs past the bottom or right edge of the page is cut off there."""
    y, x = y * scale, x * scale
    rgba = rgba[:max(0, canvas.shape[0] - y), :max(0, canvas.shape[1] - x)]
    h, w = rgba.shape[:2]
    dst = canvas[y:y + h, x:x + w]
    sa = rgba[..., 3:4]
    da = dst[..., 3:4]
    out_a = sa + da * (1 - sa)
    rgb = rgba[..., :3] * sa + dst[..., :3] * da * (1 - sa)
    with np.errstate(invalid="ignore", divide="ignore"):
        rgb = np.where(out_a > 0, rgb / np.maximum(out_a, 1e-6), 0)
    dst[..., :3] = rgb
    dst[..., 3:4] = out_a
    return canvas


# ---------------------------------------------------------------- raw lines

def _ink(rgba, dark_l, edge_de, thick_px, use_alpha_outline):
    """Line mask at render resolution."""
    a = rgba[..., 3]
    rgb = rgba[..., :3] * a[..., None] + (1 - a[..., None])     # over white paper
    lab = color.rgb2lab(rgb)
    solid = a > 0.5
    dark = (lab[..., 0] < dark_l) & solid
    # Big dark blobs keep only their rim, so a black spot becomes an area to fill.
    if dark.any():
        dt = ndi.distance_transform_edt(dark)
        core = dt > thick_px
        if core.any():
            blob = (ndi.distance_transform_edt(~core) <= thick_px) & dark
            rim = blob & ~ndi.binary_erosion(blob, EIGHT, iterations=2)
            dark = (dark & ~blob) | rim
    # Sharp colour steps between pixels two apart (anti-aliasing spreads an edge over
    # two pixels); smooth gradients stay below the threshold.
    edge = np.zeros(a.shape, dtype=bool)
    for dy, dx in ((0, 2), (2, 0)):
        d = np.sqrt(((lab[dy:, dx:] - lab[:lab.shape[0] - dy, :lab.shape[1] - dx]) ** 2).sum(-1))
        hit = d > edge_de
        edge[dy:, dx:] |= hit
    lines = dark | edge
    if use_alpha_outline:
        inside = a > 0.5
        lines |= inside & ~ndi.binary_erosion(inside, EIGHT, iterations=2)
    return lines


def _pool(mask, scale):
    h, w = mask.shape[0] // scale, mask.shape[1] // scale
    return mask[:h * scale, :w * scale].reshape(h, scale, w, scale).any(axis=(1, 3))


# ---------------------------------------------------------------- skeleton work

def _neighbours(skel):
    k = np.ones((3, 3), dtype=np.int32)
    k[1, 1] = 0
    return ndi.convolve(skel.astype(np.int32), k, mode="constant") * skel


def _trace(skel, start, limit):
    """Walks from an end point along simple (2-neighbour) pixels; returns the path and where it stopped."""
    h, w = skel.shape
    path = [start]
    prev, cur = None, start
    while len(path) <= limit:
        y, x = cur
        nxt = [(y + dy, x + dx) for dy in (-1, 0, 1) for dx in (-1, 0, 1)
               if (dy or dx) and 0 <= y + dy < h and 0 <= x + dx < w and skel[y + dy, x + dx]
               and (y + dy, x + dx) != prev and (y + dy, x + dx) not in path[-3:]]
        if len(nxt) != 1:
            return path, ("junction" if len(nxt) > 1 else "end")
        prev, cur = cur, nxt[0]
        ny, nx = cur
        cnt = skel[max(ny - 1, 0):ny + 2, max(nx - 1, 0):nx + 2].sum() - 1
        if cnt >= 3:
            return path, "junction"
        path.append(cur)
    return path, "long"


def prune(skel, spur=18, isolated=40):
    skel = skel.copy()
    # Isolated short pieces, except tiny closed rings: those are eyes, nostrils and
    # dots, which end up as solid dots once their hole collapses.
    lab, n = ndi.label(skel, EIGHT)
    if n:
        idx = np.arange(1, n + 1)
        sizes = ndi.sum(skel, lab, idx)
        filled, nf = ndi.label(ndi.binary_fill_holes(skel), EIGHT)
        ringed = ndi.sum(~skel, filled, np.arange(1, nf + 1)) > 0   # filled piece has a hole
        has_hole = np.concatenate([[False], ringed])[ndi.maximum(filled, lab, idx).astype(int)]
        short = idx[(sizes <= isolated) & ~has_hole]
        skel[np.isin(lab, short)] = False
    for _ in range(2):
        nb = _neighbours(skel)
        ends = np.argwhere((nb == 1) & skel)
        removed = False
        for y, x in map(tuple, ends):
            if not skel[y, x]:
                continue
            path, how = _trace(skel, (y, x), spur)
            if how == "junction" and len(path) <= spur:
                for p in path:
                    skel[p] = False
                removed = True
        if not removed:
            break
        skel = morphology.skeletonize(skel)
    return skel


def drop_free_strokes(skel, limit):
    """Removes strokes that end in open space: a free-standing stroke without a loop of
    its own up to 3 * limit px long, and a branch from a free end to a junction up to
    limit px long."""
    skel = skel.copy()
    lab, n = ndi.label(skel, EIGHT)
    if n:
        sizes = np.bincount(lab.ravel(), minlength=n + 1)
        for k, sl in enumerate(ndi.find_objects(lab), start=1):
            if sl is None or sizes[k] > 3 * limit:
                continue
            piece = lab[sl] == k
            if (ndi.binary_fill_holes(piece) == piece).all():
                skel[sl][piece] = False
    return prune(skel, limit, 0)


def _draw_line(mask, p, q):
    n = int(max(abs(q[0] - p[0]), abs(q[1] - p[1]))) + 1
    ys = np.rint(np.linspace(p[0], q[0], n)).astype(int)
    xs = np.rint(np.linspace(p[1], q[1], n)).astype(int)
    mask[ys, xs] = True


def bridge(skel, ahead=12, pair=24, cone_cos=0.7):
    """Joins free line ends: to a line just ahead of them, or to another free end nearby."""
    skel = skel.copy()
    h, w = skel.shape
    nb = _neighbours(skel)
    ends = [tuple(p) for p in np.argwhere((nb == 1) & skel)]
    info = {}
    for e in ends:
        path, _ = _trace(skel, e, 10)
        back = path[-1]
        d = np.array(e, float) - np.array(back, float)
        norm = np.hypot(*d)
        info[e] = (set(_trace(skel, e, 30)[0]), d / norm if norm else None)
    joined = set()
    pts = np.argwhere(skel)
    for e in ends:
        own, dirn = info[e]
        if dirn is None:
            continue
        y, x = e
        y0, y1, x0, x1 = max(0, y - ahead), min(h, y + ahead + 1), max(0, x - ahead), min(w, x + ahead + 1)
        cand = np.argwhere(skel[y0:y1, x0:x1]) + (y0, x0)
        best, bestd = None, None
        for c in map(tuple, cand):
            if c in own:
                continue
            v = np.array(c, float) - e
            dist = np.hypot(*v)
            if dist < 2 or dist > ahead or np.dot(v, dirn) / dist < cone_cos:
                continue
            if bestd is None or dist < bestd:
                best, bestd = c, dist
        if best is not None:
            _draw_line(skel, e, best)
            joined.add(e)
    free = [e for e in ends if e not in joined]
    used = set()
    for i, e in enumerate(free):
        if e in used:
            continue
        best, bestd = None, None
        for f in free[i + 1:]:
            if f in used or f in info[e][0]:
                continue
            dist = np.hypot(e[0] - f[0], e[1] - f[1])
            if dist <= pair and (bestd is None or dist < bestd):
                best, bestd = f, dist
        if best is not None:
            _draw_line(skel, e, best)
            used.update((e, best))
    return skel


# ---------------------------------------------------------------- final clean-up

def absorb_small_areas(lines, min_area=60, min_half_width=2.0):
    """Turns paper areas too small or too thin to fill into line. Repeats until stable."""
    lines = lines.copy()
    for _ in range(6):
        lab, n = ndi.label(~lines, FOUR)
        if n == 0:
            break
        idx = np.arange(1, n + 1)
        sizes = ndi.sum(np.ones_like(lab), lab, idx)
        dt = ndi.distance_transform_edt(~lines)
        thick = ndi.maximum(dt, lab, idx)
        bad = idx[(sizes < min_area) | (thick < min_half_width)]
        if bad.size == 0:
            break
        lines[np.isin(lab, bad)] = True
    return lines


def _collapse_loops(skel, min_area):
    """Fills tiny holes of the skeleton and thins again, so a small loop becomes a line, not a blob."""
    lab, n = ndi.label(~skel, FOUR)
    if n == 0:
        return skel
    idx = np.arange(1, n + 1)
    sizes = ndi.sum(np.ones_like(lab), lab, idx)
    # A hole shrinks by about its perimeter once strokes are 3 px wide, so judge it by
    # both size and width: what would be absorbed later collapses now instead.
    thick = ndi.maximum(ndi.distance_transform_edt(~skel), lab, idx)
    small = idx[(sizes < 2 * min_area) | (thick < 3.0)]
    if small.size == 0:
        return skel
    return morphology.skeletonize(skel | np.isin(lab, small))


def close_diagonals(lines):
    """Blocks every place where two paper pixels touch only at a corner.

    Where crossing strokes meet at a shallow angle the 3-px strokes can leave such a
    corner; a 4-connected fill stops there but an 8-connected one would not, so one of
    the two pixels becomes line.
    """
    lines = lines.copy()
    for _ in range(20):
        p = ~lines
        a, b, c, d = p[:-1, :-1], p[:-1, 1:], p[1:, :-1], p[1:, 1:]
        main = a & d & ~b & ~c            # paper on the main diagonal only
        anti = b & c & ~a & ~d
        if not (main.any() or anti.any()):
            break
        ys, xs = np.nonzero(main)
        lines[ys, xs] = True
        ys, xs = np.nonzero(anti)
        lines[ys, xs + 1] = True
    return lines


def clean_lines(raw, closing=1, speck=12, spur=18, isolated=40, ahead=12, pair=24,
                min_area=60, drop_free=0):
    """Page-resolution raw line mask -> final 3-px line art.

    drop_free > 0 removes, after the gaps are bridged, every stroke that still ends
    in open space and reaches a junction within drop_free px: the shading marks and
    fur strokes of busy clip art, which divide nothing and leave open line ends."""
    m = ndi.binary_closing(raw, morphology.disk(closing), border_value=0) | raw if closing else raw
    m = morphology.remove_small_objects(m, speck, connectivity=2)
    # Work on a copy extended past the page edges, so a stroke that leaves the page
    # keeps reaching the edge after thinning instead of stopping a pixel short of it.
    pad = 6
    m = np.pad(m, pad, mode="edge")
    skel = _collapse_loops(morphology.skeletonize(m), min_area)
    skel = prune(skel, spur, isolated)
    skel = bridge(skel, ahead, pair)
    if drop_free:
        skel = drop_free_strokes(morphology.skeletonize(skel), drop_free)
    skel = _collapse_loops(morphology.skeletonize(skel), min_area)[pad:-pad, pad:-pad]
    lines = ndi.binary_dilation(skel, EIGHT)
    lines = absorb_small_areas(close_diagonals(lines), min_area)
    return absorb_small_areas(close_diagonals(lines), min_area)


def rgba_to_lines(canvas, dark_l=38, edge_de=20, thick=16, alpha_outline=True,
                  scale=SCALE, **clean):
    """Composed page canvas (HEIGHT*scale, WIDTH*scale, 4) -> bool lines (HEIGHT, WIDTH)."""
    raw = _ink(canvas, dark_l, edge_de, thick * scale / 2, alpha_outline)
    return clean_lines(_pool(raw, scale), **clean)


def svg_to_lines(svg, box=PAGE_BOX, **params):
    """Converts one SVG (path, bytes or text) into a page: bool (460, 660), True = line.

    box = (x, y, w, h) in page pixels is where the art is fitted (default: the page
    less a 14 px margin). Other keyword parameters go to rgba_to_lines.
    """
    x, y, w, h = box
    canvas = paste(blank_canvas(), render_fitted(svg, w, h), x, y)
    return rgba_to_lines(canvas, **params)
