"""Edition-4 pages redrawn after the family review: fewer, larger areas, each plant by
the features a child knows, each page with its own scenery (plants/scenes.py).

Each function draws into a fresh Canvas (660 x 460, y down).
"""
import math

from dino.svgkit import W as W_, catmull
from . import scenes as sc
from . import parts
from .parts import stem, petal, bell, chord, crown, _pt, _dir


def leaf(c, *args, vein=False, **kw):
    """A leaf without a midrib unless asked: one area a child fills in one go."""
    parts.leaf(c, *args, vein=vein, **kw)


def _along(points, t):
    """Point at fraction t along a smooth stem through points."""
    dense = catmull(points, False, 10)
    return dense[min(len(dense) - 1, int(round(t * (len(dense) - 1))))]


def _heading(points, t):
    dense = catmull(points, False, 10)
    i = min(len(dense) - 2, int(round(t * (len(dense) - 1))))
    (x0, y0), (x1, y1) = dense[i], dense[i + 1]
    return math.degrees(math.atan2(-(y1 - y0), x1 - x0))


def heart_leaf(c, stalk, size, angle=-90):
    """A heart-shaped leaf hanging from stalk, its point along angle (-90 = down)."""
    rot = math.radians(-90 - angle)
    pts = []
    for i in range(40):
        t = 2 * math.pi * i / 40
        hx = 16 * math.sin(t) ** 3
        hy = -(13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)) - 5
        hx, hy = hx * size / 32, (hy + 5) * size / 32
        pts.append((stalk[0] + hx * math.cos(rot) - hy * math.sin(rot),
                    stalk[1] + hx * math.sin(rot) + hy * math.cos(rot)))
    c.polygon(pts)


def pea_bunch(c, top, s=1.0, n=6):
    """A bunch of little pea flowers (alfalfa, redbud): a few plump ovals round a stalk tip."""
    x, y = top
    spots = ((-16, 8, 30), (16, 8, -30), (0, 14, 0), (-13, -12, 20), (13, -12, -20), (0, -30, 0))
    for dx, dy, a in spots[:n]:
        c.ellipse(x + dx * s, y + dy * s, 11 * s, 16 * s, a)


def strap(c, base, length, angle, width=18, bend=0.25):
    """A long strap leaf (bulbs, irises, grasses) curving over at the tip."""
    from dino import scenery
    scenery.leaf(c, base, length, angle, width, bend)


# ---------------------------------------------------------------- bells

def snowflak(c):
    # snowflake flowers: white bells with a dot on every tip, in the snow under big snow crystals
    sc.ice_crystal(c, 105, 95, 62)
    sc.ice_crystal(c, 560, 85, 48)
    sc.ice_crystal(c, 590, 250, 46)
    G = 400
    for a, ln in ((125, 220), (55, 220)):
        strap(c, (330, G + 10), ln, a, 24, 0.12)
    for (tx, ty, hx, s) in ((230, 140, 205, 0.9), (340, 95, 372, 1.05), (440, 155, 468, 0.9)):
        pts = [(330, G + 10), (330 + (tx - 330) * 0.3, 260), (tx, ty), (hx, ty + 8)]
        stem(c, pts, 4.5)
        c.ellipse(hx, ty + 4, 9, 12)
        bell(c, (hx, ty + 14), -90 + (hx - tx) * 0.4, 78 * s, 34 * s, lips=3)
        for k in (-1, 0, 1):
            px, py = _pt((hx, ty + 14), -90 + (hx - tx) * 0.4, 78 * s * 0.72)
            ang = math.radians(-90 + (hx - tx) * 0.4)
            nx, ny = math.sin(ang), math.cos(ang)
            c.dot(px + nx * k * 17 * s, py + ny * k * 17 * s, 4.5)
    sc.ground(c, G, wave=9, phase=1.0)
    for x in (90, 560):
        c.shape([(x - 70, G + 30), (x - 40, G - 12), (x, G - 22), (x + 40, G - 12), (x + 70, G + 30)])


def bluebell(c):
    # bluebells in a wood: arching stems with all the bells hanging on one side, between two tree trunks
    G = 400
    c.polygon([(-10, -10), (70, -10), (82, G + 10), (-10, G + 10)])
    c.polygon([(560, -10), (620, -10), (640, G + 10), (545, G + 10)])
    sc.ground(c, G, wave=4, phase=0.4)
    for x, lean, h in ((170, 1, 330), (380, 1, 300)):
        for a, ln in ((110, 150), (75, 160), (95, 120)):
            strap(c, (x, G + 12), ln, a, 16, 0.25)
        top = (x + lean * 140, G - h * 0.85)
        pts = [(x, G + 12), (x + lean * 10, G - h * 0.6), (x + lean * 50, G - h), top]
        stem(c, pts, 4)
        for k in range(4):
            t = 0.45 + 0.16 * k
            p = _along(pts, t)
            s = 1.0 - 0.1 * k
            bell(c, (p[0] + lean * 4, p[1] + 6), -90 + lean * 25, 62 * s, 25 * s, lips=3)
    sc.mushroom(c, 120, G + 22, 0.8)
    sc.snail(c, 490, G + 32, 0.75)


def glove_bell(c, top, angle, L, W):
    """A foxglove flower: a long thimble hanging from the stem, its round open mouth
    showing, spots inside."""
    ux, uy = _dir(angle)
    nx, ny = -uy, ux

    def P(t, w):
        return (top[0] + ux * L * t + nx * W * w, top[1] + uy * L * t + ny * W * w)

    c.shape([P(0, 0.25), P(0.35, 0.5), P(0.75, 0.62), P(1.0, 0.75), P(1.0, -0.75), P(0.75, -0.62),
             P(0.35, -0.5), P(0, -0.25)])
    mx, my = P(1.0, 0)
    c.ellipse(mx, my, W * 0.75, L * 0.16, -angle + 90)
    for k in (-0.3, 0.3):
        c.dot(*P(0.93, k), 3.2)


def foxglove(c):
    # a tall foxglove spike by the garden fence: long spotted bells all down the stem, a bee going in
    G = 405
    sc.hedge(c, 250)
    sc.ground(c, G, wave=4, phase=2.0)
    for a, ln in ((165, 140), (15, 140), (135, 110), (45, 110)):
        leaf(c, (300, G + 4), ln, a, 40, kind="oval")
    pts = [(300, G + 8), (296, 250), (304, 100), (310, 30)]
    stem(c, pts, 6)
    for k in range(6):
        t = 0.32 + 0.11 * k
        p = _along(pts, t)
        side = 1 if k % 2 else -1
        s = 1.0 - 0.08 * k
        ang = -90 + side * 50
        glove_bell(c, (p[0] + side * 5, p[1]), ang, 92 * s, 36 * s)
    for dy, r in ((10, 9), (30, 11)):
        c.ellipse(310 + (dy - 20) * 0.4, 30 + dy, r * 0.8, r * 1.2)
    sc.bee(c, 480, 200, 1.1, flip=True)
    sc.sun(c, 590, 60, 30)


# ---------------------------------------------------------------- trees

def redwood(c):
    # redwoods: trunks so tall and wide they run out of the page, a squirrel at the foot for size
    G = 410
    for x, w, top in ((95, 38, -10), (560, 46, -10)):
        c.polygon([(x - w * 1.5, G + 10), (x - w, G - 60), (x - w * 0.8, top), (x + w * 0.8, top),
                   (x + w, G - 60), (x + w * 1.5, G + 10)])
        c.tube([(x - w, 95, 6, 6), (x - w - 40, 80, 4, 4)])
        leafy_pad(c, x - w - 40, 72, 46, 22, points=14)
        c.tube([(x + w, 170, 6, 6), (x + w + 30, 155, 4, 4)])
        leafy_pad(c, x + w + 36, 150, 42, 20, points=13)
    x, w = 320, 88
    bole = c.polygon([(x - w * 1.75, G + 10), (x - w * 1.15, G - 50), (x - w, 200), (x - w * 0.85, -10),
                      (x + w * 0.85, -10), (x + w, 200), (x + w * 1.15, G - 50), (x + w * 1.75, G + 10)])
    for k in (-0.55, 0.0, 0.5):
        a = chord(bole, (x + k * w * 0.8, 0), (x + k * w * 1.5, G))
        c.line(a)
    c.tube([(x + w * 0.9, 60, 9, 9), (x + w * 1.6, 40, 6, 6)])
    leafy_pad(c, x + w * 1.7, 38, 56, 24, points=15)
    sc.ground(c, G, wave=4)
    from dino import scenery
    scenery.fern(c, 40, G + 12, 0.7)
    scenery.fern(c, 470, G + 14, 0.6, flip=True)
    sc.squirrel(c, 600, G + 20, 0.65, flip=True)


def redbud(c):
    # a redbud tree on a spring hill: pink pea flowers in bunches right on the bare branches, heart leaves
    sc.cloud(c, 120, 70, 130, 46)
    sc.hill(c, 400, 330, 330, 390)
    x, y = 330, 380
    c.tube([(x - 8, y + 6, 18, 18), (x - 4, y - 60, 14, 14), (x, y - 110, 12, 12)])
    branches = [
        [(x, y - 100), (x - 90, y - 170), (x - 200, y - 210)],
        [(x, y - 105), (x - 40, y - 210), (x - 80, y - 310)],
        [(x, y - 105), (x + 50, y - 210), (x + 90, y - 315)],
        [(x, y - 100), (x + 100, y - 160), (x + 210, y - 200)],
    ]
    for br in branches:
        c.tube([(px, py, 8 - 2 * i, 8 - 2 * i) for i, (px, py) in enumerate(br)])
    for br in branches:
        for t in ((0.5, 0.95) if abs(br[-1][0] - x) < 120 else (0.95,)):
            p = _along(br, t)
            pea_bunch(c, (p[0], p[1] - 14), 1.15, 5 if t > 0.5 else 3)
    for (lx, ly, a) in ((x - 150, y - 200, -120), (x - 40, y - 262, -100), (x + 52, y - 268, -80),
                        (x + 165, y - 195, -60)):
        heart_leaf(c, (lx, ly), 62, a)
    sc.bird(c, 540, 352, 0.9, flip=True)
    sc.sun(c, 580, 70, 30)


def alfalfa(c):
    # alfalfa: clover-like leaves in threes and purple bunches of little pea flowers; a bee; hay bales behind
    sc.hill(c, 380, 250, 330, 370)
    for x, h, b in ((200, 240, -30), (330, 300, 5), (460, 230, 45)):
        pts = [(x, 470), (x + b * 0.3, 418 - h * 0.5), (x + b, 418 - h)]
        stem(c, pts, 4.5)
        for k, t in enumerate((0.55,)):
            p = _along(pts, t)
            side = 1 if (k + (x // 10)) % 2 else -1
            lp = _pt(p, 90 + side * 55, 34)
            c.line([p, lp])
            for da in (-70, 0, 70):
                leaf(c, lp, 46, 90 + side * 55 + da, 18, kind="oval", vein=False)
        top = (x + b, 418 - h)
        pea_bunch(c, (top[0], top[1] - 16), 1.5, 6)
    sc.bee(c, 575, 112, 1.1, flip=True)
    sc.sun(c, 70, 60, 28)


# ---------------------------------------------------------------- batch two

def iris_flower(c, x, y, S):
    """An iris seen from the front: three upright standards behind, three falls
    drooping in front, each fall with its fuzzy beard."""
    for a in (118, 62):
        petal(c, (x, y), a, S * 0.85, S * 0.3, 0, "round")
    petal(c, (x, y), 90, S * 0.95, S * 0.33, 0, "round")
    for a in (200, 340, 270):
        petal(c, (x, y), a, S * 1.05, S * 0.4, S * 0.05, "round")
        bx, by = _pt((x, y), a, S * 0.42)
        c.ellipse(bx, by, S * 0.16, S * 0.06, -a)
    c.circle(x, y, S * 0.12)


def iris(c):
    # irises on the bank of a pond: three falling petals and three standing ones, sword leaves, a frog
    sc.sun(c, 585, 62, 30)
    sc.ground(c, 330, wave=3)
    for x, h, S in ((190, 250, 84), (440, 215, 76)):
        for a, ln in ((100, 190), (80, 180), (110, 130), (70, 140)):
            leaf(c, (x + (a - 90) * 0.9, 400), ln, a, 20, kind="lance", vein=False)
        stem(c, [(x, 400), (x + 4, 400 - h * 0.5), (x, 400 - h)], 5)
        iris_flower(c, x, 400 - h, S)
    stem(c, [(320, 400), (322, 250), (318, 170)], 4.5)
    c.shape([(318, 120), (306, 150), (308, 178), (318, 186), (328, 178), (330, 150)])
    sc.water(c, 382, wave=4)
    c.shape([(470, 430), (520, 404), (600, 406), (640, 428), (590, 450), (520, 452)])
    sc.frog(c, 560, 428, 0.8)


def leafy_pad(c, cx, cy, rx, ry, points=22):
    """A flat layer of leaves: an oval with a pointed, leafy edge."""
    pts = []
    for i in range(points * 2):
        t = 2 * math.pi * i / (points * 2)
        r = 1.0 if i % 2 else 1.13
        pts.append((cx + rx * r * math.cos(t), cy + ry * r * math.sin(t)))
    c.polygon(pts)


def hand_leaf(c, base, size, angle=90, lobes=7, spread=250):
    """A Japanese maple leaf: seven slim pointed lobes fanned round its base."""
    step = spread / (lobes - 1)
    mid = (lobes - 1) / 2
    pts = []
    for i in range(lobes):
        a = angle - spread / 2 + step * i
        L = size * (1.0 - 0.4 * abs(i - mid) / mid)
        pts += [_pt(base, a - step * 0.3, L * 0.6), _pt(base, a, L), _pt(base, a + step * 0.3, L * 0.6)]
        if i < lobes - 1:
            pts.append(_pt(base, a + step / 2, size * 0.42))
    pts.append(_pt(base, angle + 180, size * 0.08))
    c.polygon(pts)


def japanese(c):
    # a Japanese maple leaning over a pond: big seven-pointed leaves, one floating, a koi fish below
    sc.ground(c, 300, wave=3, y_right=440)
    sc.water(c, 380, wave=4, phase=1.0)
    sc.fish(c, 360, 420, 0.85, flip=True)
    hand_leaf(c, (560, 418), 46, angle=95)
    c.tube([(55, 340, 30, 30), (75, 220, 20, 20), (125, 95, 13, 13), (330, 60, 9, 9), (560, 90, 6, 6)])
    c.tube([(95, 170, 8, 8), (170, 190, 6, 6), (230, 230, 4, 4)])
    for (lx, ly), size, ang in (((175, 80), 74, -80), ((305, 66), 80, -95), ((435, 73), 76, -100),
                                ((560, 90), 70, -80), ((230, 230), 76, -95)):
        hand_leaf(c, _pt((lx, ly), ang, size * 0.22), size, angle=ang)
    hand_leaf(c, (420, 290), 62, angle=60)


def spiky_ball(c, x, y, r):
    pts = []
    for i in range(36):
        t = 2 * math.pi * i / 36
        rr = r * (1.18 if i % 2 else 1.0)
        pts.append((x + rr * math.cos(t), y + rr * math.sin(t)))
    c.polygon(pts)


def sycamore(c):
    # a sycamore: patchy white-and-brown bark, a big leafy crown and prickly seed balls on long strings
    sc.ground(c, 405, wave=4, phase=2.0)
    x = 280
    c.polygon([(x - 50, 412), (x - 34, 330), (x - 30, 170), (x + 30, 170), (x + 34, 330), (x + 50, 412)])
    crown(c, x - 25, 150, 118, 128, bumps=10, seed=0.7)
    for px, py, rx, ry, a in ((x - 8, 270, 14, 22, 10), (x + 14, 310, 13, 20, -15), (x - 14, 360, 15, 18, 5),
                              (x + 16, 385, 12, 10, 0)):
        c.ellipse(px, py, rx, ry, a)
    c.tube([(x + 30, 260, 10, 10), (x + 130, 240, 7, 7), (x + 230, 250, 5, 5)])
    for bx, ln in ((x + 105, 70), (x + 160, 105), (x + 205, 60)):
        by = 245 + ln
        c.line([(bx, 246), (bx + 6, by - 18)], smooth=False)
        spiky_ball(c, bx + 6, by, 18)

    sc.bird(c, x + 160, 238, 0.75)


def acorn(c, x, y, s=1.0, a=0):
    """An acorn: a smooth nut in a bumpy cap with a little stalk."""
    from dino.svgkit import rotate
    def R(pts):
        return rotate([(x + px * s, y + py * s) for px, py in pts], a, (x, y))
    c.shape(R([(-26, -10), (-24, 20), (-12, 42), (0, 48), (12, 42), (24, 20), (26, -10)]))
    c.polygon(R([(-4, -40), (-4, -58), (4, -58), (4, -40)]))
    cap = [(-32, -6), (-30, -26), (-16, -40), (0, -44), (16, -40), (30, -26), (32, -6)]
    for k in range(8, -1, -1):
        cap.append((-32 + 64 * k / 8, -6 + (6 if k % 2 else 0)))
    c.shape(R(cap))


def oak_leaf(c, base, length, angle):
    ux, uy = _dir(angle)
    nx, ny = -uy, ux

    def P(t, w):
        return (base[0] + ux * length * t + nx * w, base[1] + uy * length * t + ny * w)

    prof = [(0.04, 0.06)]
    for t, w in ((0.22, 0.26), (0.45, 0.34), (0.7, 0.3)):
        prof += [(t - 0.08, w * 0.5), (t - 0.05, w * 0.9), (t, w), (t + 0.05, w * 0.9), (t + 0.08, w * 0.5)]
    left = [P(t, w * length) for t, w in prof]
    right = [P(t, -w * length) for t, w in prof][::-1]
    outline = c.shape(left + [P(0.9, 0.17 * length), P(1.0, 0), P(0.9, -0.17 * length)] + right)
    c.line(chord(outline, P(0.1, 0), P(0.9, 0)))


def whiteoak(c):
    # a white oak: a wide round crown on a sturdy trunk, a swing, a squirrel with its acorn, a big oak leaf
    sc.cloud(c, 580, 60, 110, 40)
    sc.ground(c, 400, wave=4)
    x = 250
    c.tube([(x, 410, 30, 30), (x, 300, 24, 24), (x - 5, 220, 20, 20)])
    c.tube([(x, 250, 14, 14), (x + 150, 222, 10, 10), (x + 190, 215, 8, 8)])
    c.tube([(x - 4, 240, 14, 14), (x - 110, 180, 10, 10)])
    crown(c, x, 125, 235, 82, bumps=12, seed=0.4)
    for rx in (x + 95, x + 155):
        c.line([(rx, 259 - (rx - x) * 0.19), (rx, 330)])
    c.polygon([(x + 80, 330), (x + 170, 330), (x + 170, 344), (x + 80, 344)])
    sc.squirrel(c, 110, 420, 0.9)
    acorn(c, 150, 330, 0.6, -20)
    oak_leaf(c, (520, 440), 190, 75)
    acorn(c, 610, 385, 0.9, 15)


def weeping(c):
    # a weeping willow by a pond: long leafy curtains that nearly touch the ground, a duck on the water
    sc.sun(c, 590, 60, 30)
    sc.ground(c, 400, wave=4, phase=1.3)
    x = 250
    c.tube([(x, 410, 24, 24), (x, 300, 18, 18), (x + 5, 160, 14, 14)])
    for side in (-1, 1):
        pts = [(x + side * 30, 120), (x + side * 120, 110), (x + side * 190, 170), (x + side * 205, 250)]
        for k in range(13):
            u = k / 12
            hx = x + side * (205 - 175 * u)
            pts.append((hx, 345 + 20 * math.sin(u * 5) + (22 if k % 2 else 0)))
        pts.append((x + side * 34, 250))
        outline = c.polygon(catmull(pts[:4], False, 8) + pts[4:])
        for k in (0.35, 0.7):
            a = (x + side * (40 + 160 * k), 140)
            b = (x + side * (40 + 150 * k), 360)
            c.line(chord(outline, a, b))
    crown(c, x, 110, 120, 62, bumps=9, seed=0.3)
    c.ellipse(510, 420, 140, 30)
    sc.duck(c, 510, 425, 0.8, flip=True)


def magnolia(c):
    # a magnolia branch in a vase on the table: big open flowers with a cone in the middle, furry buds
    sc.table(c, 360)
    x = 330
    twigs = [[(x, 300), (x - 60, 200), (x - 150, 120)], [(x, 300), (x + 10, 180), (x + 30, 70)],
             [(x, 300), (x + 80, 210), (x + 170, 150)]]
    for tw in twigs:
        c.tube([(px, py, 6 - i * 1.5, 6 - i * 1.5) for i, (px, py) in enumerate(tw)])
    for (fx, fy), S in (((x - 150, 120), 78), ((x + 170, 150), 72), ((x - 60, 205), 58)):
        for a, L in ((60, 1.0), (120, 1.0), (90, 1.05), (5, 0.9), (175, 0.9)):
            petal(c, (fx, fy), a, S * L, S * 0.3, 0, "round")
        for a in (-35, 215):
            petal(c, (fx, fy), a, S * 0.8, S * 0.32, 0, "round")
        c.ellipse(fx, fy - S * 0.12, S * 0.12, S * 0.26)
    for bx, by, a in ((x + 30, 70, 0),):
        c.ellipse(bx, by - 18, 12, 24, a)
    c.shape([(x - 40, 372), (x - 70, 320), (x - 56, 270), (x - 26, 245), (x - 30, 220), (x + 30, 220),
             (x + 26, 245), (x + 56, 270), (x + 70, 320), (x + 40, 372)])
    c.ellipse(x, 220, 34, 8)


# ---------------------------------------------------------------- batch three

def scallop_face(c, x, y, R, lobes=5, dip=0.14, rot=90):
    """A round flower face with shallow lobes (petunia, primrose-like trumpets)."""
    pts = []
    n = lobes * 8
    for i in range(n):
        t = math.radians(rot) + 2 * math.pi * i / n
        r = R * (1 - dip + dip * abs(math.cos(lobes * (t - math.radians(rot)) / 2)))
        pts.append((x + r * math.cos(t), y - r * math.sin(t)))
    return c.shape(pts)


def petunias(c):
    # petunias in a window box under a window: big trumpet faces, some spilling over the edge; a ladybird
    c.polygon([(150, -30), (510, -30), (510, 270), (150, 270)])
    c.polygon([(168, -12), (492, -12), (492, 262), (168, 262)])
    c.line([(330, -12), (330, 262)])
    sc.ground(c, 430, wave=3)
    for lx, ly, a in ((170, 300, 160), (490, 300, 20), (250, 270, 120), (410, 270, 60), (330, 262, 90)):
        leaf(c, (lx, ly), 70, a, 26, kind="oval", vein=False)
    for x, y, R, a in ((200, 250, 50, 110), (330, 225, 56, 90), (460, 250, 50, 70), (265, 265, 44, 100),
                       (395, 265, 44, 80)):
        scallop_face(c, x, y, R, dip=0.07)
        c.circle(x, y, R * 0.25)
    for x, a in ((150, 230), (510, -50)):
        c.shape([(x, 312), (x + math.cos(math.radians(a)) * 30 - 12, 350), (x + math.cos(math.radians(a)) * 40, 390),
                 (x + math.cos(math.radians(a)) * 50 + 20, 372), (x + 14, 318)])
    box = c.polygon([(120, 290), (540, 290), (528, 380), (132, 380)])
    c.line(chord(box, (100, 305), (560, 305)))
    sc.ladybird(c, 450, 345, 0.75, angle=0)


def poinsettia_star(c, x, y, R):
    for i in range(7):
        a = 90 + 360 * i / 7
        leaf(c, _pt((x, y), a, R * 0.05), R, a, R * 0.36, kind="lance")
    for i in range(5):
        a = 90 + 36 + 72 * i
        leaf(c, (x, y), R * 0.62, a, R * 0.3, kind="lance", vein=False)
    for dx, dy in ((0, -8), (-9, 5), (9, 5)):
        c.circle(x + dx, y + dy, 8)


def poinsett(c):
    # a poinsettia on the table: a big star of pointed leaves round little yellow buds, a present beside it
    sc.table(c, 370)
    x = 300
    for a in (200, 340):
        leaf(c, (x, 250), 120, a, 38, kind="oval")
    poinsettia_star(c, x, 165, 150)
    sc.flower_pot(c, x, 380, 170, 130)
    c.ellipse(x - 22, 312, 20, 12, 20)
    c.ellipse(x + 22, 312, 20, 12, -20)
    c.circle(x, 314, 9)
    bx = 530
    c.polygon([(bx - 70, 385), (bx - 70, 290), (bx + 70, 290), (bx + 70, 385)])
    c.polygon([(bx - 78, 290), (bx - 78, 262), (bx + 78, 262), (bx + 78, 290)])
    c.polygon([(bx - 12, 262), (bx + 12, 262), (bx + 12, 385), (bx - 12, 385)])
    c.ellipse(bx - 24, 248, 24, 14, 20)
    c.ellipse(bx + 24, 248, 24, 14, -20)
    c.circle(bx, 254, 10)


def primrose(c):
    # primroses: a rosette of crinkly leaves and flat flowers of five heart-shaped petals; a ladybird
    sc.cloud(c, 530, 70, 130, 46)
    sc.ground(c, 380, wave=3, phase=0.8)
    x = 320
    for a, ln in ((170, 220), (10, 230), (145, 170), (35, 190), (120, 150), (60, 150)):
        leaf(c, (x, 400), ln, a, 55, kind="oval")
    for fx, fy, R in ((170, 270, 64), (300, 200, 68), (440, 250, 64), (545, 320, 54), (330, 320, 56)):
        for i in range(5):
            petal(c, (fx, fy), 90 + 72 * i, R, R * 0.5, R * 0.1, "notched")
        c.circle(fx, fy, R * 0.22)
    sc.ladybird(c, 110, 350, 0.85, angle=20)


def orchid_flower(c, x, y, S):
    for a in (90, 215, 325):
        petal(c, (x, y), a, S, S * 0.26, 0, "pointed")
    for a in (20, 160):
        petal(c, (x, y), a, S * 0.95, S * 0.45, 0, "round")
    petal(c, (x, y), 270, S * 0.6, S * 0.3, S * 0.05, "notched")
    c.circle(x, y, S * 0.16)


def orchids(c):
    # a moth orchid in a pot on the windowsill: broad leaves and big flat flowers along an arching stem
    sc.window(c, 90, -40, 570, 360, 360)
    x = 300
    pts = [(x, 300), (x + 10, 150), (x + 90, 70), (x + 220, 80)]
    stem(c, pts, 3.5)
    c.tube([(x - 30, 330, 4, 4), (x - 30, 140, 3, 3)])
    for t, S in ((0.38, 62), (0.6, 60), (0.8, 56)):
        p = _along(pts, t)
        orchid_flower(c, p[0] + 6, p[1] + 40, S)
    c.ellipse(x + 220, 90, 14, 18)
    for a in (200, 340, 160):
        leaf(c, (x, 315), 150, a, 46, kind="oval")
    sc.flower_pot(c, x, 420, 170, 110)


def rose_head(c, x, y, R):
    """A rose from the front: five round outer petals round a swirl of petals in the middle."""
    for i in range(5):
        petal(c, (x, y), 90 + 72 * i, R, R * 0.58, 0, "round")
    c.circle(x, y, R * 0.6)
    c.circle(x + R * 0.08, y + R * 0.12, R * 0.4)
    c.circle(x + R * 0.02, y + R * 0.2, R * 0.18)


def toothed_leaf(c, base, length, angle, width):
    """A rose leaflet: an oval with a saw-toothed edge."""
    ux, uy = _dir(angle)
    nx, ny = -uy, ux
    left, right = [], []
    for k in range(11):
        t = k / 10
        w = width * math.sin(math.pi * min(1.0, 0.05 + t)) ** 0.8 * (1.12 if k % 2 else 1.0)
        left.append((base[0] + ux * length * t + nx * w, base[1] + uy * length * t + ny * w))
        right.append((base[0] + ux * length * t - nx * w, base[1] + uy * length * t - ny * w))
    c.polygon(left + right[::-1])


def roses(c):
    # a rose bush: three roses with swirled buds, toothed leaves, thorny stems; a watering can
    sc.ground(c, 400, wave=4, phase=0.2)
    sc.sun(c, 590, 60, 30)
    heads = ((150, 215, 72), (320, 110, 80), (470, 165, 68))
    for hx, hy, R in heads:
        pts = [(330, 410), ((330 + hx) / 2, 300), (hx, hy + R * 0.7)]
        stem(c, pts, 5)
    for (lx, ly), a in (((240, 320), 160), ((395, 270), 20)):
        for da, ln in ((-45, 52), (45, 52), (0, 64)):
            toothed_leaf(c, (lx, ly), ln, a + da, 19)
    for hx, hy, R in heads:
        rose_head(c, hx, hy, R)
    sc.watering_can(c, 560, 425, 1.1, flip=True)


def violet_flower(c, x, y, S, tilt=0):
    for a, L, w in ((68, 1.0, 0.3), (112, 1.0, 0.3), (15, 0.85, 0.28), (165, 0.85, 0.28), (270, 0.9, 0.36)):
        petal(c, (x, y), a + tilt, S * L, S * w, 0, "round")
    c.circle(x, y, S * 0.16)


def violets(c):
    # violets in a basket: heart-shaped leaves, little five-petal flowers nodding on curved stalks
    sc.ground(c, 410, wave=3, phase=2.2)
    sc.cloud(c, 110, 60, 120, 42)
    sc.sun(c, 590, 60, 28)
    x = 330
    for (lx, ly), a, size in (((x - 100, 250), 150, 78), ((x + 100, 250), 30, 78), ((x - 45, 225), 120, 70),
                              ((x + 45, 225), 60, 70)):
        heart_leaf(c, _pt((lx, ly), a, 40), size, a)
    for (fx, fy), S, t in (((x - 90, 150), 46, -10), ((x, 100), 50, 0), ((x + 90, 150), 46, 10),
                           ((x, 205), 40, 0)):
        stem(c, [(x + (fx - x) * 0.4, 300), (fx, fy + 40), (fx, fy)], 3.5)
        violet_flower(c, fx, fy, S, t)
    basket = c.shape([(x - 150, 290), (x - 140, 380), (x - 100, 425), (x + 100, 425), (x + 140, 380),
                      (x + 150, 290)])
    c.polygon([(x - 162, 280), (x + 162, 280), (x + 162, 306), (x - 162, 306)])
    c.line(chord(basket, (x - 230, 355), (x + 230, 355)))
    for k in (-1, 1):
        c.line(chord(basket, (x + k * 90, 300), (x + k * 75, 430)))


def chrysant(c):
    # a pot of chrysanthemums on the doorstep: round pompom heads of many curved petals, and a pumpkin
    c.polygon([(-10, 330), (W_ + 10, 330), (W_ + 10, 470), (-10, 470)])
    c.line([(-10, 350), (W_ + 10, 350)])
    c.line([(-10, 420), (W_ + 10, 420)])
    x = 250
    for a in (160, 20, 130, 50):
        leaf(c, (x, 240), 110, a, 34, kind="oval")
    for hx, hy, R, rings in ((x - 75, 150, 84, 2), (x + 85, 160, 78, 2)):
        for k in range(rings):
            n = (11, 8)[k]
            L = R * (1.0, 0.6)[k]
            for i in range(n):
                petal(c, (hx, hy), 90 + 360 * (i + 0.5 * k) / n, L, L * (0.27, 0.42)[k],
                      0, "round")
        c.circle(hx, hy, R * 0.22)
    sc.flower_pot(c, x, 340, 200, 110)
    px, py = 500, 330
    c.tube([(px, py - 95, 7, 7), (px + 10, py - 120, 6, 6)])
    for dx, rx in ((-40, 48), (40, 48), (0, 52)):
        c.ellipse(px + dx, py - 48, rx, 52)
    c.shape([(px - 60, py - 110), (px - 30, py - 130), (px - 18, py - 112), (px - 40, py - 100)])


def tulip_head(c, x, y, S, tilt=0):
    from dino.svgkit import rotate
    def R(pts):
        return rotate([(x + px * S, y + py * S) for px, py in pts], tilt, (x, y))
    c.shape(R([(-0.05, 0.2), (-0.3, -0.5), (0, -0.95), (0.3, -0.5), (0.05, 0.2)]))
    c.shape(R([(0.05, 0.55), (-0.5, 0.35), (-0.58, -0.25), (-0.45, -0.75), (-0.1, -0.3), (0.1, 0.25)]))
    c.shape(R([(-0.05, 0.55), (0.5, 0.35), (0.58, -0.25), (0.45, -0.75), (0.1, -0.3), (-0.1, 0.25)]))


def tulips(c):
    # tulips in front of a windmill: cup-shaped flowers of three petals, long broad leaves
    sc.hill(c, 300, 520, 250, 270)
    wx = 520
    c.polygon([(wx - 50, 262), (wx - 30, 120), (wx + 30, 120), (wx + 50, 262)])
    c.shape([(wx - 38, 122), (wx - 30, 95), (wx, 82), (wx + 30, 95), (wx + 38, 122)])
    c.polygon([(wx - 13, 262), (wx - 13, 225), (wx + 13, 225), (wx + 13, 262)])
    for a in (45, 135, 225, 315):
        p0 = _pt((wx, 105), a, 16)
        p1 = _pt((wx, 105), a, 110)
        ux, uy = _dir(a + 90)
        c.polygon([(p0[0] + ux * 16, p0[1] + uy * 16), (p1[0] + ux * 22, p1[1] + uy * 22),
                   (p1[0] - ux * 4, p1[1] - uy * 4), (p0[0] - ux * 4, p0[1] - uy * 4)])
    c.circle(wx, 105, 12)
    sc.ground(c, 400, wave=4)
    for x, h, tilt in ((140, 230, -8), (260, 290, 4), (380, 220, 10)):
        stem(c, [(x, 410), (x + tilt, 410 - h * 0.5), (x + tilt * 2, 410 - h)], 5.5)
        for a, s in ((125, 1), (60, -1)):
            leaf(c, (x, 405), 150, a, 30, kind="lance")
        tulip_head(c, x + tilt * 2, 410 - h - 30, 72, tilt)
    sc.cloud(c, 120, 60, 120, 40)


# ---------------------------------------------------------------- batch four

def asparagus(c):
    # asparagus coming up in a raised garden bed: plump scaly tips, pointed scales up the spears
    sc.cloud(c, 520, 70, 130, 44)
    sc.sun(c, 90, 65, 30)
    bed = 330
    for x, h, lean in ((160, 200, -14), (250, 265, 6), (340, 225, -6), (430, 285, 10), (515, 195, 18)):
        top = (x + lean, bed - h)
        spine = [(x, bed + 20), (x + lean * 0.3, bed - h * 0.5), top]
        for t, side in ((0.42, 1), (0.68, -1)):
            p = _along(spine, t)
            petal(c, p, 90 - side * 58, 50, 13, 0, "pointed")
        c.tube([(px, py, 14, 14) for px, py in spine])
        for a, L in ((122, 46), (58, 46), (90, 56)):
            petal(c, (top[0], top[1] + 24), a, L, 18, 0, "pointed")
    c.shape([(-20, bed + 5), (120, bed - 8), (330, bed - 12), (540, bed - 8), (680, bed + 5), (680, bed + 30),
             (-20, bed + 30)])
    c.polygon([(-20, bed + 22), (680, bed + 22), (680, 470), (-20, 470)])
    c.line([(-20, bed + 75), (680, bed + 75)])
    for x in (110, 330, 550):
        c.line([(x, bed + 22), (x, bed + 75)])
    sc.snail(c, 560, bed + 125, 0.7, flip=True)


def bluebonn(c):
    # bluebonnets on a hill: spikes of little pea flowers with a white tip, long leaves
    sc.hill(c, 330, 200, 270, 320)
    sc.cloud(c, 520, 70, 140, 46)
    for x, h in ((220, 300), (430, 270)):
        stem(c, [(x, 470), (x + 4, 430 - h * 0.5), (x, 430 - h)], 6)
        for k in range(3):
            yy = 430 - h * 0.38 - k * (h * 0.6 / 3)
            s = 1 - k * 0.14
            for side in (-1, 1):
                petal(c, (x, yy), 90 + side * 55, 58 * s, 24 * s, 4, "round")
        c.shape([(x - 18, 430 - h + 22), (x, 430 - h - 30), (x + 18, 430 - h + 22)])
        for a in (135, 45):
            strap(c, (x, 445), 120, a, 22, 0.3)
    sc.butterfly(c, 560, 210, 0.75)


def fiddlehead(c, x, y, r):
    """A young fern frond still rolled up: a stalk ending in a curl."""
    pts = [(x, y)]
    for k in range(14):
        t = k * 0.45
        rr = r * (1 - t / 7.5)
        pts.append((x - r + rr * math.cos(t + math.pi), y - 160 - rr * math.sin(t + math.pi)))
    c.tube([(x, y, 5, 5), (x + 6, y - 80, 5, 5), (x, y - 150, 5, 5)])
    c.circle(x - r * 0.35, y - 168, r * 0.9)
    c.circle(x - r * 0.5, y - 172, r * 0.45)


def big_frond(c, base, length, angle, bend, pairs=6, pinna=80):
    a0 = math.radians(angle)
    ux, uy = math.cos(a0), -math.sin(a0)
    nx, ny = -uy, ux

    def at(t):
        off = bend * length * t * t
        return (base[0] + ux * length * t + nx * off, base[1] + uy * length * t + ny * off)

    def heading(t):
        p, q = at(max(0.0, t - 0.01)), at(min(1.0, t + 0.01))
        return math.degrees(math.atan2(-(q[1] - p[1]), q[0] - p[0]))

    for i in range(pairs):
        t = 0.22 + 0.7 * i / (pairs - 1)
        L = pinna * (1.0 - 0.6 * i / pairs)
        for side in (1, -1):
            leaf(c, at(t), L, heading(t) + side * 60, L * 0.3, kind="lance", vein=False)
    leaf(c, at(0.9), pinna * 0.45, heading(0.9), pinna * 0.14, kind="lance", vein=False)
    stem(c, [at(t / 10) for t in range(0, 10)], w=4, tip_w=2.5)


def fern(c):
    # ferns on the forest floor: big fronds of paired leaflets, a young curled frond, a log and a snail
    sc.ground(c, 395, wave=4, phase=0.7)
    c.polygon([(470, 400), (470, 340), (660 + 20, 340), (680, 400)])
    c.ellipse(470, 370, 22, 32)
    c.ellipse(470, 370, 10, 15)
    for dx, length, angle, bend in ((-20, 290, 145, 0.12), (20, 280, 35, -0.12), (0, 330, 95, 0.05)):
        big_frond(c, (250 + dx, 400), length, angle, bend, pairs=4, pinna=100)
    fiddlehead(c, 420, 400, 24)
    sc.snail(c, 585, 430, 0.8, flip=True)


def feather_spike(c, x, top, bot, w):
    """A gayfeather spike: a tall fluffy flower like a bottle brush, fringed all round."""
    pts = []
    n = 14
    for k in range(n + 1):
        yy = bot - (bot - top) * k / n
        ww = w * (1 - 0.45 * k / n) + (6 if k % 2 else 0)
        pts.append((x + ww, yy))
    pts.append((x, top - 14))
    for k in range(n, -1, -1):
        yy = bot - (bot - top) * k / n
        ww = w * (1 - 0.45 * k / n) + (6 if k % 2 else 0)
        pts.append((x - ww, yy))
    c.polygon(pts)


def gayfeath(c):
    # gayfeather on the prairie: tall purple spikes as fluffy as feathers, grassy leaves, a butterfly
    sc.hill(c, 350, 450, 300, 330)
    sc.sun(c, 80, 65, 30)
    for x, h in ((200, 320), (320, 360), (440, 300)):
        stem(c, [(x, 470), (x + 3, 430 - h * 0.3), (x, 430 - h * 0.5)], 5)
        for k in range(2):
            strap(c, (x, 440 - k * 50), 95, 90 + (35 if (k + x // 110) % 2 else -35), 14, 0.25)
        feather_spike(c, x, 430 - h, 430 - h * 0.45, 22)
    sc.butterfly(c, 560, 180, 0.8)


def gladiolu(c):
    # gladioli in a bed edged with big stones: tall spikes of ruffled funnel flowers, sword leaves
    sc.cloud(c, 540, 70, 140, 46)
    sc.ground(c, 380, wave=3)
    for x, h, d in ((230, 330, 1), (430, 290, -1)):
        for a in (98, 82, 106):
            leaf(c, (x, 395), h * 0.6, a, 18, kind="lance", vein=False)
        pts = [(x, 400), (x + d * 6, 400 - h * 0.5), (x + d * 16, 400 - h)]
        stem(c, pts, 5)
        for k in range(4):
            p = _along(pts, 0.42 + 0.16 * k)
            side = 1 if k % 2 else -1
            R = 44 * (1 - 0.12 * k)
            scallop_face(c, p[0] + side * R * 0.55, p[1], R, lobes=6, dip=0.12)
            c.circle(p[0] + side * R * 0.55, p[1], R * 0.3)
        c.ellipse(x + d * 16, 400 - h - 14, 8, 16)
    for k in range(7):
        x = -20 + k * 115
        c.shape([(x - 58, 470), (x - 54, 418), (x - 20, 398), (x + 30, 400), (x + 56, 420), (x + 58, 470)])


def plume(c, pts, w):
    """A goldenrod plume: a fluffy arching spray along the stem tip."""
    left, right = [], []
    dense = catmull(pts, False, 6)
    n = len(dense)
    for i, p in enumerate(dense):
        q = dense[min(i + 1, n - 1)] if i < n - 1 else dense[i]
        o = dense[i - 1] if i > 0 else dense[i]
        dx, dy = q[0] - o[0], q[1] - o[1]
        L = math.hypot(dx, dy) or 1
        nx, ny = dy / L, -dx / L
        ww = w * max(0.35, math.sin(math.pi * (0.08 + 0.84 * i / (n - 1)))) ** 0.7 + (5 if i % 2 else 0)
        left.append((p[0] + nx * ww, p[1] + ny * ww))
        right.append((p[0] - nx * ww, p[1] - ny * ww))
    c.polygon(left + right[::-1])


def goldenra(c):
    # goldenrod by the field fence: arching stems with golden plumes, narrow leaves; a bird on the post
    G = 400
    for px in (90, 570):
        c.polygon([(px - 14, G + 10), (px - 14, 215), (px + 14, 215), (px + 14, G + 10)])
    for y in (260,):
        c.polygon([(-20, y - 10), (680, y - 10), (680, y + 10), (-20, y + 10)])
    sc.ground(c, G, wave=4, phase=1.9)
    for x, h, lean in ((220, 300, -1), (330, 330, 1), (440, 280, 1)):
        pts = [(x, G + 10), (x + lean * 8, G - h * 0.55), (x + lean * 40, G - h * 0.92), (x + lean * 110, G - h * 0.72)]
        stem(c, pts, 5)
        for k, t in enumerate((0.12, 0.23, 0.33)):
            p = _along(pts, t)
            leaf(c, p, 62, 90 + (55 if k % 2 else -55), 11, kind="lance", vein=False)
        plume(c, [_along(pts, t) for t in (0.45, 0.6, 0.75, 0.88, 1.0)], 24)
    sc.bird(c, 570, 215, 0.8, flip=True)
    sc.sun(c, 80, 65, 30)


def laurel_cluster(c, x, y, s=1.0):
    for a in (215, 270, 325, 165, 15):
        leaf(c, (x, y + 20 * s), 80 * s, a, 26 * s, kind="oval")
    for dx, dy in ((-34, 8), (34, 8), (0, 16), (-20, -24), (20, -24)):
        scallop_face(c, x + dx * s, y + dy * s, 24 * s, lobes=5, dip=0.2)
        c.dot(x + dx * s, y + dy * s, 3.5)


def mountain(c):
    # mountain laurel in front of snowy mountains: balls of little cup flowers over rings of glossy leaves
    for px, py, w in ((180, 70, 260), (480, 40, 300)):
        c.polygon([(px - w, 330), (px, py), (px + w, 330)])
        c.line([(px - w * 0.28, py + (330 - py) * 0.28), (px - w * 0.1, py + (330 - py) * 0.2),
                (px + w * 0.05, py + (330 - py) * 0.3), (px + w * 0.28, py + (330 - py) * 0.28)])
    sc.ground(c, 330, wave=3)
    sc.sun(c, 330, 50, 26)
    x = 330
    c.tube([(x, 440, 10, 10), (x - 10, 360, 8, 8), (x - 140, 260, 6, 6)])
    c.tube([(x - 4, 400, 9, 9), (x + 50, 330, 7, 7), (x + 150, 250, 5, 5)])
    c.tube([(x, 420, 9, 9), (x + 10, 320, 7, 7), (x - 10, 200, 5, 5)])
    for cx, cy, s in ((x - 150, 250, 1.2), (x + 150, 240, 1.2), (x - 10, 190, 1.3)):
        laurel_cluster(c, cx, cy, s)


def kelp(c, x, h, sway):
    pts = [(x, 470), (x + sway, 470 - h * 0.35), (x - sway, 470 - h * 0.7), (x + sway * 0.5, 470 - h)]
    floats = []
    for k, t in enumerate((0.25, 0.45, 0.65, 0.85)):
        p = _along(pts, t)
        side = 1 if k % 2 else -1
        leaf(c, _pt(p, 90 + side * 55, 12), 78, 90 + side * 55, 21, kind="lance", vein=False)
        floats.append(_pt(p, 90 + side * 55, 8))
    stem(c, pts, 5)
    for f in floats:                          # the round air float at the foot of every leaf
        c.circle(f[0], f[1], 12)
    top = pts[-1]
    leaf(c, top, 55, 90, 18, kind="lance", vein=False)


def seaweed(c):
    # kelp in the sea: tall wavy stalks with long leaves and round floats, a fish, a starfish on the sand
    sc.water(c, 40, wave=5)
    for x, h, sway in ((95, 320, 22), (300, 280, -20), (535, 330, 18)):
        kelp(c, x, h, sway)
    sc.ground(c, 415, wave=6, phase=0.3)
    sc.fish(c, 420, 180, 1.0)
    for bx, by, br in ((430, 120, 10), (445, 95, 7), (320, 80, 8)):
        c.circle(bx, by, br)
    pts = []
    for i in range(10):
        r = 34 if i % 2 == 0 else 14
        a = math.radians(90 + 36 * i)
        pts.append((420 + r * math.cos(a), 420 - r * math.sin(a)))
    c.shape(pts)
    sc.eyes(c, 420, 416, 6, 4.5)
