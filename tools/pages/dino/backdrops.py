"""Scenery composed for each dinosaur page: a few large shapes chosen for the animal (a tall
tree beside a long neck, water for a duck-bill, a nest for a mother) instead of one kit.

Every piece is a closed outline; pieces that reach the page side (hills, sea, river, the
ground) run past both edges, so each dividing line goes edge to edge.
"""
import math

import numpy as np

from . import scenery
from .svgkit import W


def _free(mask, x0, y0, x1, y1):
    x0, y0 = max(0, int(x0)), max(0, int(y0))
    x1, y1 = min(mask.shape[1], int(x1)), min(mask.shape[0], int(y1))
    return x1 > x0 and y1 > y0 and not mask[y0:y1, x0:x1].any()


def _take(mask, x0, y0, x1, y1):
    mask[max(0, int(y0)):max(0, int(y1)), max(0, int(x0)):max(0, int(x1))] = True


# ---------------------------------------------------------------- pieces

def hills(c, y, amp=40, phase=0.0, bumps=2.2):
    """A rolling line of hills behind the ground, past both page edges."""
    pts = [(-30 + i * 30, y - amp * (0.5 + 0.5 * math.sin(i * 30 / W * bumps * math.pi + phase)))
           for i in range(25)]
    c.shape(pts + [(W + 40, y + 90), (-40, y + 90)])


def mountains(c, y, peaks=((90, 150), (250, 110), (450, 170), (600, 120))):
    """Pointed mountains behind the ground, past both page edges."""
    pts = [(-40, y)]
    prev = -40
    for x, h in peaks:
        pts += [((prev + x) / 2, y - 20), (x, y - h)]
        prev = x
    pts += [(W + 40, y - 30), (W + 40, y + 90), (-40, y + 90)]
    c.polygon(pts)


def sea(c, horizon, ground, waves=((120, 0), (420, 1), (560, 0))):
    """Sea from edge to edge between a horizon and the beach, with a few wave marks."""
    c.polygon([(-40, horizon), (W + 40, horizon), (W + 40, ground + 40), (-40, ground + 40)])
    for x, k in waves:
        y = horizon + 18 + 14 * k
        c.line([(x - 14, y), (x - 7, y - 5), (x, y), (x + 7, y - 5), (x + 14, y)], smooth=True)


def river(c, y, width=34, phase=0.0):
    """A river winding across the ground from edge to edge."""
    top = [(-40 + i * 60, y + 8 * math.sin(i * 0.9 + phase)) for i in range(14)]
    bot = [(x + 10, yy + width + 6 * math.sin(i * 1.3 + phase)) for i, (x, yy) in enumerate(top)]
    c.shape(top + bot[::-1])


def pond(c, x, y, rx=80, ry=18):
    """A flat pond lying on the ground with one ripple ring."""
    c.ellipse(x, y, rx, ry)
    c.ellipse(x - rx * 0.2, y + 1, rx * 0.45, ry * 0.45)


def round_tree(c, x, ground, h=260, r=70):
    """A tall tree with a bumpy round crown: something to measure a big animal against."""
    c.tube([(x, ground + 8, 16, 16), (x + 3, ground - h * 0.5, 12, 12), (x, ground - h + r * 0.6, 10, 10)])
    pts = []
    for i in range(60):
        t = 2 * math.pi * i / 60
        k = 1 + 0.1 * abs(math.sin(4 * t))
        pts.append((x + r * k * math.cos(t), ground - h + r * 0.9 * k * math.sin(t)))
    c.polygon(pts)


def conifer(c, x, ground, h=280, w=130):
    """A tall monkey-puzzle-like conifer: a trunk and three tiers of branches."""
    c.tube([(x, ground + 8, 13, 13), (x, ground - h * 0.6, 9, 9)])
    for k in range(3):
        top = ground - h + k * h * 0.24
        ww = w * (0.55 + 0.22 * k)
        c.shape([(x, top), (x + ww / 2, top + h * 0.3), (x + ww * 0.15, top + h * 0.26),
                 (x - ww * 0.15, top + h * 0.26), (x - ww / 2, top + h * 0.3)], smooth=False)


def moon(c, x, y, r=34):
    """A fat crescent moon: the outer circle less a circle moved to the right."""
    d, r2 = 0.5 * r, 0.8 * r
    xi = (r * r - r2 * r2 + d * d) / (2 * d)
    yi = math.sqrt(r * r - xi * xi)
    t0, f0 = math.atan2(yi, xi), math.atan2(yi, xi - d)
    outer = [(x + r * math.cos(t), y + r * math.sin(t)) for t in np.linspace(t0, 2 * math.pi - t0, 28)]
    inner = [(x + d + r2 * math.cos(t), y + r2 * math.sin(t)) for t in np.linspace(2 * math.pi - f0, f0, 20)]
    c.polygon(outer + inner[1:-1])


def star(c, x, y, r=24):
    pts = []
    for i in range(10):
        a = -math.pi / 2 + math.pi * i / 5
        rr = r if i % 2 == 0 else r * 0.5
        pts.append((x + rr * math.cos(a), y + rr * math.sin(a)))
    c.polygon(pts)


def log(c, x, ground, w=110, h=34):
    """A fallen log lying on the ground, its cut end towards the viewer."""
    c.shape([(x - w / 2, ground - h), (x + w / 2 - 8, ground - h), (x + w / 2 - 8, ground),
             (x - w / 2, ground)], smooth=False)
    c.ellipse(x - w / 2, ground - h / 2, h * 0.35, h / 2)


def dragonfly(c, x, y):
    """A dragonfly seen from above: two pairs of long wings, a long body and a round head."""
    for dx, ang in ((-6, -25), (-6, 25), (8, -65), (8, 65)):
        c.ellipse(x + dx + 26 * math.cos(math.radians(ang + 90)) * 0, y - 20 * (1 if ang < 0 else -1) * 0.9,
                  26, 8, ang * 0.4)
    c.tube([(x - 44, y, 3.5, 3.5), (x - 10, y, 5, 5), (x + 10, y, 6, 6)])
    c.circle(x + 20, y, 8)


def water(c, top, waves=((90, 0), (250, 1), (430, 0), (590, 1))):
    """Water in front of a wading animal, from edge to edge down to the page bottom."""
    pts = [(-40 + i * 40, top + 4 * math.sin(i * 1.1)) for i in range(20)]
    c.shape(pts + [(W + 40, 500), (-40, 500)])
    for x, k in waves:
        y = top + 22 + 16 * k
        c.line([(x - 16, y), (x - 8, y - 5), (x, y), (x + 8, y - 5), (x + 16, y)], smooth=True)


def flowers(c, x, ground, n=2):
    """A few big daisies on stalks: one scalloped ring of petals round a middle."""
    for i in range(n):
        fx = x + (i - (n - 1) / 2) * 56
        top = ground - 62 - 20 * (i % 2)
        c.tube([(fx, ground + 6, 6, 6), (fx, top, 6, 6)], cap=False)
        pts = []
        for k in range(60):
            t = 2 * math.pi * k / 60
            r = 16 + 9 * abs(math.cos(2.5 * t))
            pts.append((fx + r * math.cos(t), top + r * math.sin(t)))
        c.polygon(pts)
        c.circle(fx, top, 12)


# ---------------------------------------------------------------- compositions

BACK = ("hills", "mountains", "sea", "volcano", "tree", "conifer")


def compose(c, parts, mask, ground, seed=0):
    """Draws the ground and the scene `parts` (names, back to front, "name:argument") around a
    dinosaur whose drawing covers `mask`. Backdrop parts (hills, mountains, sea, volcano, trees)
    come first and may pass behind the animal; then the ground; small parts go only where the
    page is free."""
    taken = mask.copy()
    parts = [p for p in parts if p.partition(":")[0] in BACK] + ["ground"] + \
        [p for p in parts if p.partition(":")[0] not in BACK]

    def place(xs, box, draw):
        for x in xs:
            x0, y0, x1, y1 = box(x)
            if _free(taken, x0, y0, x1, y1):
                draw(x)
                _take(taken, x0 - 8, y0 - 8, x1 + 8, y1 + 8)
                return True
        return False

    left_first = seed % 2 == 0
    sides = (lambda a, b: a if left_first else b)
    for part in parts:
        kind, _, arg = part.partition(":")
        if kind == "ground":
            scenery.ground(c, ground, phase=seed)
        elif kind == "hills":
            hills(c, ground - 60, 50, phase=seed * 0.7)
        elif kind == "mountains":
            mountains(c, ground - 40)
        elif kind == "sea":
            sea(c, ground - 130, ground)
        elif kind == "volcano":
            # only where most of the cone shows: a cone hidden behind the animal reads as a tent
            for x in ((int(arg),) if arg else ()) + (110, 550, 330):
                x0, x1 = max(0, x - 115), min(mask.shape[1], x + 115)
                if mask[ground - 200:ground - 10, x0:x1].mean() < 0.03:
                    scenery.volcano(c, x, ground + 20, 230, 160)
                    _take(taken, x - 120, ground - 230, x + 120, ground)
                    break
        elif kind in ("tree", "conifer"):
            x = int(arg or 560)
            h = 300 if kind == "conifer" else 280
            draw = (lambda x: conifer(c, x, ground, h, 150)) if kind == "conifer" else \
                (lambda x: round_tree(c, x, ground, h, 78))
            draw(x)
            _take(taken, x - 80, ground - h - 10, x + 80, ground)
        elif kind == "river":
            river(c, ground + 14, 26, phase=seed)
        elif kind == "sun":
            place(sides((80, 580), (580, 80)) + (330, 200, 460), lambda x: (x - 62, 8, x + 62, 132),
                  lambda x: scenery.sun(c, x, 70))
        elif kind == "clouds":
            n = int(arg or 2)
            for _ in range(n):
                place((200, 470, 330, 90, 570, 140, 520), lambda x: (x - 62, 30, x + 62, 82),
                      lambda x: scenery.cloud(c, x, 56 + (x % 3) * 6))
        elif kind == "night":
            place(sides((90, 570), (570, 90)) + (330,), lambda x: (x - 40, 25, x + 40, 105),
                  lambda x: moon(c, x, 62))
            stars = 0
            for sx, sy in ((200, 50), (460, 45), (300, 120), (540, 135), (120, 140), (400, 95), (40, 45), (620, 60)):
                if stars < 4 and _free(taken, sx - 28, sy - 28, sx + 28, sy + 28):
                    star(c, sx, sy)
                    _take(taken, sx - 34, sy - 34, sx + 34, sy + 34)
                    stars += 1
        elif kind == "ferns":
            n = int(arg or 1)
            for _ in range(n):
                place(sides((70, 590), (590, 70)) + (170, 490), lambda x: (x - 95, ground - 110, x + 95, ground - 10),
                      lambda x: scenery.fern(c, x, ground + 8, 0.95, flip=x > 330))
        elif kind == "bigfern":
            place(((int(arg),) if arg else ()) + sides((90, 570), (570, 90)), lambda x: (x - 110, ground - 170, x + 110, ground - 10),
                  lambda x: scenery.fern(c, x, ground + 8, 1.45, flip=x > 330))
        elif kind == "palm":
            place(sides((80, 580), (580, 80)), lambda x: (x - 90, ground - 270, x + 90, ground - 10),
                  lambda x: scenery.palm(c, x, ground + 4, 200, flip=x > 330))
        elif kind == "grass":
            place(sides((70, 590), (590, 70)) + (180, 480), lambda x: (x - 70, ground - 100, x + 70, ground - 10),
                  lambda x: scenery.grass(c, x, ground + 6, blades=5, h=95))
        elif kind == "rocks":
            n = int(arg or 2)
            for i in range(n):
                place((40, 620, 250, 420, 160, 520), lambda x: (x - 45, ground - 45, x + 45, ground - 5),
                      lambda x, i=i: scenery.rock(c, x, ground + 22, 60 + 10 * (i % 2), 34, seed=i + seed))
        elif kind == "pond" and arg:
            pond(c, int(arg), ground + 30, 85, 16)          # right under a drinking head
        elif kind == "pond":
            place(sides((140, 520), (520, 140)) + (330,), lambda x: (x - 95, ground + 6, x + 95, ground + 50),
                  lambda x: pond(c, x, ground + 30, 85, 16))
        elif kind == "nest":
            place(((int(arg),) if arg else ()) + sides((100, 560), (560, 100)) + (180, 480),
                  lambda x: (x - 76, ground - 72, x + 76, ground - 5),
                  lambda x: scenery.nest(c, x, ground + 12))
        elif kind == "log":
            place(((int(arg),) if arg else ()) + sides((110, 550), (550, 110)), lambda x: (x - 65, ground - 45, x + 65, ground - 2),
                  lambda x: log(c, x, ground + 8))
        elif kind == "flowers":
            place(((int(arg),) if arg else ()) + sides((70, 590), (590, 70)) + (200, 460),
                  lambda x: (x - 50, ground - 100, x + 50, ground - 5),
                  lambda x: flowers(c, x, ground + 4, 2))
        elif kind == "dragonfly":
            at = [int(v) for v in arg.split(",")] if arg else []
            y = at[1] if len(at) > 1 else 175
            place(tuple(at[:1]) + (520, 140, 330, 600, 60), lambda x: (x - 40, y - 25, x + 40, y + 25),
                  lambda x: dragonfly(c, x, y))
        else:
            raise ValueError(part)
