"""Scenery and friendly visitors for the plant pages, composed per page.

Every dividing line (ground, water, hill, table, sill) runs from edge to edge;
visitors (bee, ladybird, snail, bird, frog, squirrel, duck, fish, butterfly)
all have a face: eyes with a pupil and a mouth or beak.
"""
import math

from dino import scenery
from dino.svgkit import W, ellipse_pts

H = 460


def _wave(y0, y1, wave, phase, n=14):
    return [(-20 + i * (W + 40) / (n - 1), y0 + (y1 - y0) * i / (n - 1) + wave * math.sin(i * 1.3 + phase))
            for i in range(n)]


def ground(c, y=405, wave=5, phase=0.0, y_right=None):
    """Ground from edge to edge, optionally sloping to y_right."""
    pts = _wave(y, y if y_right is None else y_right, wave, phase)
    c.shape(pts + [(W + 30, H + 30), (-30, H + 30)])


def hill(c, left, peak_x, peak_y, right):
    """A rounded hill whose outline runs from the left edge to the right edge."""
    pts = [(-30, left), (peak_x * 0.45, (left + peak_y) / 2 - 10), (peak_x, peak_y),
           (peak_x + (W - peak_x) * 0.55, (peak_y + right) / 2 - 10), (W + 30, right)]
    c.shape(pts + [(W + 30, H + 40), (-30, H + 40)])


def water(c, y, wave=4, phase=0.0):
    """Water from edge to edge down to the page bottom."""
    pts = [(-20 + i * 50, y + wave * math.sin(i * 1.1 + phase)) for i in range(15)]
    c.shape(pts + [(W + 30, H + 30), (-30, H + 30)])


def pond(c, cx, cy, rx, ry):
    """A pond lying on the ground (a closed shape) with two ripples inside."""
    c.ellipse(cx, cy, rx, ry)
    for k in (-1, 1):
        c.line([(cx + k * rx * 0.35 - 16, cy + k * ry * 0.25), (cx + k * rx * 0.35 + 16, cy + k * ry * 0.25)])


def table(c, y, edge=18):
    """A table top seen from the front: its top edge and front edge run across the page."""
    c.polygon([(-10, y), (W + 10, y), (W + 10, H + 10), (-10, H + 10)])
    c.line([(-10, y + edge), (W + 10, y + edge)])


def window(c, x0, y0, x1, y1, sill_y):
    """A window: frame, four panes and a sill from edge to edge."""
    c.polygon([(x0, y0), (x1, y0), (x1, sill_y), (x0, sill_y)])
    c.polygon([(x0 + 16, y0 + 16), (x1 - 16, y0 + 16), (x1 - 16, sill_y), (x0 + 16, sill_y)])
    mx, my = (x0 + x1) / 2, (max(y0, 0) + sill_y) / 2
    c.line([(mx, y0 + 16), (mx, sill_y)])
    c.line([(x0 + 16, my), (x1 - 16, my)])
    c.polygon([(-10, sill_y), (W + 10, sill_y), (W + 10, H + 10), (-10, H + 10)])
    c.line([(-10, sill_y + 22), (W + 10, sill_y + 22)])


def fence(c, y, x0=-20, x1=W + 20, boards=7, h=120):
    """A picket fence standing on ground line y: two rails, pointed boards."""
    top, bot = y - h * 0.75, y - h * 0.3
    c.polygon([(x0, top - 8), (x1, top - 8), (x1, top + 8), (x0, top + 8)])
    c.polygon([(x0, bot - 8), (x1, bot - 8), (x1, bot + 8), (x0, bot + 8)])
    step = (x1 - x0) / boards
    for i in range(boards):
        cx = x0 + step * (i + 0.5)
        c.polygon([(cx - 17, y + 10), (cx - 17, y - h + 14), (cx, y - h), (cx + 17, y - h + 14), (cx + 17, y + 10)])


def hedge(c, y, bumps=9):
    """A garden hedge behind the bed: a bumpy top from edge to edge."""
    pts = []
    for i in range(bumps * 6 + 1):
        u = i / (bumps * 6)
        pts.append((-20 + u * (W + 40), y - 14 * abs(math.sin(math.pi * bumps * u))))
    c.shape(pts + [(W + 30, H + 30), (-30, H + 30)])


def sun(c, x, y, r=34, face=False):
    """A smiling sun."""
    scenery.sun(c, x, y, r)
    if face:
        eyes(c, x, y - r * 0.1, r * 0.36, r * 0.2)
        c.line([(x - r * 0.35, y + r * 0.3), (x, y + r * 0.5), (x + r * 0.35, y + r * 0.3)], smooth=True)


def moon(c, x, y, r=34):
    """A crescent moon."""
    pts = [(x + r * math.cos(math.radians(a)), y + r * math.sin(math.radians(a))) for a in range(60, 301, 15)]
    inner = [(x + r * 0.35 + r * 0.8 * math.cos(math.radians(a)), y + r * 0.9 * math.sin(math.radians(a)))
             for a in range(270, 89, -15)]
    c.shape(pts + inner)


def star(c, x, y, r=16):
    c.polygon([(x + (r if i % 2 == 0 else r * 0.45) * math.cos(math.radians(90 + 36 * i)),
                y - (r if i % 2 == 0 else r * 0.45) * math.sin(math.radians(90 + 36 * i))) for i in range(10)])


def cloud(c, x, y, w=110, h=40):
    scenery.cloud(c, x, y, w, h)


# ---------------------------------------------------------------- faces

def eye(c, x, y, r=7):
    """An eye with its pupil; a small one is just the pupil (its white would be a speck to colour)."""
    if r >= 7.5:
        c.circle(x, y, r)
        c.dot(x + r * 0.2, y + r * 0.15, max(2.2, r * 0.5))
    else:
        c.dot(x, y, max(3.0, r * 0.6))


def eyes(c, x, y, dx, r=7):
    eye(c, x - dx, y, r)
    eye(c, x + dx, y, r)


def smile(c, x, y, w=10):
    c.line([(x - w, y - w * 0.2), (x, y + w * 0.45), (x + w, y - w * 0.2)], smooth=True)


# ---------------------------------------------------------------- visitors

def bee(c, x, y, s=1.0, flip=False):
    """A round bumblebee flying: wings, striped body, smiling head."""
    d = -1 if flip else 1
    c.ellipse(x - d * 8 * s, y - 30 * s, 16 * s, 24 * s, d * -25)
    c.ellipse(x + d * 12 * s, y - 28 * s, 14 * s, 21 * s, d * 25)
    c.polygon([(x - d * 36 * s, y - 5 * s), (x - d * 50 * s, y), (x - d * 36 * s, y + 5 * s)])
    body = c.ellipse(x, y, 38 * s, 25 * s)
    from .parts import chord
    for k in (-14, 4):
        c.line(chord(body, (x + d * k * s, y - 30 * s), (x + d * (k - 4) * s, y + 30 * s)))
    hx = x + d * 40 * s
    c.circle(hx, y - 4 * s, 20 * s)
    for a in (1, -1):                       # antennae: free strokes with a knob, clear of the head
        tip = (hx + d * (6 + a * 8) * s, y - 46 * s)
        c.line([(hx + d * a * 5 * s, y - 32 * s), tip])
        c.dot(tip[0], tip[1], 4)
    eye(c, hx + d * 6 * s, y - 8 * s, 7 * s)
    smile(c, hx + d * 7 * s, y + 6 * s, 6 * s)


def ladybird(c, x, y, s=1.0, angle=0):
    """A ladybird seen from above, head first along angle (0 = right): spots, smiling face."""
    a = math.radians(angle)
    ux, uy = math.cos(a), -math.sin(a)

    def P(f, g):
        return (x + ux * f * s - uy * g * s, y + uy * f * s + ux * g * s)

    head = P(26, 0)
    c.circle(head[0], head[1], 18 * s)
    body = c.ellipse(x, y, 32 * s, 28 * s, -angle)
    from .parts import chord
    c.line(chord(body, P(-40, 0), P(40, 0)))
    for f, g in ((8, 13), (8, -13), (-14, 15), (-14, -15)):
        c.dot(*P(f, g), 5.5 * s)
    eye(c, *P(32, 7), 5.5 * s)
    eye(c, *P(32, -7), 5.5 * s)


def snail(c, x, y, s=1.0, flip=False):
    """A snail on the ground line y: a spiral shell on a foot, a smiling head with eye stalks."""
    d = -1 if flip else 1
    foot = [(x - d * 55 * s, y), (x - d * 30 * s, y - 14 * s), (x + d * 30 * s, y - 16 * s),
            (x + d * 48 * s, y - 40 * s), (x + d * 62 * s, y - 48 * s), (x + d * 74 * s, y - 30 * s),
            (x + d * 66 * s, y - 4 * s), (x + d * 40 * s, y + 2)]
    for k in (1, -1):
        tip = (x + d * (62 + k * 10) * s, y - 78 * s)
        c.line([(x + d * (62 + k * 4) * s, y - 44 * s), tip])
        c.circle(tip[0], tip[1], 6 * s)
    c.shape(foot)
    cx, cy = x - d * 4 * s, y - 42 * s
    for r, off in ((40, 0), (26, 13), (13, 26)):        # a swirl of rings touching on the lower side
        c.circle(cx - d * off * 0.2 * s, cy + off * s, r * s)
    eye(c, x + d * 62 * s, y - 31 * s, 6.5 * s)
    smile(c, x + d * 58 * s, y - 16 * s, 3.5 * s)


def butterfly(c, x, y, s=1.0):
    """A butterfly seen from the front: four wings, then a body with a face on top."""
    for k in (1, -1):
        c.shape([(x, y - 8 * s), (x + k * 30 * s, y - 48 * s), (x + k * 62 * s, y - 40 * s),
                 (x + k * 56 * s, y - 6 * s), (x + k * 8 * s, y + 4 * s)])
        c.shape([(x, y + 4 * s), (x + k * 44 * s, y + 8 * s), (x + k * 48 * s, y + 36 * s),
                 (x + k * 22 * s, y + 44 * s), (x + k * 4 * s, y + 20 * s)])
    c.ellipse(x, y + 12 * s, 9 * s, 34 * s)
    for k in (1, -1):                       # antennae: free strokes with a knob, clear of the head
        c.line([(x + k * 7 * s, y - 50 * s), (x + k * 13 * s, y - 58 * s), (x + k * 20 * s, y - 63 * s)], smooth=True)
        c.dot(x + k * 20 * s, y - 62 * s, 4)
    c.circle(x, y - 26 * s, 15 * s)
    eye(c, x - 6 * s, y - 29 * s, 4.5 * s)
    eye(c, x + 6 * s, y - 29 * s, 4.5 * s)


def bird(c, x, y, s=1.0, flip=False):
    """A round little bird perched at (x, y) (its feet): body, wing, tail, beak, eye."""
    d = -1 if flip else 1
    c.polygon([(x - d * 26 * s, y - 26 * s), (x - d * 62 * s, y - 44 * s), (x - d * 58 * s, y - 22 * s)])
    c.ellipse(x, y - 30 * s, 34 * s, 27 * s)
    c.circle(x + d * 24 * s, y - 56 * s, 20 * s)
    c.shape([(x + d * 40 * s, y - 62 * s), (x + d * 58 * s, y - 54 * s), (x + d * 40 * s, y - 48 * s)])
    c.shape([(x - d * 20 * s, y - 36 * s), (x + d * 8 * s, y - 42 * s), (x + d * 14 * s, y - 26 * s),
             (x - d * 6 * s, y - 16 * s)])
    eye(c, x + d * 28 * s, y - 60 * s, 6 * s)
    for k in (-8, 8):
        c.line([(x + k * s, y - 5 * s), (x + k * s, y + 2)])


def frog(c, x, y, s=1.0):
    """A frog sitting on y: round body, big bulging eyes, wide smile."""
    for k in (1, -1):
        c.ellipse(x + k * 36 * s, y - 12 * s, 26 * s, 14 * s)
    c.ellipse(x, y - 34 * s, 46 * s, 34 * s)
    for k in (1, -1):
        c.circle(x + k * 22 * s, y - 66 * s, 15 * s)
        eye(c, x + k * 22 * s, y - 66 * s, 8 * s)
    c.line([(x - 22 * s, y - 42 * s), (x, y - 32 * s), (x + 22 * s, y - 42 * s)], smooth=True)


def squirrel(c, x, y, s=1.0, flip=False):
    """A squirrel sitting on y: a big bushy tail behind, body, head with ear, eye and nose."""
    d = -1 if flip else 1
    c.shape([(x - d * 20 * s, y - 6 * s), (x - d * 62 * s, y - 30 * s), (x - d * 70 * s, y - 90 * s),
             (x - d * 48 * s, y - 128 * s), (x - d * 14 * s, y - 120 * s), (x - d * 30 * s, y - 80 * s),
             (x - d * 10 * s, y - 40 * s)])
    c.ellipse(x, y - 34 * s, 28 * s, 36 * s)
    c.ellipse(x - d * 4 * s, y - 4 * s, 26 * s, 9 * s)
    c.shape([(x + d * 2 * s, y - 86 * s), (x + d * 4 * s, y - 112 * s), (x + d * 16 * s, y - 88 * s)])
    c.ellipse(x + d * 12 * s, y - 74 * s, 24 * s, 20 * s)
    eye(c, x + d * 16 * s, y - 80 * s, 5.5 * s)
    c.dot(x + d * 35 * s, y - 72 * s, 3.5 * s)
    c.line([(x + d * 24 * s, y - 64 * s), (x + d * 32 * s, y - 62 * s)])


def duck(c, x, y, s=1.0, flip=False):
    """A duck swimming on the water line y."""
    d = -1 if flip else 1
    c.shape([(x - d * 44 * s, y - 30 * s), (x - d * 30 * s, y - 8 * s), (x + d * 30 * s, y - 6 * s),
             (x + d * 40 * s, y - 24 * s), (x + d * 10 * s, y - 30 * s), (x - d * 20 * s, y - 24 * s)])
    c.circle(x + d * 26 * s, y - 46 * s, 18 * s)
    c.shape([(x + d * 40 * s, y - 48 * s), (x + d * 62 * s, y - 44 * s), (x + d * 42 * s, y - 36 * s)])
    c.shape([(x - d * 18 * s, y - 22 * s), (x + d * 4 * s, y - 26 * s), (x + d * 16 * s, y - 16 * s),
             (x - d * 8 * s, y - 12 * s)])
    eye(c, x + d * 30 * s, y - 50 * s, 5.5 * s)


def fish(c, x, y, s=1.0, flip=False):
    """A round fish swimming: tail, body, fin, big eye, smile."""
    d = -1 if flip else 1
    c.polygon([(x - d * 40 * s, y), (x - d * 68 * s, y - 22 * s), (x - d * 62 * s, y), (x - d * 68 * s, y + 22 * s)])
    c.shape([(x - d * 18 * s, y - 26 * s), (x - d * 4 * s, y - 40 * s), (x + d * 14 * s, y - 26 * s)])
    body = c.ellipse(x, y, 46 * s, 30 * s)
    eye(c, x + d * 22 * s, y - 8 * s, 8 * s)
    smile(c, x + d * 30 * s, y + 12 * s, 6 * s)
    return body


def watering_can(c, x, y, s=1.0, flip=False):
    """A watering can standing on y: body, spout with a rose, handle."""
    d = -1 if flip else 1
    c.tube([(x + d * 30 * s, y - 40 * s, 6 * s, 6 * s), (x + d * 80 * s, y - 90 * s, 5 * s, 5 * s)])
    c.ellipse(x + d * 84 * s, y - 94 * s, 12 * s, 7 * s, d * 45)
    c.tube([(x - d * 35 * s, y - 60 * s, 6 * s, 6 * s), (x - d * 10 * s, y - 120 * s, 6 * s, 6 * s),
            (x + d * 30 * s, y - 70 * s, 6 * s, 6 * s)])
    c.polygon([(x - d * 44 * s, y), (x - d * 44 * s, y - 80 * s), (x + d * 44 * s, y - 80 * s), (x + d * 44 * s, y)])
    c.polygon([(x - d * 44 * s, y - 60 * s), (x + d * 44 * s, y - 60 * s), (x + d * 44 * s, y - 48 * s),
               (x - d * 44 * s, y - 48 * s)])


def flower_pot(c, x, y, w=150, h=110, band=True):
    """A flower pot standing on y with a rim band."""
    c.polygon([(x - w * 0.38, y), (x - w * 0.5, y - h * 0.78), (x + w * 0.5, y - h * 0.78), (x + w * 0.38, y)])
    c.shape([(x - w * 0.56, y - h * 0.78), (x - w * 0.56, y - h), (x + w * 0.56, y - h),
             (x + w * 0.56, y - h * 0.78)], smooth=False)


def ice_crystal(c, x, y, r):
    """A six-armed snow crystal as one closed outline."""
    pts = []
    for k in range(6):
        a = math.radians(90 - 60 * k)
        ux, uy = math.cos(a), -math.sin(a)
        nx, ny = -uy, ux
        w = r * 0.09

        def P(t, o):
            return (x + ux * r * t + nx * o, y + uy * r * t + ny * o)
        pts += [P(0.25, -w), P(0.6, -w), P(0.68, -r * 0.23), P(0.8, -r * 0.21), P(0.72, -w),
                P(0.98, -w * 0.8), P(1.05, 0), P(0.98, w * 0.8), P(0.72, w), P(0.8, r * 0.21),
                P(0.68, r * 0.23), P(0.6, w), P(0.25, w)]
        # the notch between this arm and the next
    c.polygon(pts)


def mushroom(c, x, y, s=1.0):
    c.polygon([(x - 12 * s, y + 4), (x - 10 * s, y - 40 * s), (x + 10 * s, y - 40 * s), (x + 12 * s, y + 4)])
    c.shape([(x - 42 * s, y - 34 * s), (x - 30 * s, y - 66 * s), (x, y - 76 * s), (x + 30 * s, y - 66 * s),
             (x + 42 * s, y - 34 * s), (x, y - 40 * s)])
    for dx, dy, r in ((-18, -56, 7), (12, -62, 8), (26, -44, 5)):
        c.circle(x + dx * s, y + dy * s, r * s)


def ellipse(cx, cy, rx, ry):
    return ellipse_pts(cx, cy, rx, ry)
