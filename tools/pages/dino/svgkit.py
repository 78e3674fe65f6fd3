"""A small kit for drawing colouring-page line art as SVG.

Shapes are painted back to front, each filled white with a black outline, so a
shape in front hides the lines behind it and every outlined area stays closed.
Coordinates are page pixels (660 x 460, y down); strokes are 3 px wide.
"""
import math

W, H = 660, 460
STROKE = 3.0


def _fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


def catmull(points, closed, steps=10):
    """Samples a Catmull-Rom spline through points; returns a dense point list."""
    pts = list(points)
    n = len(pts)
    if n < 3:
        return pts
    out = []
    segs = n if closed else n - 1
    for i in range(segs):
        p0 = pts[(i - 1) % n] if closed or i > 0 else pts[0]
        p1 = pts[i]
        p2 = pts[(i + 1) % n]
        p3 = pts[(i + 2) % n] if closed or i + 2 < n else pts[-1]
        for s in range(steps):
            t = s / steps
            t2, t3 = t * t, t * t * t
            out.append(tuple(0.5 * ((2 * p1[k]) + (-p0[k] + p2[k]) * t +
                                    (2 * p0[k] - 5 * p1[k] + 4 * p2[k] - p3[k]) * t2 +
                                    (-p0[k] + 3 * p1[k] - 3 * p2[k] + p3[k]) * t3)
                             for k in range(len(p1))))
    if not closed:
        out.append(pts[-1])
    return out


def poly_d(points, closed=True):
    d = "M" + " L".join("%s,%s" % (_fmt(x), _fmt(y)) for x, y in points)
    return d + (" Z" if closed else "")


def lerp(a, b, t):
    return a + (b - a) * t


def profile(values, t):
    """Piecewise-linear value of a list spread evenly over t in [0, 1]."""
    if len(values) == 1:
        return values[0]
    x = t * (len(values) - 1)
    i = min(int(x), len(values) - 2)
    return lerp(values[i], values[i + 1], x - i)


def tube_sides(spine, top=None, bottom=None, steps=12):
    """Sides of a tube along a smooth spine.

    spine: points (x, y, top, bottom) where top/bottom are the half-widths on
    the left ("upper" for a spine running left to right) and right side; or
    plain (x, y) points with top/bottom lists spread evenly along the spine.
    The ends are rounded.
    """
    if len(spine[0]) == 2:
        bottom = top if bottom is None else bottom
        n = len(spine)
        spine = [(x, y, profile(top, i / (n - 1)), profile(bottom, i / (n - 1)))
                 for i, (x, y) in enumerate(spine)]
    pts = catmull(spine, False, steps) if len(spine) > 2 else _dense_line(spine, steps * 2)
    left, right = [], []
    for i, p in enumerate(pts):
        a = pts[max(i - 1, 0)]
        b = pts[min(i + 1, len(pts) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        L = math.hypot(dx, dy) or 1.0
        nx, ny = dy / L, -dx / L
        wt, wb = max(p[2], 0.5), max(p[3], 0.5)
        left.append((p[0] + nx * wt, p[1] + ny * wt))
        right.append((p[0] - nx * wb, p[1] - ny * wb))
    return _smooth(_unloop(left)), _smooth(_unloop(right)), pts


def _cross(p, q, r, s):
    """Intersection point of segments pq and rs, or None."""
    d = (q[0] - p[0]) * (s[1] - r[1]) - (q[1] - p[1]) * (s[0] - r[0])
    if abs(d) < 1e-9:
        return None
    t = ((r[0] - p[0]) * (s[1] - r[1]) - (r[1] - p[1]) * (s[0] - r[0])) / d
    u = ((r[0] - p[0]) * (q[1] - p[1]) - (r[1] - p[1]) * (q[0] - p[0])) / d
    if 0 <= t <= 1 and 0 <= u <= 1:
        return (p[0] + t * (q[0] - p[0]), p[1] + t * (q[1] - p[1]))
    return None


def _unloop(side, window=80):
    """Cuts the small loops an offset line makes on the inside of a bend tighter than its width."""
    out = list(side)
    i = 0
    while i < len(out) - 3:
        for j in range(min(len(out) - 2, i + window), i + 1, -1):
            x = _cross(out[i], out[i + 1], out[j], out[j + 1])
            if x is not None:
                out = out[:i + 1] + [x] + out[j + 1:]
                break
        i += 1
    return out


def _smooth(side, passes=4):
    """Irons out the small kinks an offset line gets where the spine bends sharply."""
    for _ in range(passes):
        side = [side[0]] + [((a[0] + 2 * b[0] + c[0]) / 4, (a[1] + 2 * b[1] + c[1]) / 4)
                            for a, b, c in zip(side, side[1:], side[2:])] + [side[-1]]
    return side


def tube_envelope(spine, top=None, bottom=None, steps=12, res=3.0):
    """Outline of a tube as the boundary of the discs swept along its spine.

    Unlike plain offset lines this stays clean where the spine bends more
    tightly than the tube is wide (a neck rising from a body).
    """
    import numpy as np
    from skimage import draw, measure
    if len(spine[0]) == 2:
        bottom = top if bottom is None else bottom
        n = len(spine)
        spine = [(x, y, profile(top, i / (n - 1)), profile(bottom, i / (n - 1)))
                 for i, (x, y) in enumerate(spine)]
    pts = catmull(spine, False, steps) if len(spine) > 2 else _dense_line(spine, steps * 2)
    # finer samples so neighbouring discs overlap smoothly
    fine = []
    for a, b in zip(pts, pts[1:]):
        k = max(1, int(math.hypot(b[0] - a[0], b[1] - a[1]) / 1.5))
        fine += [tuple(lerp(a[j], b[j], s / k) for j in range(4)) for s in range(k)]
    fine.append(pts[-1])
    discs = []
    for i, p in enumerate(fine):
        a, b = fine[max(i - 1, 0)], fine[min(i + 1, len(fine) - 1)]
        dx, dy = b[0] - a[0], b[1] - a[1]
        L = math.hypot(dx, dy) or 1.0
        nx, ny = dy / L, -dx / L
        wt, wb = max(p[2], 0.8), max(p[3], 0.8)
        discs.append((p[0] + nx * (wt - wb) / 2, p[1] + ny * (wt - wb) / 2, (wt + wb) / 2))
    x0 = min(d[0] - d[2] for d in discs) - 2
    y0 = min(d[1] - d[2] for d in discs) - 2
    x1 = max(d[0] + d[2] for d in discs) + 2
    y1 = max(d[1] + d[2] for d in discs) + 2
    grid = np.zeros((int((y1 - y0) * res) + 2, int((x1 - x0) * res) + 2), dtype=np.uint8)
    for cx, cy, r in discs:
        rr, cc = draw.disk(((cy - y0) * res, (cx - x0) * res), r * res, shape=grid.shape)
        grid[rr, cc] = 1
    contours = measure.find_contours(np.pad(grid, 1).astype(float), 0.5)
    ring = max(contours, key=len)
    out = [(x0 + (c - 1) / res, y0 + (r - 1) / res) for r, c in ring[::2]]
    return out


def tube_outline(spine, top=None, bottom=None, steps=12, cap=True):
    if cap:
        return tube_envelope(spine, top, bottom, steps)
    left, right, pts = tube_sides(spine, top, bottom, steps)
    out = left
    if cap:
        out = out + _cap(pts[-1], pts[-2], pts[-1][2], pts[-1][3])
    out = out + right[::-1]
    if cap:
        out = out + _cap(pts[0], pts[1], pts[0][3], pts[0][2])
    return out


def _dense_line(pts, n):
    out = []
    for a, b in zip(pts, pts[1:]):
        for s in range(n):
            t = s / n
            out.append(tuple(lerp(a[k], b[k], t) for k in range(len(a))))
    out.append(pts[-1])
    return out


def _cap(end, before, w1, w2):
    """Half-ellipse cap from the left side to the right side at a tube end."""
    dx, dy = end[0] - before[0], end[1] - before[1]
    L = math.hypot(dx, dy) or 1.0
    ux, uy = dx / L, dy / L
    nx, ny = uy, -ux
    r = (w1 + w2) / 2
    cx, cy = end[0] + nx * (w1 - w2) / 2, end[1] + ny * (w1 - w2) / 2
    out = []
    for k in range(1, 8):
        a = math.pi * k / 8
        out.append((cx + nx * r * math.cos(a) + ux * r * 0.8 * math.sin(a),
                    cy + ny * r * math.cos(a) + uy * r * 0.8 * math.sin(a)))
    return out


def rotate(points, angle_deg, origin=(0, 0)):
    a = math.radians(angle_deg)
    c, s = math.cos(a), math.sin(a)
    ox, oy = origin
    return [(ox + (x - ox) * c - (y - oy) * s, oy + (x - ox) * s + (y - oy) * c) for x, y in points]


def place(points, at, scale=1.0, angle=0.0, flip=False):
    """Moves a shape drawn around (0, 0) to `at`, scaled, rotated and optionally mirrored."""
    pts = [((-x if flip else x) * scale, y * scale) for x, y in points]
    pts = rotate(pts, angle)
    return [(x + at[0], y + at[1]) for x, y in pts]


def ellipse_pts(cx, cy, rx, ry, angle=0.0, n=48):
    pts = [(rx * math.cos(2 * math.pi * i / n), ry * math.sin(2 * math.pi * i / n)) for i in range(n)]
    return place(pts, (cx, cy), 1.0, angle)


class Canvas:
    """Collects shapes in painting order and writes them as one SVG document."""

    def __init__(self):
        self.items = []
        self.tf = (0.0, 0.0, 1.0)
        self.box = [1e9, 1e9, -1e9, -1e9]

    def at(self, ox=0.0, oy=0.0, s=1.0):
        """Later shapes are drawn in a frame moved to (ox, oy) and scaled by s."""
        self.tf = (ox, oy, s)

    def map(self, pts):
        ox, oy, s = self.tf
        out = [(ox + p[0] * s, oy + p[1] * s) for p in pts]
        b = self.box
        for x, y in out:
            b[0], b[1], b[2], b[3] = min(b[0], x), min(b[1], y), max(b[2], x), max(b[3], y)
        return out

    def _path(self, pts, fill, closed=True):
        d = poly_d(self.map(pts), closed)
        if fill == "none":
            self.items.append('<path d="%s" fill="none"/>' % d)
        else:
            # a double-width stroke, then the fill over its inner half: the outline stays
            # 3 px wide outside the shape and any loop where the outline crosses itself
            # (the inside of a sharp bend) disappears under the fill
            self.items.append('<path d="%s" fill="%s" stroke-width="%s"/><path d="%s" fill="%s" stroke="none"/>'
                              % (d, fill, _fmt(2 * STROKE), d, fill))

    def shape(self, points, smooth=True, fill="#fff", steps=8):
        pts = catmull(points, True, steps) if smooth else list(points)
        self._path(pts, fill)
        return pts

    def polygon(self, points, fill="#fff"):
        return self.shape(points, smooth=False, fill=fill)

    def tube(self, spine, top=None, bottom=None, fill="#fff", cap=True):
        pts = tube_outline(spine, top, bottom, cap=cap)
        self._path(pts, fill)
        return pts

    def ellipse(self, cx, cy, rx, ry, angle=0.0, fill="#fff"):
        return self.polygon(ellipse_pts(cx, cy, rx, ry, angle), fill)

    def circle(self, cx, cy, r, fill="#fff"):
        return self.ellipse(cx, cy, r, r, 0, fill)

    def dot(self, cx, cy, r=3.5):
        (cx, cy), = self.map([(cx, cy)])
        self.items.append('<circle cx="%s" cy="%s" r="%s" fill="#000" stroke="none"/>'
                          % (_fmt(cx), _fmt(cy), _fmt(r)))

    def line(self, points, smooth=False):
        pts = catmull(points, False, 8) if smooth and len(points) > 2 else list(points)
        self._path(pts, "none", closed=False)

    def svg(self, flip=False):
        head = ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">'
                '<rect width="%d" height="%d" fill="#fff"/>'
                '<g stroke="#000" stroke-width="%s" stroke-linejoin="round" stroke-linecap="round">'
                % (W, H, W, H, W, H, _fmt(STROKE)))
        if flip:
            head += '<g transform="translate(%d,0) scale(-1,1)">' % W
        return head + "".join(self.items) + ("</g>" if flip else "") + "</g></svg>\n"
