#!/usr/bin/python3
"""Quality bar for colouring pages.

Usage: /usr/bin/python3 tools/pages/quality.py [--complete] [--edition N] [--ends] [--small] [page files...]
Without files, checks every page file under editions/*/pages (with --edition N,
only that edition's). Prints one row per page, a summary line per edition, and
exits 1 if any page fails (with --complete, also if an edition folder lacks any
of its fifty pages). --ends also lists every open line end found, with its
position, so it can be reviewed or added to open-ends.tsv; --small lists the
small areas with a point inside each.

A page passes when: it is a valid 1-bit page of its edition (signature, headers,
size, page-clean flag 0) that the program can load; its outlines are 2 to 4 px wide
(median); 4-connected and 8-connected paper-area counts are equal (a fill cannot
leak through a diagonal); no paper area is under 30 px; at least 6 areas have
150 px or more; line pixels are 2 % to 35 % of the page; no area covers more
than 92 % of the page.

Three child-facing figures are measured on every page as well:
- open line ends: ends of the thinned line drawing that meet no other line and
  not the page edge (a line meant to divide that stops short lets two areas fill
  together). Intended open ends (whiskers, grass blades) are listed by page and
  approximate position in open-ends.tsv beside this file.
- small areas: paper areas under 300 px, or so narrow that no disc 8 px across
  fits (largest distance from any of its pixels to a line or the page edge under
  4 px, so straight strips up to 6 px wide): hard to hit with a child's mouse.
  Target: at most 20 per page and under 15 % of all areas of an edition.
- silhouette overlap: how alike two pages of an edition look in outline (see
  silhouette()); target: every pair under 70 % intersection over union.
- dividing lines that divide nothing: a long, flat line reaching towards a side
  of the page (ground, seabed, water, horizon) with one and the same area on
  both sides of it, because it stops on another outline (a plant, a rock) short
  of the edge and the areas above and below it meet around that outline. An open
  end cannot show this: the line ends on a line.
- shared subject drawings: two pages of an edition whose subjects are the same
  line drawing, even scaled, moved or mirrored (see drawing_likeness()).
For the editions in GATED, open ends and too many small areas fail a page, and
the edition-wide figures fail the edition; elsewhere they are reported only. The
last two checks fail pages and editions only in NEW_CHECKS_GATED.
"""
import glob
import os
import struct
import sys
from collections import deque

import numpy as np
from scipy import ndimage as ndi
from skimage import morphology

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path[:0] = [HERE, os.path.dirname(HERE)]
import edition_table  # noqa: E402
import pagefile  # noqa: E402

FOUR = ndi.generate_binary_structure(2, 1)
EIGHT = np.ones((3, 3), dtype=bool)

MIN_WIDTH, MAX_WIDTH = 2.0, 4.0
MIN_AREA = 30
FILLABLE = 150
MIN_FILLABLE = 6
MIN_INK, MAX_INK = 0.02, 0.35
MAX_SHARE = 0.92

# Editions whose pages must also pass the line-end and small-area checks (and
# whose edition figures must meet their targets). Add an edition once it passes.
GATED = {1, 2, 3, 4, 5}
# Editions whose pages must also not look alike in outline (every edition passes).
LIKENESS_GATED = {1, 2, 3, 4, 5}

# Editions that must also pass the dividing-line and shared-drawing checks (every edition passes).
NEW_CHECKS_GATED = {1, 2, 3, 4, 5}

SMALL_AREA = 300            # px: an area smaller than this is hard to hit
NARROW_RADIUS = 4           # px: areas where no pixel is this far from a line are narrow
MAX_SMALL_PER_PAGE = 20
MAX_SMALL_SHARE = 0.15
MAX_SILHOUETTE_IOU = 0.70

SPUR = 8                    # px along the thinned line: a shorter branch off a junction is a corner stub
MARK = 40                   # px of thinned line: a free-standing stroke this short is a mark (a ray, a dash)
OWN_STROKE = 14             # px along the line from its end: the end's own stroke, not another line
ALLOW_RADIUS = 12           # px: an allow-list entry matches ends this close to its position
ALLOW_FILE = os.path.join(HERE, "open-ends.tsv")

SIDE_REACH = 4              # px: paper this close to a line counts as lying beside it
DIVIDER_SPAN = 220          # px across: a flat line this wide is a dividing line (a third of the page)
DIVIDER_EDGE = 80           # px: ... when it comes this close to the left or right page edge
SHARED_DRAWING = 0.80       # drawing likeness at or over this: the same subject drawing twice


def edition_of(path):
    """Edition number from the file extension (.col, .CO2, .CO3, .co4, .co5)."""
    ext = os.path.splitext(path)[1].lower()
    return {".col": 1, ".co2": 2, ".co3": 3, ".co4": 4, ".co5": 5}.get(ext)


def format_problems(data, edition):
    problems = []
    if len(data) < pagefile.PIXEL_OFFSET:
        return ["shorter than the 1078 bytes the program reads as headers"]
    sig = data[:2]
    if edition and sig != pagefile.SIGNATURES[edition]:
        problems.append("signature %r, edition %d wants %r" % (sig, edition, pagefile.SIGNATURES[edition]))
    size, clean, _, off = struct.unpack_from("<IHHI", data, 2)
    bisize, w, h, planes, bits, comp = struct.unpack_from("<IiiHHI", data, 14)
    if clean != 0:
        problems.append("page-clean flag %d" % clean)
    if (bisize, w, h) != (40, pagefile.WIDTH, pagefile.HEIGHT):
        problems.append("header %d, %d x %d" % (bisize, w, h))
    if (planes, bits, comp) != (1, 1, 0):
        problems.append("planes %d, %d bpp, compression %d (want a 1-bit line drawing)" % (planes, bits, comp))
    if size != len(data):
        problems.append("bfSize %d but file has %d bytes" % (size, len(data)))
    if off < 14 + 40 + 8 or off + pagefile.ROW_BYTES * pagefile.HEIGHT > len(data):
        problems.append("pixel offset %d does not fit the file" % off)
    return problems


def measure(lines, allowed_here=()):
    """Figures of one page: lines is bool (460, 660), True = line; allowed_here
    is the page's list of reviewed open ends."""
    paper = ~lines
    lab4, n4 = ndi.label(paper, FOUR)
    _, n8 = ndi.label(paper, EIGHT)
    sizes = np.bincount(lab4.ravel())[1:] if n4 else np.zeros(0, int)
    skel = morphology.skeletonize(lines)
    dt = ndi.distance_transform_edt(lines)
    widths = 2 * dt[skel] - 1
    return dict(
        width=float(np.median(widths)) if widths.size else 0.0,
        areas4=int(n4), areas8=int(n8),
        smallest=int(sizes.min()) if sizes.size else 0,
        fillable=int((sizes >= FILLABLE).sum()),
        ink=float(lines.mean()),
        largest=float(sizes.max() / lines.size) if sizes.size else 0.0,
        ends=open_ends(lines, allowed_here),
        small=area_sizes(lines)[1],
        dividers=idle_dividers(lines),
    )


# ---- open line ends -------------------------------------------------------

NEIGHBOURS = [(-1, -1), (-1, 0), (-1, 1), (0, -1), (0, 1), (1, -1), (1, 0), (1, 1)]


def _walk(skel, start, limit):
    """Geodesic distances along the thinned lines from start, up to limit steps."""
    h, w = skel.shape
    dist = {start: 0}
    todo = deque([start])
    while todo:
        y, x = todo.popleft()
        d = dist[(y, x)]
        if d == limit:
            continue
        for dy, dx in NEIGHBOURS:
            q = (y + dy, x + dx)
            if 0 <= q[0] < h and 0 <= q[1] < w and skel[q] and q not in dist:
                dist[q] = d + 1
                todo.append(q)
    return dist


def _clusters(points):
    """Number of 8-connected groups among a few pixels."""
    points, groups = set(points), 0
    while points:
        groups += 1
        todo = [points.pop()]
        while todo:
            y, x = todo.pop()
            for dy, dx in NEIGHBOURS:
                q = (y + dy, x + dx)
                if q in points:
                    points.remove(q)
                    todo.append(q)
    return groups


def line_ends(lines):
    """Open ends of the line drawing: [(x, y, gap)], page coordinates of the end
    of the thinned line and gap = px of paper from the stroke's tip to the
    nearest other line or the page edge.

    The page edge counts as a line: the drawing is thinned inside a 1-px frame,
    so a line that reaches the edge joins the frame and has no end there. An end
    within SPUR px (along the line) of a junction is a stub of the thinning at a
    corner or an overshoot, not an end in open space. Marks (free-standing
    strokes up to MARK px long: sun rays, dashes, seeds) divide nothing and have
    no ends here.
    """
    return [(x, y, gap) for x, y, gap, _ in line_ends_with_targets(lines)]


def line_ends_with_targets(lines):
    """As line_ends, each with the nearest point (x, y) of another line or the
    page edge: where a line meant to divide should have gone."""
    framed = np.pad(lines, 1, constant_values=True)
    skel = morphology.skeletonize(framed)
    count = ndi.convolve(skel.astype(np.uint8), EIGHT.astype(np.uint8), mode="constant") - 1
    ends = skel & (count <= 1)
    pieces, n = ndi.label(skel, EIGHT)
    length = np.bincount(pieces.ravel(), minlength=n + 1)
    ys, xs = np.nonzero(ends & (length[pieces] > MARK))
    out = []
    for y, x in zip(ys, xs):
        dist = _walk(skel, (y, x), SPUR + 2)
        front = [p for p, d in dist.items() if d == SPUR + 2]
        if _clusters(front) >= 2:
            continue                        # branches within SPUR px: a stub at a junction
        gap, (ty, tx) = _nearest_other(framed, skel, (y, x))
        out.append((int(x) - 1, int(y) - 1, gap, (int(tx) - 1, int(ty) - 1)))
    return out


def _nearest_other(framed, skel, end):
    """(px of paper between an end's stroke tip and the nearest other line, that
    line pixel), the frame counting as a line."""
    y, x = end
    r = OWN_STROKE + 12
    y0, y1, x0, x1 = max(0, y - r), min(framed.shape[0], y + r + 1), max(0, x - r), min(framed.shape[1], x + r + 1)
    own_skel = np.zeros((y1 - y0, x1 - x0), dtype=bool)
    for (py, px) in _walk(skel, end, OWN_STROKE):
        if y0 <= py < y1 and x0 <= px < x1:
            own_skel[py - y0, px - x0] = True
    win = framed[y0:y1, x0:x1]
    # The own stroke: line pixels around the end's last OWN_STROKE px of thinned line.
    own = win & ndi.binary_dilation(own_skel, EIGHT, iterations=3)
    other = win & ~own
    if not other.any():
        return r, end
    d, (iy, ix) = ndi.distance_transform_edt(~other, return_indices=True)
    tip = ndi.distance_transform_edt(own)[y - y0, x - x0]   # end pixel to the stroke's own edge
    return max(0, int(round(d[y - y0, x - x0] - tip))), (iy[y - y0, x - x0] + y0, ix[y - y0, x - x0] + x0)


def load_allowed(path=ALLOW_FILE):
    """The reviewed open ends: {page name: [(x, y, why)]}."""
    allowed = {}
    if not os.path.exists(path):
        return allowed
    with open(path, encoding="utf-8") as f:
        for n, row in enumerate(f.read().splitlines()):
            if not row.strip() or row.startswith("#") or n == 0:
                continue
            cols = row.split("\t")
            if len(cols) < 4 or not cols[3].strip():
                raise ValueError("%s line %d: want page, x, y, reason" % (path, n + 1))
            allowed.setdefault(cols[0], []).append((int(cols[1]), int(cols[2]), cols[3]))
    return allowed


def open_ends(lines, allowed_here=()):
    """Line ends not covered by an allow-list entry of this page."""
    return [e for e in line_ends(lines)
            if not any(abs(e[0] - ax) <= ALLOW_RADIUS and abs(e[1] - ay) <= ALLOW_RADIUS
                       for ax, ay, _ in allowed_here)]


# ---- dividing lines that divide nothing -----------------------------------

def idle_dividers(lines):
    """Dividing lines with the same area on both sides: [(x0, y0, x1, y1)], the
    leftmost and rightmost point of each.

    A line pixel divides nothing when all paper within SIDE_REACH px of it is one
    area. Stretches of such pixels (bridged over a few px where something else
    comes close) that run at least DIVIDER_SPAN px across, at most half as much
    up and down, and come within DIVIDER_EDGE px of a side of the page are meant
    as ground, seabed, water or horizon: the areas above and below them leak
    into each other around the line's end. Shorter or steeper ones (a string, a
    path on a map, a whisker) are left to the open-end check.
    """
    lab, n = ndi.label(~lines, FOUR)
    if n == 0:
        return []
    disc = morphology.disk(SIDE_REACH).astype(bool)
    lowest = ndi.minimum_filter(np.where(lab > 0, lab, n + 1), footprint=disc, mode="constant", cval=n + 1)
    highest = ndi.maximum_filter(lab, footprint=disc, mode="constant", cval=0)
    skel = morphology.skeletonize(np.pad(lines, 1, constant_values=True))[1:-1, 1:-1]
    idle = skel & (lowest == highest)
    groups, _ = ndi.label(ndi.binary_dilation(idle, EIGHT, iterations=2), EIGHT)
    out = []
    for i, box in enumerate(ndi.find_objects(groups), 1):
        ys, xs = np.nonzero(idle[box] & (groups[box] == i))
        if xs.size == 0:
            continue
        xs, ys = xs + box[1].start, ys + box[0].start
        across, down = xs.max() - xs.min(), ys.max() - ys.min()
        near_side = xs.min() <= DIVIDER_EDGE or xs.max() >= lines.shape[1] - 1 - DIVIDER_EDGE
        if across >= DIVIDER_SPAN and down <= across / 2 and near_side:
            left, right = np.argmin(xs), np.argmax(xs)
            out.append((int(xs[left]), int(ys[left]), int(xs[right]), int(ys[right])))
    return out


# ---- small areas ----------------------------------------------------------

def area_sizes(lines):
    """(count of paper areas, count of small ones): under SMALL_AREA px or narrow.

    Narrow: every pixel of the area lies closer than NARROW_RADIUS px to a line or
    the page edge, so no disc 8 px across fits inside it.
    """
    n, small = small_areas(lines)
    return n, len(small)


def small_areas(lines):
    """(count of paper areas, [(x, y, px, room)] of the small ones): a point of
    each small area, its size and twice its largest distance to a line."""
    lab, n = ndi.label(~lines, FOUR)
    if n == 0:
        return 0, []
    index = np.arange(1, n + 1)
    sizes = np.bincount(lab.ravel(), minlength=n + 1)[1:]
    room = ndi.distance_transform_edt(np.pad(~lines, 1, constant_values=False))[1:-1, 1:-1]
    widest = np.asarray(ndi.maximum(room, lab, index=index))
    where = ndi.maximum_position(room, lab, index=index)
    small = (sizes < SMALL_AREA) | (widest < NARROW_RADIUS)
    return int(n), [(int(where[i][1]), int(where[i][0]), int(sizes[i]), int(2 * widest[i]))
                    for i in np.nonzero(small)[0]]


# ---- silhouettes ----------------------------------------------------------

SIL_HEIGHT = 120


def silhouette(lines):
    """The page's subject as a filled shape.

    Everything the paper does not reach from the page edge (lines and enclosed
    areas), opened with a 7-px disc so free-standing strokes (a ground line,
    grass blades, rays) drop out, keeping the pieces at least a fifth the size of
    the largest (so a small sun or cloud does not count as subject).
    """
    lab, n = ndi.label(~lines, FOUR)
    border = np.unique(np.concatenate([lab[0], lab[-1], lab[:, 0], lab[:, -1]]))
    filled = ~np.isin(lab, border[border > 0])
    solid = ndi.binary_opening(filled, morphology.disk(3))
    parts, m = ndi.label(solid, EIGHT)
    if m == 0:
        return solid
    sizes = np.bincount(parts.ravel())[1:]
    keep = np.zeros(m + 1, dtype=bool)
    keep[1:] = sizes >= sizes.max() / 5
    return keep[parts]


def normalised(sil):
    """The silhouette cropped, scaled to SIL_HEIGHT px tall; with its centroid."""
    from PIL import Image
    ys, xs = np.nonzero(sil)
    if ys.size == 0:
        return np.zeros((SIL_HEIGHT, 1), dtype=bool), (SIL_HEIGHT / 2, 0.5)
    crop = sil[ys.min():ys.max() + 1, xs.min():xs.max() + 1]
    width = max(1, int(round(crop.shape[1] * SIL_HEIGHT / crop.shape[0])))
    img = Image.fromarray(crop.astype(np.uint8) * 255).resize((width, SIL_HEIGHT), Image.BILINEAR)
    small = np.asarray(img) >= 128
    cy, cx = ndi.center_of_mass(small) if small.any() else (SIL_HEIGHT / 2, width / 2)
    return small, (cy, cx)


def iou(a, b):
    """Intersection over union of two normalised silhouettes laid centroid on centroid."""
    (ma, (ay, ax)), (mb, (by, bx)) = a, b
    dx = int(round(ax - bx))
    dy = int(round(ay - by))
    x0, y0 = min(0, dx), min(0, dy)
    x1, y1 = max(ma.shape[1], dx + mb.shape[1]), max(ma.shape[0], dy + mb.shape[0])
    A = np.zeros((y1 - y0, x1 - x0), dtype=bool)
    B = np.zeros_like(A)
    A[-y0:-y0 + ma.shape[0], -x0:-x0 + ma.shape[1]] = ma
    B[dy - y0:dy - y0 + mb.shape[0], dx - x0:dx - x0 + mb.shape[1]] = mb
    union = (A | B).sum()
    return float((A & B).sum() / union) if union else 0.0


def most_alike(named_lines):
    """(iou, name a, name b) of the most alike pair of pages, by silhouette."""
    norm = [(name, normalised(silhouette(l))) for name, l in named_lines]
    best = (0.0, "", "")
    for i in range(len(norm)):
        for j in range(i + 1, len(norm)):
            v = iou(norm[i][1], norm[j][1])
            if v > best[0]:
                best = (v, norm[i][0], norm[j][0])
    return best


# ---- shared subject drawings -----------------------------------------------

DRAWING_BOX = 128           # px: subjects are compared as thinned drawings this size
DRAWING_TOLERANCE = 2.5     # px in that box: a line this close to the other's line matches it


def subject_drawing(lines):
    """The page's subject as a thinned line drawing fitted into a DRAWING_BOX
    square (top left), with its (height, width) there; None on an empty page.

    The subject is the largest piece of silhouette() with the lines on and inside
    it, so its inner lines (eyes, scales, petals) count as well as its outline.
    """
    parts, m = ndi.label(silhouette(lines), EIGHT)
    if m == 0:
        return None
    main = parts == 1 + int(np.argmax(np.bincount(parts.ravel())[1:]))
    ys, xs = np.nonzero(main)
    crop = (lines & ndi.binary_dilation(main, iterations=3))[ys.min():ys.max() + 1, xs.min():xs.max() + 1]
    from PIL import Image
    scale = DRAWING_BOX / max(crop.shape)
    size = (max(1, int(round(crop.shape[1] * scale))), max(1, int(round(crop.shape[0] * scale))))
    small = np.asarray(Image.fromarray(crop.astype(np.uint8) * 255).resize(size, Image.BOX)) >= 40
    box = np.zeros((DRAWING_BOX, DRAWING_BOX), dtype=bool)
    box[:small.shape[0], :small.shape[1]] = morphology.skeletonize(small)
    return box, small.shape


def drawing_likeness(a, b):
    """How much two subject drawings are one drawing: the share of each one's
    lines lying within DRAWING_TOLERANCE of the other's (the smaller share), as
    drawn or with b mirrored left to right, whichever is higher. Scale and
    place drop out in subject_drawing(); subjects whose width to height differ
    by more than a fifth are not the same drawing (0)."""
    (da, (ha, wa)), (db, (hb, wb)) = a, b
    if abs(np.log(wa / ha) - np.log(wb / hb)) > 0.2:
        return 0.0
    near_a = ndi.distance_transform_edt(~da) <= DRAWING_TOLERANCE
    best = 0.0
    for mirrored in (False, True):
        other = db
        if mirrored:
            other = np.zeros_like(db)
            other[:, :wb] = db[:, :wb][:, ::-1]
        near_b = ndi.distance_transform_edt(~other) <= DRAWING_TOLERANCE
        best = max(best, min(near_b[da].mean(), near_a[other].mean()))
    return float(best)


def shared_drawings(named_lines, limit=SHARED_DRAWING):
    """[(likeness, name a, name b)] of the page pairs whose subject drawings are
    alike at or over limit, most alike first."""
    drawn = [(name, subject_drawing(l)) for name, l in named_lines]
    drawn = [(name, d) for name, d in drawn if d is not None]
    out = []
    for i in range(len(drawn)):
        for j in range(i + 1, len(drawn)):
            v = drawing_likeness(drawn[i][1], drawn[j][1])
            if v >= limit:
                out.append((v, drawn[i][0], drawn[j][0]))
    return sorted(out, reverse=True)


def failures(m, gated=False, new_checks=False):
    out = []
    if not MIN_WIDTH <= m["width"] <= MAX_WIDTH:
        out.append("outline width %.1f" % m["width"])
    if m["areas4"] != m["areas8"]:
        out.append("diagonal leak (%d vs %d areas)" % (m["areas4"], m["areas8"]))
    if m["smallest"] < MIN_AREA:
        out.append("area of %d px" % m["smallest"])
    if m["fillable"] < MIN_FILLABLE:
        out.append("only %d fillable areas" % m["fillable"])
    if not MIN_INK <= m["ink"] <= MAX_INK:
        out.append("line share %.1f%%" % (100 * m["ink"]))
    if m["largest"] > MAX_SHARE:
        out.append("one area covers %.0f%%" % (100 * m["largest"]))
    if gated and m["ends"]:
        out.append("%d open line end(s) at %s" % (len(m["ends"]), " ".join(
            "(%d,%d)" % (x, y) for x, y, _ in m["ends"][:6])))
    if gated and m["small"] > MAX_SMALL_PER_PAGE:
        out.append("%d small areas (at most %d)" % (m["small"], MAX_SMALL_PER_PAGE))
    if new_checks and m["dividers"]:
        out.append(divider_text(m["dividers"]))
    return out


def divider_text(dividers):
    return "%d dividing line(s) with one area on both sides, %s" % (len(dividers), " ".join(
        "(%d,%d)-(%d,%d)" % d for d in dividers))


_ALLOWED = None


def allowed_for(name):
    global _ALLOWED
    if _ALLOWED is None:
        _ALLOWED = load_allowed()
    return _ALLOWED.get(name, [])


def check_file(path, lines_out=None):
    """Returns (figures or None, list of failures). With lines_out (a dict), keeps
    the page's lines there by file name for the edition figures."""
    with open(path, "rb") as f:
        data = f.read()
    problems = format_problems(data, edition_of(path))
    if edition_of(path) is None:
        problems.append("unknown page extension")
    try:
        _, _, lines = pagefile.decode_page(data)
    except ValueError as e:
        return None, problems + [str(e)]
    name = os.path.basename(path)
    if lines_out is not None:
        lines_out[name] = lines
    m = measure(lines, allowed_for(name))
    ed = edition_of(path)
    return m, problems + failures(m, ed in GATED, ed in NEW_CHECKS_GATED)


def edition_figures(rows, named_lines):
    """Edition summary from its pages' figures: rows = [figures], named_lines = [(name, lines)]."""
    areas = sum(m["areas4"] for m in rows)
    small = sum(m["small"] for m in rows)
    return dict(pages=len(rows), ends=sum(len(m["ends"]) for m in rows),
                pages_with_ends=sum(bool(m["ends"]) for m in rows),
                areas=areas, small=small, share=small / areas if areas else 0.0,
                crowded=sum(m["small"] > MAX_SMALL_PER_PAGE for m in rows),
                alike=most_alike(named_lines), shared=shared_drawings(named_lines))


def edition_failures(f, likeness=True, shared=True):
    out = []
    if shared:
        out += ["%s and %s share a subject drawing (%.0f%%)" % (a, b, 100 * v) for v, a, b in f["shared"]]
    if f["share"] >= MAX_SMALL_SHARE:
        out.append("small areas %.1f%% of all" % (100 * f["share"]))
    if likeness and f["alike"][0] >= MAX_SILHOUETTE_IOU:
        out.append("%s and %s look alike (%.0f%%)" % (f["alike"][1], f["alike"][2], 100 * f["alike"][0]))
    return out


def summary_line(ed, f):
    return ("edition %d: %d pages; open line ends %d on %d pages; small areas %d of %d (%.1f%%), "
            "%d pages over %d; most alike %s / %s %.0f%%; pages sharing a subject drawing %d" % (
                ed, f["pages"], f["ends"], f["pages_with_ends"], f["small"], f["areas"],
                100 * f["share"], f["crowded"], MAX_SMALL_PER_PAGE, f["alike"][1], f["alike"][2],
                100 * f["alike"][0], len(f["shared"])))


def default_files(complete):
    files, missing = [], []
    for d in sorted(glob.glob(os.path.join(edition_table.REPO, "editions", "*", "pages"))):
        ed = int(os.path.basename(os.path.dirname(d)))
        names = edition_table.page_names(ed)
        present = [n for n in names if os.path.exists(os.path.join(d, n))]
        files += [os.path.join(d, n) for n in present]
        strays = sorted(set(os.listdir(d)) - set(names) - {"CHOICES.tsv"})
        missing += ["%s: not a page name of edition %d" % (s, ed) for s in strays]
        if complete:
            missing += ["%s: missing" % os.path.join(d, n) for n in names if n not in present]
    return files, missing


def main(argv):
    import argparse
    ap = argparse.ArgumentParser()
    ap.add_argument("--complete", action="store_true")
    ap.add_argument("--edition", type=int, action="append", default=[])
    ap.add_argument("--ends", action="store_true", help="list every open line end")
    ap.add_argument("--small", action="store_true", help="list every small area")
    ap.add_argument("paths", nargs="*")
    a = ap.parse_args(argv)
    paths, extra = a.paths, []
    if not paths:
        paths, extra = default_files(a.complete)
    if a.edition:
        paths = [p for p in paths if edition_of(p) in a.edition]
        extra = [e for e in extra if any(os.sep + str(ed) + os.sep in e for ed in a.edition)]
    return report(paths, extra, a.ends, a.small)


def report(paths, extra=(), ends=False, small=False, whole_editions=True):
    """Prints a row per page and, with whole_editions (the paths hold every page of their
    editions), a summary per edition. Returns the exit status: 1 if anything failed."""
    bad = 0
    per_edition = {}
    print("%-14s %5s %6s %6s %6s %6s %6s %6s %5s %5s  %s" % (
        "page", "width", "areas", "min", "fill", "ink%", "max%", "ed", "ends", "small", "result"))
    for p in paths:
        kept = {}
        m, fails = check_file(p, kept)
        name = os.path.basename(p)
        if m is None:
            print("%-14s %s" % (name, "FAIL: " + "; ".join(fails)))
        else:
            print("%-14s %5.1f %6d %6d %6d %6.1f %6.1f %6s %5d %5d  %s" % (
                name, m["width"], m["areas4"], m["smallest"], m["fillable"], 100 * m["ink"],
                100 * m["largest"], edition_of(p), len(m["ends"]), m["small"],
                "ok" if not fails else "FAIL: " + "; ".join(fails)))
            if m["dividers"] and edition_of(p) not in NEW_CHECKS_GATED:
                print("    reported: %s %s" % (name, divider_text(m["dividers"])))
            if ends:
                for x, y, gap in m["ends"]:
                    print("    open end %s\t%d\t%d\tgap %d px" % (name, x, y, gap))
            if small:
                for x, y, px, room in small_areas(kept[name])[1]:
                    print("    small area %s at %d,%d: %d px, %d px across" % (name, x, y, px, room))
            rows, named = per_edition.setdefault(edition_of(p), ([], []))
            rows.append(m)
            named.append((name, kept[name]))
        bad += bool(fails)
    for e in extra:
        print("FAIL: " + e)
    ed_bad = 0
    for ed in sorted(k for k in per_edition if k and whole_editions):
        f = edition_figures(*per_edition[ed])
        fails = edition_failures(f, ed in LIKENESS_GATED, ed in NEW_CHECKS_GATED)
        gated = ed in GATED
        print(summary_line(ed, f) + (": ok" if not fails else (": FAIL: " if gated else ": over target: ")
                                     + "; ".join(fails)))
        if ed not in NEW_CHECKS_GATED:
            for v, a, b in f["shared"]:
                print("    reported: %s and %s share a subject drawing (%.0f%%)" % (a, b, 100 * v))
        ed_bad += bool(fails) and gated
    print("%d page(s) checked, %d failed%s%s" % (
        len(paths), bad, ", %d folder problem(s)" % len(extra) if extra else "",
        ", %d edition(s) failed" % ed_bad if ed_bad else ""))
    return 1 if bad or extra or ed_bad or not paths else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
