"""Our own drawings of the edition-4 plants, one function per page stem.

Each function draws into a fresh Canvas (660 x 460, y down) and returns it.
"""
import math

from dino import scenery

from . import book
from . import scenes as sc
from dino.svgkit import Canvas, catmull
from .parts import (stem, leaf, maple_leaf, petal, flower_head, trumpet, cone_tree, crown,
                    trunk, pot, floret_head, chord, _pt, _dir)

G = 405   # ground line


def garden(c, sun=(80, 70), clouds=((220, 60), (470, 55)), ground=G):
    scenery.ground(c, ground, wave=5)
    if sun:
        scenery.sun(c, *sun)
    for x, y in clouds:
        scenery.cloud(c, x, y)


def curve_stem(c, x0, y0, x1, y1, bend=20, w=5.5):
    mx, my = (x0 + x1) / 2 + bend, (y0 + y1) / 2
    stem(c, [(x0, y0), (mx, my), (x1, y1)], w)
    return [(x0, y0), (mx, my), (x1, y1)]


def trifoliate(c, p, size, angle, kind="heart"):
    """Three leaflets from one point: heart-shaped (clover) or oval (alfalfa)."""
    for da in (-75, 75, 0) if kind == "heart" else (-55, 55, 0):
        if kind == "heart":
            petal(c, p, angle + da, size, size * 0.48, 0, "notched")
        else:
            leaf(c, p, size, angle + da, size * 0.4, kind="oval", veins=0)


# ---------------------------------------------------------------- flowers


def caladium(c):
    garden(c, sun=None, clouds=())
    sc.watering_can(c, 560, G + 20, 0.9, flip=True)
    pot(c, 330, G + 2, 190, 120)
    for (a, ln, s) in ((128, 200, 0.8), (108, 290, 0.85), (90, 250, 0.8), (72, 290, 0.85), (52, 200, 0.8)):
        base = (330, G - 118)
        tip = _pt(base, a, ln * 0.6)
        stem(c, [base, _pt(base, a + (8 if a < 90 else -8), ln * 0.3), tip], 4)
        size = 95 * s
        ang = a - 90 + 90
        pts = [tip, _pt(tip, ang + 70, size * 0.4), _pt(tip, ang + 35, size * 0.75), _pt(tip, ang, size),
               _pt(tip, ang - 35, size * 0.75), _pt(tip, ang - 70, size * 0.4)]
        outline = c.shape(pts)
        c.line(chord(outline, _pt(tip, ang, size * 0.1), _pt(tip, ang, size * 0.9)))


def carnation(c):
    garden(c, sun=None, clouds=((110, 60),))
    sc.butterfly(c, 560, 120, 0.8)
    for x, h, b in ((210, 250, -30), (330, 300, 0), (450, 245, 30)):
        top = (x + b, G - h)
        stem(c, [(x, G + 8), (x + b * 0.4, G - h * 0.5), (top[0], top[1] + 30)], 5)
        for t in (0.35, 0.6):
            p = (x + b * t, G - h * t + 10)
            for s in (-1, 1):
                leaf(c, p, 60, 90 + s * 55, 9, kind="lance", vein=False)
        # calyx and ruffled head
        c.shape([(top[0] - 13, top[1] + 10), (top[0] - 9, top[1] + 45), (top[0] + 9, top[1] + 45),
                 (top[0] + 13, top[1] + 10)])
        pts = []
        for k in range(25):
            t = math.pi * (1 + k / 24)
            r = 48 + (9 if k % 2 else 0)
            pts.append((top[0] + r * math.cos(t), top[1] + 6 + r * 0.75 * math.sin(t)))
        pts.append((top[0] + 20, top[1] + 14))
        pts.append((top[0] - 20, top[1] + 14))
        head = c.polygon(pts)
        for k in (-1, 1):
            c.line(chord(head, (top[0] + k * 12, top[1] + 8), (top[0] + k * 30, top[1] - 20)))


def clover(c):
    sc.hill(c, 380, 300, 330, 370)
    sc.sun(c, 80, 70, 30)
    sc.ladybird(c, 560, 410, 0.9, angle=160)
    for x, h in ((150, 150), (420, 120), (560, 170)):
        stem(c, [(x, G + 8), (x - 5, G - h * 0.5), (x + 4, G - h)], 4)
        trifoliate(c, (x + 4, G - h), 58, 90)
    for x, h in ((270, 270), (360, 230)):
        stem(c, [(x, G + 8), (x + 8, G - h * 0.5), (x, G - h)], 4.5)
        floret_head(c, (x, G - h - 30), 36, 34, bands=3, seed=x)


def daisies(c):
    garden(c, sun=(70, 65), clouds=())
    for x, y, s in ((170, 210, 0.9), (330, 150, 1.05), (490, 230, 0.85)):
        stem(c, [(x, y + 50), (x + 10, (y + G) / 2), (x, G + 8)], 5)
        for k, a in enumerate((50, 130)):
            leaf(c, (x + 6, G - 40 - 40 * k), 60, a, 14, kind="lance")
    for x, y, s in ((170, 210, 0.9), (330, 150, 1.05), (490, 230, 0.85)):
        flower_head(c, (x, y), 14, 80 * s, 11 * s, "round", inner=12, disc=24 * s)


def dogwood(c):
    garden(c, sun=None, clouds=((560, 60),))
    c.tube([(0, 330, 12, 12), (200, 280, 10, 10), (420, 230, 8, 8), (660, 150, 6, 6)])
    for bx, a in ((90, 60), (250, 300), (370, 70), (520, 290), (600, 100)):
        p = (bx, 330 - bx * 0.27)
        leaf(c, p, 80, a, 30, kind="oval", veins=2)
    for x, y, s in ((160, 200, 1.0), (330, 330, 0.9), (470, 140, 1.0)):
        for i in range(4):
            petal(c, (x, y), 45 + 90 * i, 70 * s, 30 * s, 10, "notched")
        c.circle(x, y, 15 * s)


def hibiscus(c):
    sc.water(c, 300, wave=3)
    garden(c, sun=(580, 70), clouds=())
    for a, p in ((200, (150, 360)), (320, (520, 340)), (40, (470, 380)), (140, (200, 390))):
        leaf(c, p, 110, a, 45, kind="oval", veins=3)
    cx, cy = 330, 220
    for i in range(5):
        petal(c, (cx, cy), 90 + 72 * i, 150, 75, 0, "round")
    c.circle(cx, cy, 22)
    c.tube([(cx, cy, 5, 5), (cx + 40, cy - 50, 5, 5), (cx + 70, cy - 95, 5, 5)])
    for k in range(5):
        c.circle(cx + 70 + 13 * math.cos(k * 1.25), cy - 100 + 11 * math.sin(k * 1.25), 6.5)


def holly(c):
    garden(c, sun=None, clouds=())
    sc.moon(c, 570, 70, 36)
    for x, y in ((90, 60), (200, 120), (560, 210)):
        sc.star(c, x, y, 16)

    def holly_leaf(base, length, angle, width):
        ux, uy = _dir(angle)
        nx, ny = -uy, ux

        def P(t, w):
            return (base[0] + ux * length * t + nx * w, base[1] + uy * length * t + ny * w)

        spines = 4
        left = []
        for k in range(spines):
            t0 = 0.12 + 0.8 * k / spines
            t1 = 0.12 + 0.8 * (k + 0.6) / spines
            prof = math.sin(math.pi * min(0.95, 0.15 + t1)) ** 0.6
            left.append(P(t0, width * 0.62 * math.sin(math.pi * min(0.95, 0.15 + t0)) ** 0.6))
            left.append(P(t1, width * prof + 6))
        right = [P(((q[0] - base[0]) * ux + (q[1] - base[1]) * uy) / length,
                   -((q[0] - base[0]) * nx + (q[1] - base[1]) * ny)) for q in left]
        outline = c.polygon([P(0, 5)] + left + [P(1.0, 0)] + right[::-1] + [P(0, -5)])
        c.line(chord(outline, P(0.1, 0), P(0.9, 0)))

    c.tube([(120, 420, 7, 7), (250, 330, 6, 6), (330, 250, 5, 5), (420, 160, 4, 4)])
    for p, a, ln in (((170, 385), 200, 150), ((230, 345), 40, 170), ((300, 280), 160, 160),
                     ((370, 215), 20, 150), ((415, 165), 100, 130)):
        holly_leaf(p, ln, a, 40)
    for dx, dy in ((-22, -6), (0, -22), (22, -6), (-10, 16), (14, 16)):
        c.circle(330 + dx, 255 + dy, 16)


def lily(c):
    garden(c, sun=None, clouds=((530, 60),))
    pts = [(330, G + 8), (320, 280), (332, 190)]
    stem(c, pts, 6)
    for k, (t, a) in enumerate(((0.25, 30), (0.35, 150), (0.5, 40), (0.6, 140), (0.72, 50))):
        p = catmull(pts, False, 10)[int(t * 20)]
        leaf(c, p, 85, a, 15, kind="lance")
    for (p, a, s) in (((332, 190), 75, 0.95), ((330, 215), 165, 0.95), ((330, 215), 15, 0.95)):
        trumpet(c, p, a, 130 * s, 42 * s, recurve=0.2)


def pansies(c):
    garden(c, sun=(580, 70), clouds=())
    sc.ladybird(c, 110, 100, 0.9, angle=-20)
    for p, a in (((100, 400), 150), ((560, 400), 30), ((330, 410), 90), ((200, 400), 120), ((460, 400), 60)):
        leaf(c, p, 100, a, 38, kind="oval", veins=2)

    def pansy(x, y, s):
        for a in (120, 60):
            petal(c, (x, y), a, 85 * s, 42 * s, 0, "round")
        for a in (185, -5):
            petal(c, (x, y), a, 72 * s, 36 * s, 0, "round")
        petal(c, (x, y), 270, 78 * s, 46 * s, 0, "round")
        for a in (235, 270, 305):              # the face: short strokes clear of the eye
            c.line([_pt((x, y), a, 10 * s + 7), _pt((x, y), a, 40 * s)])
        c.circle(x, y, 10 * s)

    pansy(180, 230, 1.0)
    pansy(470, 210, 1.05)
    pansy(330, 320, 0.85)


def poppy(c):
    sc.hill(c, 360, 420, 330, 350)
    sc.sun(c, 590, 60, 30)
    for x, y, s, b in ((220, 170, 1.0, -20), (450, 210, 0.85, 25)):
        stem(c, [(x, y + 40), (x + b, (y + G) / 2), (x, G + 8)], 5)
        leaf(c, (x + b * 0.7, G - 60), 80, 40 if b > 0 else 140, 22, kind="lance", veins=2)
    for x, y, s, b in ((220, 170, 1.0, -20), (450, 210, 0.85, 25)):
        for a in (135, 45):
            petal(c, (x, y), a, 95 * s, 60 * s, 0, "round")
        for a in (210, 330):
            petal(c, (x, y), a, 85 * s, 58 * s, 0, "round")
        c.circle(x, y, 22 * s)
        for k in range(6):
            t = 2 * math.pi * k / 6
            c.line([(x + 6 * s * math.cos(t), y + 6 * s * math.sin(t)),
                    (x + 18 * s * math.cos(t), y + 18 * s * math.sin(t))])
    stem(c, [(330, G + 8), (345, 300), (330, 260)], 4)
    c.ellipse(326, 245, 16, 24, 20)


def sunflowe(c):
    garden(c, sun=(80, 70), clouds=())
    sc.bird(c, 570, 150, 0.9, flip=True)
    for x, y, s in ((270, 160, 1.0), (460, 230, 0.75)):
        stem(c, [(x, y), (x + 10, (y + G) / 2), (x - 5, G + 8)], 7)
        for k, a in enumerate((30, 150)):
            leaf(c, (x + 5, y + 120 + k * 50), 90 * s, a, 40 * s, kind="heart", veins=2)
    for x, y, s in ((270, 160, 1.0), (460, 230, 0.75)):
        flower_head(c, (x, y), 16, 120 * s, 15 * s, "pointed", inner=40 * s, disc=55 * s)
        c.circle(x, y, 30 * s)


def tigerlil(c):
    garden(c, sun=None, clouds=())
    sc.butterfly(c, 560, 110, 0.8)
    pts = [(330, G + 8), (320, 260), (330, 130)]
    stem(c, [(200, 230), (260, 222), (326, 200)], 4)
    stem(c, [(470, 220), (410, 212), (330, 190)], 4)
    stem(c, pts, 6)
    for t, a in ((0.2, 35), (0.3, 145), (0.42, 30), (0.52, 150), (0.65, 40)):
        p = catmull(pts, False, 10)[int(t * 20)]
        leaf(c, p, 75, a, 11, kind="lance", vein=True)

    def tiger(x, y, s):
        for a in (20, 70, 110, 160, 200, 340):
            petal(c, (x, y), a, 95 * s, 22 * s, 0, "pointed")
            for k in (0.35, 0.55, 0.72):
                p = _pt((x, y), a, 95 * s * k)
                q = _pt(p, a + 90, 5 * s)
                c.dot(q[0], q[1], 3)
        for a in (250, 270, 290):
            c.line([(x, y), _pt((x, y), a, 70 * s)])
            c.ellipse(*_pt((x, y), a, 76 * s), 7, 10)
        c.circle(x, y, 12 * s)

    tiger(330, 130, 1.0)
    tiger(200, 230, 0.85)
    tiger(470, 220, 0.85)


# ---------------------------------------------------------------- fruit, cacti, water

def apple(c):
    garden(c, sun=None, clouds=((110, 190), (560, 180)))
    for x, y, r in ((170, 230, 62), (420, 220, 70), (300, 330, 60)):
        c.line([(x, y - r * 0.75), (x + 4, y - r * 1.15), (x, 112 - x * 0.05)])
    c.tube([(0, 120, 11, 11), (200, 110, 9, 9), (420, 90, 8, 8), (660, 60, 6, 6)])

    def fruit(x, y, r):
        c.shape([(x, y - r * 0.7), (x + r * 0.6, y - r * 0.95), (x + r, y - r * 0.3), (x + r * 0.85, y + r * 0.6),
                 (x + r * 0.3, y + r * 0.95), (x, y + r * 0.8), (x - r * 0.3, y + r * 0.95),
                 (x - r * 0.85, y + r * 0.6), (x - r, y - r * 0.3), (x - r * 0.6, y - r * 0.95)])
        c.ellipse(x - r * 0.45, y - r * 0.35, r * 0.14, r * 0.25, 20)
    for p, a in (((100, 118), 290), ((260, 106), 60), ((350, 98), 300), ((520, 80), 250), ((560, 76), 40)):
        leaf(c, p, 70, a, 24, kind="oval", veins=1)
    for x, y, r in ((170, 230, 62), (420, 220, 70), (300, 330, 60)):
        fruit(x, y, r)


def pear(c):
    garden(c, sun=None, clouds=())
    for x, y, s in ((200, 250, 1.15), (450, 240, 1.05)):
        c.line([(x, y - 120 * s), (x + 5, 95 - x * 0.05)])
    c.tube([(0, 110, 11, 11), (220, 100, 9, 9), (440, 80, 8, 8), (660, 55, 6, 6)])

    def fruit(x, y, s):
        c.shape([(x, y - 125 * s), (x + 25 * s, y - 110 * s), (x + 35 * s, y - 60 * s), (x + 70 * s, y + 10 * s),
                 (x + 60 * s, y + 60 * s), (x, y + 80 * s), (x - 60 * s, y + 60 * s), (x - 70 * s, y + 10 * s),
                 (x - 35 * s, y - 60 * s), (x - 25 * s, y - 110 * s)])
        c.ellipse(x - 35 * s, y + 5 * s, 9 * s, 20 * s, 20)
    for p, a in (((110, 106), 280), ((300, 92), 60), ((390, 86), 300), ((560, 68), 250)):
        leaf(c, p, 75, a, 26, kind="oval", veins=1)
    fruit(200, 250, 1.15)
    fruit(450, 240, 1.05)
    sc.bird(c, 320, 86, 0.85)


def orange(c):
    sc.table(c, G - 30)
    cx, cy, r = 240, 250, 120
    c.circle(cx, cy, r)
    c.ellipse(cx - 50, cy - 50, 18, 30, 40)
    c.line([(cx, cy - r), (cx + 5, cy - r - 20)])
    leaf(c, (cx + 5, cy - r - 20), 90, 20, 30, kind="oval", veins=2)
    # a slice with segments
    sx, sy, sr = 480, 300, 95
    c.circle(sx, sy, sr)
    c.circle(sx, sy, sr - 14)
    for k in range(9):
        t = 2 * math.pi * k / 9
        c.line([(sx + 8 * math.cos(t), sy + 8 * math.sin(t)),
                (sx + (sr - 13) * math.cos(t), sy + (sr - 13) * math.sin(t))])
    c.circle(sx, sy, 9)


def prickly(c):
    sc.hill(c, 330, 560, 270, 290)
    garden(c, sun=(90, 70), clouds=())
    pads = [((330, 320), 60, 85, 0), ((250, 215), 48, 68, -30), ((410, 205), 50, 70, 30), ((330, 150), 42, 60, 5),
            ((180, 140), 36, 52, -40), ((480, 125), 36, 52, 35)]
    for (x, y), rx, ry, a in pads:
        c.ellipse(x, y, rx, ry, a)
        for k in range(6):
            t = 2 * math.pi * k / 6 + 0.4
            c.dot(x + rx * 0.5 * math.cos(t), y + ry * 0.5 * math.sin(t), 2.8)
    for x, y, a in ((318, 86, -10), (350, 90, 15), (162, 84, -35), (505, 72, 30)):
        c.ellipse(x, y, 13, 20, a)


def saguaro(c):
    garden(c, sun=(90, 70), clouds=((540, 70),))
    x = 330

    def arm(pts, w):
        c.tube([(px, py, w, w) for px, py in pts])

    arm([(x - 60, 300), (x - 130, 300), (x - 135, 230), (x - 130, 170)], 24)
    arm([(x + 40, 260), (x + 120, 265), (x + 125, 190), (x + 120, 130)], 24)
    body = c.tube([(x, G + 10, 38, 38), (x, 250, 38, 38), (x, 70, 38, 38)])
    for dx in (-14, 14):
        c.line(chord(body, (x + dx, 200), (x + dx, 120)))
    for fx, fy in ((x, 36), (x - 130, 134), (x + 120, 94)):
        flower_head(c, (fx, fy), 5, 30, 15, "round", disc=8)
    scenery.rock(c, 120, G + 22, 70, 36)
    scenery.rock(c, 560, G + 22, 60, 30, seed=3)


def venus(c):
    garden(c, sun=(585, 65), clouds=())
    pot(c, 330, G + 2, 200, 110)

    def trap(base, a, ln, s):
        tip = _pt(base, a, ln)
        stem(c, [base, _pt(base, a, ln * 0.5), tip], 5)
        L = 62 * s
        for side in (1, -1):                      # two jaws opening like a mouth, teeth on the rim
            jaw = a + side * 28
            ux, uy = _dir(jaw)
            nx, ny = _dir(jaw + side * 90)
            cx, cy = _pt(tip, jaw, L * 0.5)
            pts = []
            for k in range(36):
                th = 2 * math.pi * k / 36
                u, v = L * 0.52 * math.cos(th), L * 0.26 * math.sin(th)
                if math.sin(th) > 0.3 and k % 3 == 1:
                    v += 12 * s                   # a tooth
                pts.append((cx + ux * u + nx * v, cy + uy * u + ny * v))
            c.polygon(pts)

    for a, ln, s in ((140, 110, 1.0), (40, 110, 1.0), (95, 150, 1.1), (170, 70, 0.8), (10, 70, 0.8)):
        trap((330, G - 110), a, ln, s)


# ---------------------------------------------------------------- trees

def fir(c):
    sc.hill(c, 380, 330, 360, 390)
    sc.moon(c, 580, 65, 34)
    for x, y in ((80, 60), (300, 40), (450, 90)):
        sc.star(c, x, y, 15)
    cone_tree(c, (160, G), 210, 170, tiers=4, trunk_h=30)
    cone_tree(c, (470, G), 260, 210, tiers=5, trunk_h=35)
    cone_tree(c, (320, G), 150, 130, tiers=3, trunk_h=25)


def giantseq(c):
    sc.hill(c, 360, 150, 320, 380)
    garden(c, sun=(585, 60), clouds=())
    x = 330
    bole = c.polygon([(x - 95, G + 6), (x - 60, G - 40), (x - 48, 150), (x + 48, 150), (x + 60, G - 40),
                      (x + 95, G + 6)])
    for k in (-30, 0, 30):
        _, a = chord(bole, (x + k * 1.2, G - 60), (x + k * 1.6, G + 2))
        _, b = chord(bole, (x + k * 1.2, G - 60), (x + k, 160))
        c.line([b, (x + k * 1.2, G - 60), a], smooth=True)
    for cx, cy, rx, ry in ((x - 90, 150, 70, 38), (x + 90, 140, 75, 40), (x, 100, 95, 50), (x - 60, 60, 55, 30),
                           (x + 60, 55, 55, 30)):
        crown(c, cx, cy, rx, ry, bumps=7)
    cone_tree(c, (95, G), 110, 90, tiers=3, trunk_h=15)
    cone_tree(c, (570, G), 120, 95, tiers=3, trunk_h=15)


def redmaple(c):
    garden(c, sun=None, clouds=((560, 60),))
    trunk(c, (250, G), 190, 18, [(0.75, 130, 70, 9), (0.8, 50, 70, 9)])
    crown(c, 240, 175, 165, 125, bumps=11)      # over the branches: no bare fork inside the leaves
    for x, y, s, a in ((520, 170, 95, 105), (555, 320, 80, 75), (450, 330, 85, 120)):
        maple_leaf(c, (x, y + 40), s, a)














DRAWINGS = {
    "alfalfa": ("alfalfa flowers and a bee", book.alfalfa), "apple": ("apples on a branch", apple),
    "asparagu": ("asparagus growing in the garden", book.asparagus), "bluebell": ("bluebells in the wood", book.bluebell),
    "bluebonn": ("bluebonnets on a hill", book.bluebonn), "caladium": ("caladium in a pot", caladium),
    "carnatio": ("carnations", carnation), "chrysant": ("chrysanthemums in a pot", book.chrysant),
    "clover": ("clover with flower heads", clover), "daisies": ("daisies", daisies),
    "dogwood": ("dogwood flowers on a branch", dogwood), "fir": ("fir trees", fir),
    "foxglove": ("foxglove by the garden fence", book.foxglove),
    "gayfeath": ("gayfeather flowers and a butterfly", book.gayfeath),
    "giantseq": ("giant sequoia", giantseq), "gladiolu": ("gladiolus flowers", book.gladiolu),
    "goldenra": ("goldenrod by the fence", book.goldenra), "hibiscus": ("hibiscus flower", hibiscus),
    "holly": ("holly leaves and berries", holly), "iris": ("irises by the pond", book.iris), "lily": ("lilies", lily),
    "magnolia": ("magnolia branch in a vase", book.magnolia),
    "mountain": ("mountain laurel in front of mountains", book.mountain),
    "orange": ("an orange and a slice", orange),
    "orchids": ("orchid on the windowsill", book.orchids), "pansies": ("pansies", pansies),
    "pear": ("pears on a branch", pear),
    "petunias": ("petunias in a window box", book.petunias), "poinsett": ("poinsettia in a pot", book.poinsett),
    "poppy": ("poppies", poppy), "prickly": ("prickly pear cactus", prickly), "primrose": ("primroses", book.primrose),
    "redbud": ("redbud tree in bloom", book.redbud), "redmaple": ("red maple tree and leaves", redmaple),
    "redwood": ("tall redwood trees", book.redwood), "roses": ("a rose bush", book.roses),
    "saguaro": ("saguaro cactus", saguaro), "seaweed": ("seaweed (kelp) under the sea", book.seaweed),
    "snowflak": ("snowflake flowers in the snow", book.snowflak), "sunflowe": ("sunflowers", sunflowe),
    "sycamore": ("sycamore tree with seed balls", book.sycamore), "tigerlil": ("tiger lilies", tigerlil),
    "tulips": ("tulips and a windmill", book.tulips),
    "venus": ("Venus flytrap in a pot", venus), "violets": ("violets in a basket", book.violets),
    "weeping": ("weeping willow by a pond", book.weeping),
    "fern": ("ferns on the forest floor", book.fern), "japanese": ("Japanese maple leaves over a pond", book.japanese),
    "whiteoak": ("white oak tree with acorns", book.whiteoak),
}


def draw(stem_name):
    c = Canvas()
    DRAWINGS[stem_name][1](c)
    return c

