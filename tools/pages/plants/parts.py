"""Plant parts for colouring pages: stems, leaves, petals, flower heads, trees.

Everything draws into a dino.svgkit Canvas (white fills, black 3 px outlines,
painted back to front). Angles are in degrees, 0 = right, 90 = up.
"""
import math


def _dir(angle):
    a = math.radians(angle)
    return math.cos(a), -math.sin(a)


def _pt(p, angle, dist):
    ux, uy = _dir(angle)
    return p[0] + ux * dist, p[1] + uy * dist


def stem(c, points, w=5.5, tip_w=None):
    """A green stem along smooth points, wide enough to colour."""
    tip_w = w * 0.8 if tip_w is None else tip_w
    n = len(points)
    c.tube([(x, y, w + (tip_w - w) * i / (n - 1), w + (tip_w - w) * i / (n - 1))
            for i, (x, y) in enumerate(points)])


def area(points):
    """Area enclosed by a closed polyline (shoelace)."""
    a = 0.0
    for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
        a += x0 * y1 - x1 * y0
    return abs(a) / 2


def chord(outline, p, q):
    """The part of the line through p and q that lies inside the closed outline
    around the middle of pq: a dividing line whose ends sit on the outline, so
    it leaves no open end and no gap for a fill to slip through."""
    px, py = p
    dx, dy = q[0] - px, q[1] - py
    ts = []
    for (x0, y0), (x1, y1) in zip(outline, outline[1:] + outline[:1]):
        ex, ey = x1 - x0, y1 - y0
        den = dx * ey - dy * ex
        if abs(den) < 1e-12:
            continue
        t = ((x0 - px) * ey - (y0 - py) * ex) / den
        u = ((x0 - px) * dy - (y0 - py) * dx) / den
        if -1e-6 <= u <= 1 + 1e-6:          # a line through a vertex meets both of its edges
            ts.append(t)
    before = [t for t in ts if t <= 0.5]
    after = [t for t in ts if t >= 0.5]
    t0 = max(before) if before else 0.0
    t1 = min(after) if after else 1.0
    return [(px + dx * t0, py + dy * t0), (px + dx * t1, py + dy * t1)]


MIN_HALF_LEAF = 800     # px: smaller leaves get no midrib (the halves would be fiddly)


def leaf_outline(base, length, angle, width, kind="lance"):
    """Points of a leaf from its base along `angle`."""
    ux, uy = _dir(angle)
    nx, ny = -uy, ux

    def P(t, s):
        return (base[0] + ux * length * t + nx * width * s, base[1] + uy * length * t + ny * width * s)

    if kind == "lance":
        prof = [(0.0, 0.05), (0.15, 0.6), (0.4, 1.0), (0.7, 0.75), (0.9, 0.3)]
        tip = 1.0
    elif kind == "oval":
        prof = [(0.0, 0.1), (0.15, 0.75), (0.45, 1.0), (0.75, 0.8), (0.92, 0.35)]
        tip = 1.0
    elif kind == "heart":
        prof = [(0.05, 0.2), (-0.02, 0.7), (0.12, 1.0), (0.45, 0.85), (0.8, 0.35)]
        tip = 1.0
    elif kind == "grass":
        prof = [(0.0, 0.9), (0.3, 1.0), (0.7, 0.7), (0.95, 0.15)]
        tip = 1.0
    elif kind == "round":
        prof = [(0.0, 0.15), (0.1, 0.8), (0.4, 1.05), (0.75, 0.85), (0.95, 0.3)]
        tip = 1.0
    else:
        raise ValueError(kind)
    left = [P(t, s) for t, s in prof]
    right = [P(t, -s) for t, s in prof][::-1]
    return left + [P(tip, 0)] + right


def leaf(c, base, length, angle, width=None, kind="lance", vein=True, veins=0):
    """A leaf; a big one gets a midrib from its base to its tip, dividing it in two.

    `veins` is kept for callers but side veins are no longer drawn: they either
    ended in the middle of the leaf or cut it into slivers too small to colour.
    """
    width = length * 0.28 if width is None else width
    pts = c.shape(leaf_outline(base, length, angle, width, kind))
    if vein and area(pts) / 2 >= MIN_HALF_LEAF:
        c.line(chord(pts, _pt(base, angle, length * 0.1), _pt(base, angle, length * 0.9)))


def petal(c, center, angle, length, width, inner=0.0, kind="round", fill="#fff"):
    """One petal from `inner` out to `length` along angle."""
    base = _pt(center, angle, inner)
    ux, uy = _dir(angle)
    nx, ny = -uy, ux
    L = length - inner

    def P(t, s):
        return (base[0] + ux * L * t + nx * width * s, base[1] + uy * L * t + ny * width * s)

    if kind == "round":
        prof = [(0.0, 0.2), (0.3, 0.8), (0.65, 1.0), (0.9, 0.75)]
        pts = [P(t, s) for t, s in prof] + [P(1.0, 0)] + [P(t, -s) for t, s in prof][::-1]
    elif kind == "pointed":
        prof = [(0.0, 0.15), (0.35, 0.9), (0.6, 0.8), (0.85, 0.35)]
        pts = [P(t, s) for t, s in prof] + [P(1.0, 0)] + [P(t, -s) for t, s in prof][::-1]
    elif kind == "notched":
        prof = [(0.0, 0.2), (0.35, 0.85), (0.75, 1.0), (0.98, 0.6)]
        pts = [P(t, s) for t, s in prof] + [P(0.86, 0)] + [P(t, -s) for t, s in prof][::-1]
    elif kind == "long":
        prof = [(0.0, 0.3), (0.2, 0.85), (0.6, 1.0), (0.9, 0.7)]
        pts = [P(t, s) for t, s in prof] + [P(1.0, 0)] + [P(t, -s) for t, s in prof][::-1]
    elif kind == "frilly":
        pts = [P(0.0, 0.2), P(0.35, 0.8)]
        for k in range(7):
            s = 1.0 - 2 * k / 6
            pts.append(P(0.88 + 0.12 * (k % 2), s * 0.95))
        pts += [P(0.35, -0.8), P(0.0, -0.2)]
    else:
        raise ValueError(kind)
    c.shape(pts, fill=fill)
    return pts


def flower_head(c, center, petals, length, width, kind="round", inner=0.0, rot=0.0,
                disc=0.0, layers=1, disc_ring=False):
    """A flower seen from the front: rings of petals around a disc."""
    for layer in range(layers):
        off = 180.0 / petals * layer
        L = length * (1.0 if layer == 0 else 0.75 ** layer)
        for i in range(petals):
            petal(c, center, rot + off + 360.0 * i / petals, L, width * (1.0 if layer == 0 else 0.85),
                  inner, kind)
    if disc:
        c.circle(center[0], center[1], disc)
        if disc_ring:
            c.circle(center[0], center[1], disc * 0.55)


def bell(c, top, angle, length, width, lips=3):
    """A hanging bell flower from its stalk point: flared mouth with pointed lips."""
    ux, uy = _dir(angle)
    nx, ny = -uy, ux

    def P(t, s):
        return (top[0] + ux * length * t + nx * width * s, top[1] + uy * length * t + ny * width * s)

    pts = [P(0.0, 0.25), P(0.3, 0.55), P(0.7, 0.7), P(0.92, 1.0), P(1.05, 1.2)]
    mouth = []
    for k in range(1, lips * 2):
        s = 1.0 - 2 * k / (lips * 2)
        mouth.append(P(1.0 if k % 2 else 0.9, s * 1.05))
    pts += mouth + [P(1.05, -1.2), P(0.92, -1.0), P(0.7, -0.7), P(0.3, -0.55), P(0.0, -0.25)]
    c.shape(pts)
    return pts


def trumpet(c, base, angle, length, width, petals=6, recurve=0.0, pointed=True):
    """A lily-like trumpet seen from the side: a tube that opens into pointed petals."""
    ux, uy = _dir(angle)
    nx, ny = -uy, ux

    def P(t, s):
        return (base[0] + ux * length * t + nx * width * s, base[1] + uy * length * t + ny * width * s)

    # back petals first
    for s in (0.75, -0.75):
        c.shape([P(0.35, s * 0.2), P(0.8, s * 0.9), P(1.1 - recurve * 0.2, s * (1.25 + recurve)),
                 P(0.95, s * 0.55)])
    c.shape([P(0.0, 0.18), P(0.4, 0.35), P(0.75, 0.75), P(1.05, 1.15 + recurve * 0.6),
             P(0.92, 0.5), P(1.0, 0.0), P(0.92, -0.5), P(1.05, -1.15 - recurve * 0.6), P(0.75, -0.75),
             P(0.4, -0.35), P(0.0, -0.18)])
    for s in (0.5, -0.5):                 # stamens from the mouth's edge, each with a solid anther
        c.line([P(0.92, s), P(1.25, s * 0.9)])
        c.ellipse(*P(1.3, s * 0.92), 7, 9)


def cone_tree(c, base, height, width, tiers=4, trunk_w=14, trunk_h=40, droop=0.18):
    """A conifer: stacked tiers with scalloped hems over a trunk."""
    x, y = base
    c.polygon([(x - trunk_w, y + 6), (x - trunk_w * 0.8, y - trunk_h - 20), (x + trunk_w * 0.8, y - trunk_h - 20),
               (x + trunk_w, y + 6)])
    top = y - trunk_h - height
    for i in range(tiers):
        t0 = i / tiers
        t1 = (i + 1.3) / tiers
        y0 = top + height * t0 * 0.85
        y1 = top + height * min(1.0, t1)
        w1 = width * (0.35 + 0.65 * (i + 1) / tiers) / 2
        hem = []
        for k in range(9):
            u = k / 8
            hx = x + w1 - 2 * w1 * u
            hem.append((hx, y1 + (6 if k % 2 else -4)))
        c.shape([(x, y0)] + [(x + w1 * 0.5, (y0 + y1) / 2)] + hem + [(x - w1 * 0.5, (y0 + y1) / 2)],
                smooth=False)


def crown(c, cx, cy, rx, ry, bumps=9, seed=0):
    """A leafy tree crown: a cloud-like blob with rounded bumps."""
    pts = []
    for i in range(bumps * 6):
        t = 2 * math.pi * i / (bumps * 6)
        r = 1.0 + 0.09 * abs(math.sin(bumps * t / 2 + seed))
        pts.append((cx + rx * r * math.cos(t), cy + ry * r * math.sin(t)))
    c.polygon(pts)


def trunk(c, base, height, w, branches=(), lean=0):
    """A trunk with forking branches: branches = [(t, angle, length, width)]."""
    x, y = base
    c.tube([(x, y + 8, w * 1.3, w * 1.3), (x + lean * 0.5, y - height * 0.5, w, w),
            (x + lean, y - height, w * 0.75, w * 0.75)])
    for t, ang, ln, bw in branches:
        p = (x + lean * t, y - height * t)
        q = _pt(p, ang, ln)
        m = _pt(p, ang, ln * 0.5)
        c.tube([(p[0], p[1], bw, bw), (m[0], m[1] - ln * 0.05, bw * 0.8, bw * 0.8), (q[0], q[1], bw * 0.6, bw * 0.6)])


def pot(c, x, y, w=150, h=110):
    """A flower pot standing on y with a rim."""
    c.polygon([(x - w * 0.38, y), (x - w * 0.5, y - h * 0.78), (x + w * 0.5, y - h * 0.78), (x + w * 0.38, y)])
    c.shape([(x - w * 0.56, y - h * 0.78), (x - w * 0.56, y - h), (x + w * 0.56, y - h),
             (x + w * 0.56, y - h * 0.78)], smooth=False)


MAPLE_RIGHT = [(0.06, -0.1), (0.42, 0.0), (0.32, -0.16), (0.6, -0.2), (0.86, -0.5), (0.62, -0.48),
               (0.7, -0.68), (0.45, -0.6), (0.34, -0.52), (0.38, -0.8), (0.2, -0.74), (0.0, -1.08)]


def maple_leaf(c, base, size, angle=90):
    """A five-lobed maple leaf on a short stalk; angle is the direction of the top lobe."""
    right = MAPLE_RIGHT
    pts = right + [(-x, y) for x, y in right[-2::-1]]
    rot = math.radians(90 - angle)
    ca, sa = math.cos(rot), math.sin(rot)

    def T(p):
        x, y = p[0] * size, (p[1] - 0.1) * size
        return (base[0] + x * ca - y * sa, base[1] + x * sa + y * ca)

    c.polygon([T(p) for p in ((-0.025, 0.3), (-0.02, -0.12), (0.02, -0.12), (0.025, 0.3))], fill="#000")
    c.polygon([T(p) for p in pts])
    for tip in ((0.0, -1.08), (0.86, -0.5), (-0.86, -0.5)):      # veins from the stalk to the lobe tips
        c.line([T((0.0, -0.1)), T(tip)])


def floret_head(c, center, rx, ry, bands=2, bumps=9, seed=0.0):
    """A head of tiny florets (clover) as one scalloped
    outline cut into a few wavy bands: big enough areas for a child to fill."""
    cx, cy = center
    pts = []
    n = bumps * 6
    for i in range(n):
        t = 2 * math.pi * i / n
        r = 1.0 + 0.1 * abs(math.sin(bumps * t / 2 + seed))
        pts.append((cx + rx * r * math.cos(t), cy + ry * r * math.sin(t)))
    outline = c.polygon(pts)
    for k in range(1, bands):
        y = cy - ry * 1.05 + 2.1 * ry * k / bands
        a, b = chord(outline, (cx - rx * 0.5, y), (cx + rx * 0.5, y))
        steps = 12
        wave = []
        for j in range(steps + 1):
            u = j / steps
            lift = 3.5 * math.sin(math.pi * u) * math.cos(3 * math.pi * u + seed)
            wave.append((a[0] + (b[0] - a[0]) * u, a[1] + (b[1] - a[1]) * u - lift))
        c.line(wave, smooth=True)
    return outline
