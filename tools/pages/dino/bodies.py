"""Parametric dinosaur body plans drawn as colouring-page line art.

A dinosaur is built in its own frame (hip at the origin, ground at y = leg
length, lower for a leap, facing right) from tubes along smooth spines: far legs,
then the tail-body-neck tube, then the head with its crests, frills and horns,
then the near legs and surface details. Each genus is a set of parameters (see
genera.py), its pose among them: the body's tilt about the hip, neck and tail
carriage, each leg's stride and lift, and whether it walks on two legs or four.
"""
import math

from .svgkit import tube_sides, place, lerp, rotate


def _along(side, f):
    """Point and outward normal on a dense side list at fraction f."""
    i = max(1, min(len(side) - 2, int(f * (len(side) - 1))))
    a, b = side[i - 1], side[i + 1]
    dx, dy = b[0] - a[0], b[1] - a[1]
    L = math.hypot(dx, dy) or 1.0
    return side[i], (dy / L, -dx / L)


# ---------------------------------------------------------------- heads

def _head_points(kind):
    """Head outlines in head units (neck joint at the origin, snout to +x)."""
    if kind == "sauropod":
        return [(-0.05, -0.25), (0.35, -0.42), (0.75, -0.35), (1.0, -0.1), (0.98, 0.1),
                (0.6, 0.2), (0.2, 0.25), (-0.05, 0.2)]
    if kind == "brachio":
        return [(-0.05, -0.2), (0.2, -0.55), (0.45, -0.6), (0.62, -0.32), (0.95, -0.2),
                (1.05, 0.02), (0.9, 0.18), (0.45, 0.22), (0.0, 0.22)]
    if kind == "diplo":
        return [(-0.05, -0.22), (0.3, -0.34), (0.7, -0.22), (1.15, -0.1), (1.2, 0.05),
                (1.05, 0.14), (0.5, 0.17), (0.0, 0.2)]
    if kind == "box":
        return [(-0.05, -0.25), (0.25, -0.5), (0.6, -0.45), (0.9, -0.25), (1.0, 0.0),
                (0.9, 0.2), (0.4, 0.25), (-0.05, 0.22)]
    if kind == "rex":
        return [(-0.05, -0.3), (0.3, -0.42), (0.7, -0.34), (1.0, -0.22), (1.08, -0.05),
                (1.02, 0.1), (0.92, 0.2), (0.55, 0.3), (0.15, 0.38), (-0.05, 0.25)]
    if kind == "slim":
        return [(-0.05, -0.25), (0.3, -0.33), (0.7, -0.22), (1.1, -0.1), (1.16, 0.0),
                (1.05, 0.09), (0.6, 0.16), (0.2, 0.24), (-0.05, 0.2)]
    if kind == "croc":
        return [(-0.05, -0.28), (0.25, -0.36), (0.55, -0.2), (1.3, -0.12), (1.45, -0.02),
                (1.4, 0.08), (1.2, 0.1), (0.6, 0.14), (0.2, 0.26), (-0.05, 0.2)]
    if kind == "beak":
        return [(-0.05, -0.25), (0.3, -0.36), (0.6, -0.25), (1.05, -0.06), (1.12, 0.04),
                (0.95, 0.1), (0.5, 0.14), (0.1, 0.22), (-0.05, 0.18)]
    if kind == "duck":
        return [(-0.05, -0.26), (0.35, -0.34), (0.7, -0.2), (1.05, -0.12), (1.22, -0.06),
                (1.24, 0.08), (1.1, 0.16), (0.75, 0.14), (0.4, 0.25), (0.0, 0.24)]
    if kind == "ornitho":
        return [(-0.05, -0.26), (0.35, -0.36), (0.75, -0.22), (1.05, -0.05), (1.1, 0.06),
                (0.95, 0.14), (0.5, 0.2), (0.1, 0.26), (-0.05, 0.2)]
    if kind == "parrot":
        return [(-0.05, -0.3), (0.3, -0.42), (0.7, -0.38), (0.95, -0.2), (1.05, 0.02),
                (0.98, 0.22), (0.85, 0.16), (0.7, 0.28), (0.3, 0.34), (-0.05, 0.25)]
    if kind == "cerat":
        return [(-0.1, -0.3), (0.25, -0.42), (0.65, -0.32), (0.95, -0.12), (1.08, 0.06),
                (1.02, 0.24), (0.9, 0.18), (0.7, 0.3), (0.3, 0.36), (-0.1, 0.25)]
    if kind == "ankylo":
        return [(-0.05, -0.3), (0.25, -0.38), (0.7, -0.3), (0.95, -0.12), (1.0, 0.08),
                (0.85, 0.22), (0.4, 0.28), (-0.05, 0.24)]
    if kind == "stego":
        return [(-0.05, -0.22), (0.35, -0.28), (0.8, -0.15), (1.05, -0.02), (1.02, 0.1),
                (0.6, 0.16), (0.2, 0.22), (-0.05, 0.18)]
    if kind == "dome":
        return [(-0.05, -0.25), (0.3, -0.35), (0.7, -0.25), (0.95, -0.08), (1.0, 0.06),
                (0.85, 0.16), (0.4, 0.24), (-0.05, 0.2)]
    raise ValueError(kind)


MOUTHS = {
    "rex": [(1.0, 0.08), (0.7, 0.12), (0.35, 0.16)],
    "slim": [(1.08, 0.04), (0.7, 0.07), (0.4, 0.1)],
    "croc": [(1.38, 0.03), (0.9, 0.04), (0.45, 0.08)],
    "duck": [(1.2, 0.04), (0.95, 0.05), (0.7, 0.08)],
    "sauropod": [(0.95, 0.05), (0.65, 0.08)],
    "brachio": [(1.0, 0.06), (0.7, 0.08)],
    "diplo": [(1.15, 0.04), (0.8, 0.06)],
    "box": [(0.97, 0.06), (0.65, 0.1)],
    "parrot": [(0.88, 0.12), (0.62, 0.14)],
    "cerat": [(0.95, 0.12), (0.7, 0.11)],
    "beak": [(1.05, 0.04), (0.75, 0.06)],
    "ornitho": [(1.04, 0.05), (0.75, 0.08)],
    "ankylo": [(0.92, 0.1), (0.6, 0.12)],
    "stego": [(1.0, 0.05), (0.7, 0.08)],
    "dome": [(0.95, 0.06), (0.65, 0.1)],
}

MIN_HEAD_PX = 66   # page px from the neck joint to the snout
MOUTH_PX = 30     # page px: a mouth this short stands free as a mark, not a line left open


def _short_mouth(pts, length):
    """The mouth line from just behind the snout tip, cut to `length` head units."""
    pts = [(pts[0][0] - max(0.06, 0.3 * length), pts[0][1])] + list(pts[1:])
    out, left = [pts[0]], length
    for a, b in zip(pts, pts[1:]):
        d = math.hypot(b[0] - a[0], b[1] - a[1])
        if d >= left:
            t = left / d
            out.append((a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t))
            break
        out.append(b)
        left -= d
    return out


EYES = {"rex": (0.42, -0.18), "croc": (0.32, -0.15), "duck": (0.42, -0.14), "cerat": (0.42, -0.12),
        "parrot": (0.45, -0.15), "ankylo": (0.45, -0.14), "brachio": (0.5, -0.2),
        "box": (0.5, -0.2)}


def head(c, kind, at, size, angle, P):
    """Draws a head with its crest, frill and horns; `at` is the neck joint."""
    # a head drawn small on the page (a long-necked animal fitted to the width) is made big
    # enough to hold an eye and still read as a head
    size = max(size, MIN_HEAD_PX / c.tf[2])
    H = lambda pts: place(pts, at, size, -angle)
    crest = P.get("crest")
    # parts behind the head
    if crest == "tube":
        pts = H([(0.5, -0.2), (0.0, -0.5), (-0.75, -0.85)])
        c.tube([p + (w, w) for p, w in zip(pts, [0.1 * size, 0.09 * size, 0.085 * size])])
    elif crest == "helmet":
        c.shape(H([(0.15, -0.3), (0.1, -0.7), (0.35, -0.95), (0.65, -0.8), (0.75, -0.3)]))
    elif crest == "spike":
        c.shape(H([(0.2, -0.3), (-0.05, -0.45), (-0.5, -0.62), (-0.15, -0.28)]), smooth=False)
    elif crest == "double":
        for dx, dy in ((0.1, -0.07), (0.0, 0.0)):
            c.shape(H([(0.12 + dx, -0.25 + dy), (0.22 + dx, -0.58 + dy), (0.5 + dx, -0.72 + dy),
                       (0.8 + dx, -0.55 + dy), (0.92 + dx, -0.2 + dy)]))
    elif crest == "twin":
        # two thin crests side by side along the snout: the far one shows above and behind
        for x0, x1, top in ((0.0, 0.62, -0.95), (0.4, 1.02, -0.72)):
            c.shape(H([(x0 + 0.06, -0.24), (x0 + 0.1, (top - 0.24) * 0.6), (x0 + 0.3, top),
                       ((x0 + x1) / 2 + 0.1, top * 0.95), (x1, -0.18)]))
    elif crest == "longspike":
        # a long solid spike swept back from the top of the skull
        c.shape(H([(0.5, -0.3), (0.2, -0.46), (-0.3, -0.7), (-0.78, -0.98), (-0.35, -0.55),
                   (0.05, -0.26)]), smooth=True)
    elif crest == "dome":
        c.shape(H([(-0.15, -0.05), (-0.2, -0.45), (0.1, -0.78), (0.5, -0.72), (0.72, -0.3),
                   (0.4, -0.2)]))
        for bx, by in ((-0.22, -0.08), (-0.26, -0.3), (-0.2, -0.52), (0.75, -0.25), (0.78, -0.05)):
            c.circle(*H([(bx, by)])[0], 0.08 * size)
    frill = P.get("frill")
    if frill:
        fs = frill.get("size", 1.0)
        rot = math.radians(frill.get("rot", 40))
        dx_, dy_ = -math.cos(rot), -math.sin(rot)
        mx_, my_ = -math.sin(rot), math.cos(rot)
        cx, cy = 0.05 - 0.3 * fs, -0.3 * fs
        rx, ry = 0.62 * fs, 0.5 * fs * frill.get("tall", 1.0)

        def ring(a, k=1.0, extra=0.0):
            u, v = (rx + extra) * k * math.cos(a), (ry + extra) * k * math.sin(a)
            return (cx + dx_ * u + mx_ * v, cy + dy_ * u + my_ * v)

        spikes = frill.get("spikes", 0)
        if spikes:
            ln = frill.get("spike_len", 0.45)
            for k in range(spikes):
                a = math.radians(-75 + 150 * k / max(1, spikes - 1))
                grow = 1.0 if k % 2 == 0 else 0.75
                side = 0.12
                c.shape(H([ring(a - side, 0.85), ring(a, 1.0, ln * grow), ring(a + side, 0.85)]), smooth=False)
        if frill.get("bumps"):
            # a scalloped rim: the bumps are part of the frill's own outline, not separate specks
            c.shape(H([ring(math.radians(a), 1.0, 0.1 * abs(math.sin(math.radians(a) * 9)))
                       for a in range(0, 360, 4)]))
        else:
            c.shape(H([ring(math.radians(a)) for a in range(0, 360, 15)]))
        if frill.get("rim", True):
            c.shape(H([ring(math.radians(a), 0.74) for a in range(0, 360, 15)]))
        for wu, wv in frill.get("windows", []):
            c.ellipse(*H([(cx + dx_ * wu * rx + mx_ * wv * ry, cy + dy_ * wu * rx + my_ * wv * ry)])[0],
                      0.1 * size * fs, 0.065 * size * fs, -angle - math.degrees(rot))
    # the head itself
    roar = P.get("roar", 0)
    if roar:
        _open_jaws(c, H, kind, roar)
    else:
        pts = _head_points(kind)
        back_x = min(p[0] for p in pts)
        # round off the back of the skull so it does not look like a hood over the neck
        c.shape(H(pts + [(back_x - 0.07, (pts[0][1] + pts[-1][1]) / 2)]))
    if crest == "helmet":
        c.line(H([(0.2, -0.32), (0.45, -0.36), (0.72, -0.3)]), smooth=True)
    if P.get("boss"):
        c.ellipse(*H([(0.8, -0.22)])[0], 0.22 * size, 0.12 * size, -angle)
    if P.get("boss_eye"):
        c.ellipse(*H([(0.42, -0.32)])[0], 0.14 * size, 0.07 * size, -angle)
    # horns in front of the head
    for hx, hy, ln, ang, w in P.get("horns", []):
        base = (hx, hy)
        a = math.radians(ang)
        tip = (hx + ln * math.cos(a), hy - ln * math.sin(a))
        mid = (hx + ln * 0.55 * math.cos(a) + 0.06 * math.sin(a),
               hy - ln * 0.55 * math.sin(a) - 0.03)
        c.shape(H([(base[0] - w, base[1] + 0.04), (mid[0] - w * 0.55, mid[1]), tip,
                   (mid[0] + w * 0.55, mid[1]), (base[0] + w, base[1] + 0.04)]))
    mouth = MOUTHS.get(kind)
    if mouth and not roar:
        c.line(H(_short_mouth(mouth, MOUTH_PX / (size * c.tf[2]))), smooth=True)
    ex, ey = P.get("eye", EYES.get(kind, (0.42, -0.16)))
    # a round eye with its pupil looking forward; the ring of white stays big enough to colour
    scale = c.tf[2]
    ring = max(11.0, min(13.5, 0.1 * size * scale)) / scale
    ex_, ey_ = H([(ex, ey)])[0]
    c.circle(ex_, ey_, ring)
    fx, fy = H([(ex + 0.6 * ring / size, ey)])[0]
    c.dot(fx, fy, r=max(3.0, min(4.2, ring * scale * 0.42)))
    if P.get("brow"):
        c.line(H([(ex - 0.12, ey - 0.1), (ex + 0.1, ey - 0.13)]))


def _open_jaws(c, H, kind, angle):
    """A roaring head: upper skull, lower jaw swung open by `angle` degrees, teeth between."""
    long_snout = 1.3 if kind == "croc" else 1.0
    hinge = (0.12, 0.14)

    def swing(pts):
        a = math.radians(angle)
        ca, sa = math.cos(a), math.sin(a)
        return [(hinge[0] + (x - hinge[0]) * ca - (y - hinge[1]) * sa,
                 hinge[1] + (x - hinge[0]) * sa + (y - hinge[1]) * ca) for x, y in pts]

    L = long_snout
    jaw_top = [(0.1, 0.12), (0.5 * L, 0.13), (0.95 * L, 0.11)]
    lower = swing([(0.02, 0.1)] + jaw_top[1:] + [(0.97 * L, 0.18), (0.6 * L, 0.27), (0.2, 0.34), (0.0, 0.26)])
    upper = [(-0.05, -0.3), (0.3, -0.42), (0.7, -0.34), (1.0 * L, -0.22), (1.08 * L, -0.05), (1.04 * L, 0.09),
             (0.95 * L, 0.12), (0.55 * L, 0.12), (0.2, 0.14), (-0.05, 0.25)]
    tip_low = swing([jaw_top[-1]])[0]
    c.shape(H([hinge, (0.98 * L, 0.1), tip_low]), smooth=False)          # inside of the mouth
    n = 3
    for k in range(n):                                                   # upper teeth
        x0 = 0.32 + (0.9 * L - 0.32) * k / n
        x1 = x0 + (0.9 * L - 0.32) / n * 0.8
        c.polygon(H([(x0, 0.1), ((x0 + x1) / 2, 0.23), (x1, 0.1)]), fill="#000")
    for k in range(n - 1):                                               # lower teeth
        x0 = 0.38 + (0.88 * L - 0.38) * k / (n - 1)
        x1 = x0 + (0.88 * L - 0.38) / (n - 1) * 0.75
        c.polygon(H(swing([(x0, 0.14), ((x0 + x1) / 2, 0.02), (x1, 0.14)])), fill="#000")
    c.shape(H(lower))
    c.shape(H(upper))


# ---------------------------------------------------------------- legs

def pillar_leg(c, top, ground, w, bend=0.0, toes=True, stride=0.0, lift=0.0):
    """A column leg from `top` down to the ground; `stride` moves the foot forward, `lift` raises it."""
    x, y = top
    g = ground - lift
    fx = x + stride
    c.tube([(x, y, w, w), ((x + fx) / 2 + bend, (y + g) / 2, w * 0.82, w * 0.82),
            (fx, g - w * 0.55, w * 0.9, w * 0.9)])
    if toes and not lift:
        for dx in (-0.35, 0.05, 0.45):
            # short toe marks standing free of the foot's outline
            c.line([(fx + dx * w, g - 2), (fx + dx * w + 2, g - 8)])


def bird_leg(c, hip, length, w, stride=0.0, sickle=False, toe_len=None, lift=0.0, toe_angle=0.0):
    """A theropod or ornithopod hind leg: thigh, shin, raised ankle and three toes.

    `stride` swings the lower leg forward (negative: back), `lift` raises the foot off the
    ground and `toe_angle` (degrees, positive = toes down) tilts a raised foot.
    """
    hx, hy = hip
    g = hy + length - lift
    knee = (hx + length * (0.32 + stride * 0.4) + lift * 0.35, hy + length * 0.45 - lift * 0.45)
    ankle = (hx + length * (-0.08 + stride * 0.5), hy + length * 0.82 - lift * 0.85)
    foot = (hx + length * (0.02 + stride * 0.5), g - w * 0.25)
    c.tube([(hx, hy, w, w), (knee[0], knee[1], w * 0.6, w * 0.6),
            (ankle[0], ankle[1], w * 0.34, w * 0.34), (foot[0], foot[1], w * 0.3, w * 0.3)])
    tl = toe_len or length * 0.3
    fx = foot[0]
    if lift > 0:
        # a raised foot may point its toes down, but not down through the ground
        toe_angle = min(toe_angle, math.degrees(math.asin(max(-1.0, min(1.0, (lift - 3) / tl)))))
    turn = lambda pts: rotate(pts, toe_angle, (fx, g - w * 0.3))
    c.shape(turn([(fx - w * 0.3, g - w * 0.55), (fx - w * 0.4, g), (fx + tl, g), (fx + tl * 0.92, g - w * 0.28),
                  (fx + tl * 0.45, g - w * 0.42), (fx + w * 0.2, g - w * 0.7)]))
    c.line(turn([(fx + tl * 0.5, g - 4), (fx + tl * 0.56, g - w * 0.22)]))
    if sickle:
        sx, sy = foot[0] + tl * 0.25, g - w * 0.45
        c.shape(turn([(sx - w * 0.12, sy + w * 0.05), (sx + w * 0.05, sy - w * 0.65),
                      (sx + w * 0.35, sy - w * 0.75), (sx + w * 0.2, sy - w * 0.5),
                      (sx + w * 0.22, sy + w * 0.05)]))


def arm(c, shoulder, length, w, angle=60, fingers=3, bend=35, claw=1.0, thumb=False):
    """A short arm hanging forward from the shoulder with clawed fingers."""
    sx, sy = shoulder
    a1 = math.radians(angle)
    elbow = (sx + length * 0.5 * math.cos(a1), sy + length * 0.5 * math.sin(a1))
    a2 = math.radians(angle - bend)
    hand = (elbow[0] + length * 0.45 * math.cos(a2), elbow[1] + length * 0.45 * math.sin(a2))
    # the hand: one closed outline with a pointed lobe per clawed finger, so there is one
    # area to colour and no loose claw strokes
    fl = length * 0.3 * claw
    angles = [math.radians(angle - bend + 25 - 28 * k) for k in range(fingers)]
    ha = math.radians(angle - bend)
    side = (-math.sin(ha) * w * 0.45, math.cos(ha) * w * 0.45)
    pts = [(hand[0] + side[0], hand[1] + side[1])]
    for k, fa in enumerate(angles):
        if k:
            mid = (fa + angles[k - 1]) / 2
            pts.append((hand[0] + fl * 0.6 * math.cos(mid), hand[1] + fl * 0.6 * math.sin(mid)))
        pts.append((hand[0] + fl * math.cos(fa), hand[1] + fl * math.sin(fa)))
    pts.append((hand[0] - side[0], hand[1] - side[1]))
    c.polygon(pts)
    c.tube([(sx, sy, w, w), (elbow[0], elbow[1], w * 0.65, w * 0.65), (hand[0], hand[1], w * 0.5, w * 0.5)])
    if thumb:
        c.shape([(hand[0] - w * 0.5, hand[1]), (hand[0] + w * 0.2, hand[1] - w * 2.6),
                 (hand[0] + w * 0.55, hand[1] - w * 0.2)],
                smooth=False)


# ---------------------------------------------------------------- bodies

def body_spine(P):
    """Centre line of the tail, body and neck: (x, y, top, bottom) points, hip at 0, 0."""
    tl, tw, droop = P["tail_len"], P["tail_w"], P.get("tail_droop", 40)
    bl, bt, bb = P["body_len"], P["body_top"], P["body_bot"]
    rise = P.get("shoulder_rise", 0)
    lift = P.get("tail_lift", 0)
    pts = []
    if P.get("whip"):
        pts.append((-tl * 1.35, droop * 0.4 - lift * 1.6, 1.2, 1.2))
    p = P.get("tail_taper", 0.85)
    wt0, wb0 = (bt + tw) / 2, (bb * 0.9 + tw) / 2
    for t in (1.0, 0.8, 0.6, 0.42, 0.25):
        k = (1 - t) ** p
        wt, wb = bt + (wt0 - bt) * t * 2, bb * 0.9 + (wb0 - bb * 0.9) * t * 2
        pts.append((-tl * t, droop * t ** 2 - lift * t ** 5, max(2.5, min(wt0, wt) * k), max(2.5, min(wb0, wb) * k)))
    pts.append((bl * 0.08, 0, bt, bb * 0.9))
    pts += [
            (bl * 0.45, -rise * 0.5 + P.get("belly_dy", 0), bt * 1.05, bb),
            (bl, -rise, bt * 0.9, bb * 0.85)]
    nl, na, nw = P["neck_len"], math.radians(P["neck_angle"]), P["neck_w"]
    ux, uy = math.cos(na), -math.sin(na)
    sx, sy = bl + nw * 0.5, -rise - bt * 0.3
    pts.append((sx + ux * nl * 0.12, sy + uy * nl * 0.12, max(nw * 1.3, bt * 0.6),
                (bb * 0.85 + nw * 1.3) / 2))
    curve = P.get("neck_curve", 0.15)
    for k in (1, 2, 3):
        t = k / 3
        pts.append((sx + ux * nl * t + curve * nl * 0.25 * math.sin(t * math.pi) * -uy,
                    sy + uy * nl * t + curve * nl * 0.25 * math.sin(t * math.pi) * ux * 0,
                    lerp(nw * 1.2, nw * 0.75, t), lerp(nw * 1.4, nw * 0.8, t)))
    return pts


def ground_level(P):
    """The ground's y in the dinosaur's own frame: below the feet, lower still for a leap."""
    return P["leg_len"] + P.get("air", 0)


def dinosaur(c, P):
    """Draws one dinosaur from its parameters in the canvas's current frame."""
    pitch = P.get("pitch", 0)       # whole body tilted about the hip, nose up for positive degrees

    def R(x, y):
        return rotate([(x, y)], -pitch)[0] if pitch else (x, y)

    spine = [R(x, y) + (t, b) for x, y, t, b in body_spine(P)]
    # a tail swung down rests on the ground instead of sinking into it
    spine = [(x, min(y, ground_level(P) - 4 - b), t, b) for x, y, t, b in spine]
    top, bot, mid = tube_sides(spine)
    n = len(mid)
    quad = P.get("quad", True)
    # leg poses: (stride, lift, toe angle) for far and near hind legs, (stride, lift) for the fore legs
    bird_hind = not quad or P.get("hind") == "bird"
    hind_far, hind_near = P.get("hind_pose", ((-0.45, 0, 0), (0.2, 0, 0)) if bird_hind else ((0, 0, 0), (0, 0, 0)))
    fore_far, fore_near = P.get("fore_pose", ((0, 0), (0, 0)))
    fore_legs = quad and P.get("fore", "pillar") == "pillar"
    has_arms = P.get("arm_len") and not fore_legs
    leg_len = P["leg_len"]
    bl = P["body_len"]
    rise = P.get("shoulder_rise", 0)
    ground = leg_len

    # back features, behind the body
    if P.get("sail"):
        h0, f0, f1 = P["sail"]
        seg = top[int(n * f0):int(n * f1)]
        sail_top = []
        for i, p in enumerate(seg[::4]):
            t = i / max(1, len(seg[::4]) - 1)
            sail_top.append((p[0], p[1] - h0 * math.sin(math.pi * (0.08 + 0.84 * t)) ** 0.8 - 4))
        c.shape([seg[0]] + sail_top + [seg[-1], (seg[-1][0], seg[-1][1] + 25), (seg[0][0], seg[0][1] + 25)])
        for i, p in enumerate(sail_top[1:-1:2]):
            j = min(len(seg) - 1, (i * 2 + 1) * 4)
            c.line([(p[0], p[1] - 0.5), (seg[j][0], seg[j][1] - 2)])
    if P.get("plates"):
        count, size, f0, f1 = P["plates"]
        for k in range(count):
            f = lerp(f0, f1, k / max(1, count - 1))
            p, nrm = _along(top, f)
            s = size * (0.55 + 0.45 * math.sin(math.pi * (0.15 + 0.7 * k / max(1, count - 1))))
            if k % 2:
                p = (p[0] + 6, p[1] + 2)
                s *= 0.8
            tx, ty = p[0] + nrm[0] * s * 1.2, p[1] + nrm[1] * s * 1.2
            ux, uy = -nrm[1], nrm[0]
            c.shape([(p[0] + ux * s * 0.45 - nrm[0] * 10, p[1] + uy * s * 0.45 - nrm[1] * 10),
                     (p[0] + ux * s * 0.55 + nrm[0] * s * 0.5, p[1] + uy * s * 0.55 + nrm[1] * s * 0.5),
                     (tx, ty),
                     (p[0] - ux * s * 0.55 + nrm[0] * s * 0.5, p[1] - uy * s * 0.55 + nrm[1] * s * 0.5),
                     (p[0] - ux * s * 0.45 - nrm[0] * 10, p[1] - uy * s * 0.45 - nrm[1] * 10)])
    if P.get("spikes"):
        for f, ln, lean in P["spikes"]:
            p, nrm = _along(top, f)
            ux, uy = -nrm[1], nrm[0]
            a = math.radians(lean)
            dx = nrm[0] * math.cos(a) + ux * math.sin(a)
            dy = nrm[1] * math.cos(a) + uy * math.sin(a)
            c.shape([(p[0] + ux * 8 - nrm[0] * 8, p[1] + uy * 8 - nrm[1] * 8),
                     (p[0] + dx * ln, p[1] + dy * ln),
                     (p[0] - ux * 8 - nrm[0] * 8, p[1] - uy * 8 - nrm[1] * 8)], smooth=False)
    if P.get("side_spikes"):
        for f, ln in P["side_spikes"]:
            p, nrm = _along(bot, f)
            c.shape([(p[0] - 10, p[1] - 14), (p[0] + ln * 0.25, p[1] + ln), (p[0] + 10, p[1] - 14)],
                    smooth=False)

    # far legs
    hip_leg_w = P["leg_w"]
    fore_w = P.get("fore_w", hip_leg_w * 0.85)
    if bird_hind:
        st, lf, ta = hind_far
        bird_leg(c, (8, 10), leg_len - 4, hip_leg_w * 0.9, stride=st, sickle=P.get("sickle"), lift=lf,
                 toe_angle=ta)
    else:
        st, lf, _ = hind_far
        pillar_leg(c, R(22, P["body_bot"] * 0.3), ground - 6, hip_leg_w * 0.9, bend=P.get("bend", 6),
                   stride=st, lift=lf)
    if fore_legs:
        pillar_leg(c, R(bl * 0.92 + 18, -rise + P["body_bot"] * 0.3), ground - 6, fore_w * 0.9,
                   bend=-4, stride=fore_far[0], lift=fore_far[1])
    elif has_arms:
        arm(c, R(bl * 0.85 + 8, -rise + P["body_bot"] * 0.35), P["arm_len"], P["arm_w"] * 0.9,
            angle=P.get("arm_angle", 60) + 12, fingers=P.get("fingers", 3), claw=P.get("claw", 1.0))

    # tail, body and neck
    c.tube(spine)
    if P.get("club"):
        tip = spine[0]
        r = P["club"]
        c.ellipse(tip[0] + r * 0.3, tip[1], r * 1.2, r * 0.8, 0)
        c.line([(tip[0] + r * 0.3, tip[1] - r * 0.8), (tip[0] + r * 0.3, tip[1] + r * 0.8)], smooth=False)
    if P.get("tail_spikes"):
        k = 0
        for f, ln, ang in P["tail_spikes"]:
            p, nrm = _along(top, f)
            a = math.radians(ang)
            tx, ty = p[0] + ln * math.cos(a), p[1] - ln * math.sin(a)
            ux, uy = -nrm[1] * 9, nrm[0] * 9
            c.shape([(p[0] + ux - nrm[0] * 6, p[1] + uy - nrm[1] * 6), (tx, ty),
                     (p[0] - ux - nrm[0] * 6, p[1] - uy - nrm[1] * 6)], smooth=False)
            k += 1

    # armour and other surface marks on the body
    if P.get("scutes"):
        rows, size = P["scutes"]
        x0 = -P["tail_len"] * 0.25
        x1 = bl + 10
        for r in range(rows):
            y_off = 0.18 + 0.27 * r
            xs = x0 + (r % 2) * size
            while xs < x1:
                # point on the top edge at this x
                cand = [p for p in top if abs(p[0] - xs) < 6]
                if cand:
                    yt = min(p[1] for p in cand)
                    ybs = [p[1] for p in bot if abs(p[0] - xs) < 6]
                    yb = max(ybs) if ybs else yt + 60
                    yy = yt + (yb - yt) * y_off + size * 0.45
                    legs = (0.0, bl * 0.92)
                    near_leg = any(abs(xs - lx) < P["leg_w"] + size * 0.7 for lx in legs)
                    belly = yb - P["body_bot"] * 0.3 if P.get("belly_line", True) else yb
                    if yy + size * 0.45 < belly - 6 and not (near_leg and r > 0):
                        c.ellipse(xs, yy, size * 0.55, size * 0.4, 0)
                xs += size * 1.55
    if P.get("flank_spikes"):
        k = P["flank_spikes"]
        for i in range(k):
            xs = lerp(-P["tail_len"] * 0.15, bl * 0.95, i / max(1, k - 1))
            ybs = [p[1] for p in bot if abs(p[0] - xs) < 6]
            if not ybs:
                continue
            yb = max(ybs) - 6
            c.shape([(xs - 11, yb - 4), (xs - 16, yb + 16), (xs + 9, yb - 2)], smooth=False)
    if P.get("stripes"):
        for f in P["stripes"]:
            pt, _ = _along(top, f)
            pb, _ = _along(bot, f)
            c.line([(pt[0], pt[1] - 1), ((pt[0] + pb[0]) / 2 + 4, (pt[1] + pb[1]) / 2),
                    (pb[0], pb[1] + 1)], smooth=True)
    if P.get("belly_line", True) and quad:
        # the belly band: its line leaves the underside and returns to it, so the band is closed
        seg = [p for p in bot if -P["tail_len"] * 0.3 < p[0] < bl * 0.95]
        if len(seg) > 12:
            off = P["body_bot"] * 0.3
            mid = [(p[0], p[1] - off) for p in seg[4:-4:3]]
            c.line([(seg[0][0], seg[0][1] + 5)] + mid + [(seg[-1][0], seg[-1][1] + 5)], smooth=True)

    # head
    hx, hy = spine[-1][0], spine[-1][1]
    head(c, P["head"], (hx - P["neck_w"] * 0.3, hy), P["head_size"], P.get("head_angle", 0), P)

    # near legs
    if bird_hind:
        st, lf, ta = hind_near
        bird_leg(c, (0, 6), leg_len, hip_leg_w, stride=st, sickle=P.get("sickle"), lift=lf, toe_angle=ta)
    else:
        st, lf, _ = hind_near
        pillar_leg(c, R(0, P["body_bot"] * 0.3), ground, hip_leg_w, bend=P.get("bend", 6), stride=st, lift=lf)
    if fore_legs:
        pillar_leg(c, R(bl * 0.92, -rise + P["body_bot"] * 0.3), ground, fore_w, bend=-4,
                   stride=fore_near[0], lift=fore_near[1])
    elif has_arms:
        sx, sy = R(bl * 0.85, -rise + P["body_bot"] * 0.35)
        if P.get("wing"):
            # a fan of arm feathers hanging behind the forearm
            L = P["arm_len"]
            a1 = math.radians(P.get("arm_angle", 60))
            elbow = (sx + L * 0.5 * math.cos(a1), sy + L * 0.5 * math.sin(a1))
            pts = [(sx - 4, sy + 6), elbow]
            for k in range(4):
                t = k / 3
                px = lerp(elbow[0], sx - L * 0.15, t)
                py = lerp(elbow[1], sy + L * 0.3, t)
                pts += [(px - 4, py + 22 - 4 * k), (px - 12, py + 6)]
            c.shape(pts[:-1], smooth=False)
        arm(c, (sx, sy), P["arm_len"], P["arm_w"], angle=P.get("arm_angle", 60), fingers=P.get("fingers", 3),
            claw=P.get("claw", 1.0), thumb=P.get("thumb", False))
