"""Our own drawings of the edition-4 plants, one function per page stem.

Each function draws into a fresh Canvas (660 x 460, y down) and returns it.
"""
import math

from dino import scenery
from dino.svgkit import Canvas, catmull
from .parts import (stem, leaf, maple_leaf, petal, flower_head, bell, trumpet, cone_tree, crown,
                    trunk, pot, floret_head, chord, palmate_leaf, frond, _pt, _dir)

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

def alfalfa(c):
    garden(c)
    for x, h, b in ((190, 250, -25), (330, 300, 10), (470, 240, 30)):
        pts = curve_stem(c, x, G + 8, x + b, G - h, bend=b * 0.6, w=4.5)
        for k, t in enumerate((0.3, 0.55, 0.78)):
            p = catmull(pts, False, 10)[int(t * 20)]
            trifoliate(c, p, 48, 150 if k % 2 else 30, kind="oval")
        floret_head(c, (x + b, G - h - 30), 28, 38, bands=3, seed=x)
    scenery.cloud(c, 590, 150, 70, 30)


def asparagus(c):
    garden(c, sun=(575, 70), clouds=((180, 60), (380, 55)))
    for x, h in ((170, 230), (250, 300), (330, 260), (410, 320), (490, 220)):
        top = G - h
        spear = c.tube([(x, G + 10, 13, 13), (x + 2, (G + top) / 2, 12, 12), (x, top + 30, 11, 11)])
        tip = c.shape([(x - 12, top + 36), (x - 11, top + 10), (x, top - 8), (x + 11, top + 10), (x + 12, top + 36)])
        _, a = chord(tip, (x, top + 12), (x - 11, top + 22))
        _, b = chord(tip, (x, top + 12), (x + 11, top + 22))
        c.line([a, (x, top + 12), b])
        for k in range(1, 5):                       # scales: a V across the spear, edge to edge
            yy = top + 40 + (G - top - 50) * k / 5
            _, a = chord(spear, (x + 2, yy), (x - 12, yy - 9))
            _, b = chord(spear, (x + 2, yy), (x + 16, yy - 9))
            c.line([a, (x + 2, yy), b])
    scenery.rock(c, 70, G + 22, 70, 40)
    scenery.rock(c, 600, G + 22, 60, 34, seed=2)


def bluebell(c):
    garden(c, clouds=((300, 55), (520, 60)))
    for x, lean in ((270, -1), (400, 1)):
        for k, a in enumerate((100, 80, 115)):
            leaf(c, (x + (k - 1) * 20, G + 6), 170, a, 16, kind="grass", vein=False)
        top = (x + lean * 90, G - 310)
        pts = [(x, G + 8), (x + lean * 15, G - 180), top]
        stem(c, pts, 4.5)
        dense = catmull(pts, False, 10)
        for k in range(6):
            p = dense[int(6 + k * 2.6)]
            s = 1.0 - 0.09 * k
            hang = (p[0] + lean * 14, p[1] + 14)
            c.line([p, hang])
            bell(c, hang, -90 + lean * 20, 44 * s, 17 * s, lips=3)


def bluebonnet(c):
    garden(c)
    for x, h in ((200, 230), (330, 280), (460, 240)):
        stem(c, [(x, G + 8), (x + 3, G - h * 0.5), (x, G - h)], 5)
        for k in range(4):
            yy = G - h * 0.42 - k * (h * 0.55 / 4)
            w = 34 * (1 - k / 9)
            for s in (-1, 1):
                petal(c, (x, yy), 90 + s * 55, w + 8, 13 * (1 - k / 12), 4, "round")
        c.circle(x, G - h - 8, 13)
        for s in (-1, 1):
            base = (x, G - 40)
            for a in (25, 65):
                leaf(c, base, 56, 90 + s * (90 - a), 12, kind="lance", vein=False)


def caladium(c):
    garden(c, sun=(580, 70), clouds=((110, 70), (330, 50)))
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
    garden(c, clouds=((230, 55), (470, 60)))
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


def chrysant(c):
    garden(c, sun=(580, 70), clouds=((120, 60), (330, 50)))
    for x, y, s in ((200, 200, 0.9), (440, 175, 1.0), (320, 260, 0.85)):
        stem(c, [(x, y), (x + (330 - x) * 0.3, y + 120), (330, G + 8)], 5)
    for a in (150, 30, 125, 55):
        leaf(c, (330, G - 10), 95, a, 30, kind="oval", veins=2)
    for x, y, s in ((200, 200, 0.9), (440, 175, 1.0), (320, 260, 0.85)):
        flower_head(c, (x, y), 12, 86 * s, 14 * s, "long", inner=10, disc=24 * s)


def clover(c):
    garden(c)
    for x, h in ((150, 150), (420, 120), (560, 170)):
        stem(c, [(x, G + 8), (x - 5, G - h * 0.5), (x + 4, G - h)], 4)
        trifoliate(c, (x + 4, G - h), 58, 90)
    for x, h in ((270, 270), (360, 230)):
        stem(c, [(x, G + 8), (x + 8, G - h * 0.5), (x, G - h)], 4.5)
        floret_head(c, (x, G - h - 30), 36, 34, bands=3, seed=x)


def daisies(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (360, 50)))
    for x, y, s in ((170, 210, 0.9), (330, 150, 1.05), (490, 230, 0.85)):
        stem(c, [(x, y + 50), (x + 10, (y + G) / 2), (x, G + 8)], 5)
        for k, a in enumerate((50, 130)):
            leaf(c, (x + 6, G - 40 - 40 * k), 60, a, 14, kind="lance")
    for x, y, s in ((170, 210, 0.9), (330, 150, 1.05), (490, 230, 0.85)):
        flower_head(c, (x, y), 14, 80 * s, 11 * s, "round", inner=12, disc=24 * s)


def dogwood(c):
    garden(c, sun=None, clouds=((110, 60), (560, 50)))
    c.tube([(0, 330, 12, 12), (200, 280, 10, 10), (420, 230, 8, 8), (660, 150, 6, 6)])
    for bx, a in ((90, 60), (250, 300), (370, 70), (520, 290), (600, 100)):
        p = (bx, 330 - bx * 0.27)
        leaf(c, p, 80, a, 30, kind="oval", veins=2)
    for x, y, s in ((160, 200, 1.0), (330, 330, 0.9), (470, 140, 1.0)):
        for i in range(4):
            petal(c, (x, y), 45 + 90 * i, 70 * s, 30 * s, 10, "notched")
        c.circle(x, y, 15 * s)


def foxglove(c):
    garden(c, clouds=((240, 60), (560, 140)))
    for x, h, big in ((270, 330, 1.0), (430, 280, 0.85)):
        for a, ln in ((160, 120), (20, 120), (130, 90), (50, 90)):
            leaf(c, (x, G + 2), ln * big, a, 28 * big, kind="oval", veins=2)
        pts = [(x, G + 8), (x - 8, G - h * 0.5), (x + 10, G - h)]
        stem(c, pts, 5)
        dense = catmull(pts, False, 10)
        for k in range(5):
            p = dense[int(8 + k * 2.3)]
            s = big * (1.0 - 0.12 * k)
            bell(c, (p[0] + 4, p[1]), -65, 66 * s, 24 * s, lips=2)
        c.ellipse(x + 12, G - h - 8, 8, 13)


def gayfeath(c):
    garden(c, sun=(580, 70), clouds=((120, 60), (340, 55)))
    for x, h in ((220, 280), (330, 320), (440, 260)):
        stem(c, [(x, G + 8), (x + 3, G - h * 0.4), (x, G - h * 0.55)], 5)
        for k in range(3):
            leaf(c, (x, G - 40 - k * 45), 70, 90 + (50 if k % 2 else -50), 8, kind="grass", vein=False)
        top, bot = G - h, G - h * 0.5
        pts = []
        n = 12
        for k in range(n + 1):
            yy = bot - (bot - top) * k / n
            w = 15 * (1 - 0.5 * k / n) + (5 if k % 2 else 0)
            pts.append((x + w, yy))
        pts.append((x, top - 12))
        for k in range(n, -1, -1):
            yy = bot - (bot - top) * k / n
            w = 15 * (1 - 0.5 * k / n) + (5 if k % 2 else 0)
            pts.append((x - w, yy))
        c.polygon(pts)
        for k in range(1, 4):
            yy = bot - (bot - top) * k / 4
            c.line([(x - 13 + k, yy + 6), (x, yy - 4), (x + 13 - k, yy + 6)])


def gladiolu(c):
    garden(c, clouds=((250, 60), (560, 150)))
    for x, h, d in ((260, 340, 1), (420, 290, -1)):
        for a in (99, 78):
            leaf(c, (x, G + 6), h * 0.6, a, 17, kind="grass", vein=True)
        stem(c, [(x, G + 8), (x + d * 5, G - h * 0.5), (x + d * 15, G - h)], 5)
        for k in range(4):
            t = 0.42 + 0.15 * k
            p = (x + d * 15 * t, G - h * t)
            s = 1.0 - 0.14 * k
            side = 1 if k % 2 else -1
            flower_head(c, (p[0] + side * 30 * s, p[1]), 5, 46 * s, 21 * s, "frilly", inner=4,
                        rot=90, disc=10 * s)
        c.ellipse(x + d * 16, G - h - 10, 7, 14)


def goldenra(c):
    garden(c, sun=(580, 70), clouds=((120, 60), (330, 55)))
    for x, h, lean in ((220, 270, -1), (350, 300, 1), (470, 250, 1)):
        pts = [(x, G + 8), (x + lean * 10, G - h * 0.6), (x + lean * 60, G - h)]
        stem(c, pts, 5)
        for k, t in enumerate((0.2, 0.4)):
            p = (x + lean * 5 * t, G - h * 0.6 * t)
            leaf(c, p, 60, 90 + (60 if k % 2 else -60), 11, kind="lance")
        dense = catmull(pts, False, 10)
        for k in range(3):
            p = dense[12 + 3 * k]
            floret_head(c, (p[0] + lean * 24, p[1] - 8), 30, 17, bands=1, seed=k)


def hibiscus(c):
    garden(c, sun=None, clouds=((110, 60), (560, 60)))
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
    garden(c, sun=None, clouds=((110, 60), (560, 60)))

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


def iris(c):
    garden(c, clouds=((230, 55), (560, 60)))

    def iris_flower(x, y, s):
        for sgn in (-1, 1):                                   # standards, upright, behind the falls
            c.shape([(x, y + 5), (x + sgn * 40 * s, y - 40 * s), (x + sgn * 25 * s, y - 90 * s),
                     (x + sgn * 5 * s, y - 60 * s)])
        for sgn in (-1, 1):                                   # falls, drooping outwards
            fall = c.shape([(x, y), (x + sgn * 30 * s, y + 10 * s), (x + sgn * 75 * s, y + 40 * s),
                            (x + sgn * 80 * s, y + 85 * s), (x + sgn * 55 * s, y + 80 * s),
                            (x + sgn * 25 * s, y + 35 * s)])
            c.line(chord(fall, (x + sgn * 20 * s, y + 18 * s), (x + sgn * 58 * s, y + 55 * s)))
        c.shape([(x - 22 * s, y + 5), (x - 15 * s, y + 70 * s), (x, y + 95 * s), (x + 15 * s, y + 70 * s),
                 (x + 22 * s, y + 5)])
        c.shape([(x - 15 * s, y), (x - 25 * s, y - 60 * s), (x, y - 110 * s), (x + 25 * s, y - 60 * s),
                 (x + 15 * s, y)])
        c.tube([(x, y + 80 * s, 9 * s, 9 * s), (x, y + 120 * s, 8 * s, 8 * s)])

    for x, y, s, h in ((230, 170, 1.0, 0), (440, 210, 0.9, 0)):
        for a, ln in ((100, 230), (80, 210), (110, 170), (70, 160)):
            leaf(c, (x, G + 6), ln * s * s, a, 18, kind="grass", vein=True)   # tips stay behind the falls
        stem(c, [(x, G + 8), (x + 4, (y + G) / 2), (x, y + 110 * s)], 6)
        iris_flower(x, y, s)


def lily(c):
    garden(c, clouds=((200, 60), (450, 55)))
    pts = [(330, G + 8), (320, 280), (332, 190)]
    stem(c, pts, 6)
    for k, (t, a) in enumerate(((0.25, 30), (0.35, 150), (0.5, 40), (0.6, 140), (0.72, 50))):
        p = catmull(pts, False, 10)[int(t * 20)]
        leaf(c, p, 85, a, 15, kind="lance")
    for (p, a, s) in (((332, 190), 75, 0.95), ((330, 215), 165, 0.95), ((330, 215), 15, 0.95)):
        trumpet(c, p, a, 130 * s, 42 * s, recurve=0.2)


def magnolia(c):
    garden(c, sun=(590, 65), clouds=((140, 60), (380, 50)))
    c.tube([(0, 380, 14, 14), (200, 330, 11, 11), (380, 300, 9, 9), (660, 230, 7, 7)])
    c.tube([(230, 322, 8, 8), (260, 250, 6, 6), (250, 190, 5, 5)])
    for p, a in (((120, 352), 250), ((450, 285), 300), ((560, 255), 60), ((330, 312), 290)):
        leaf(c, p, 90, a, 32, kind="oval", veins=2)

    def cup(x, y, s):
        # an open goblet of broad petals: back ones first, then the front ones
        for a, ln, w in ((90, 120, 34), (55, 110, 30), (125, 110, 30)):
            petal(c, (x, y), a, ln * s, w * s, 0, "round")
        for a, ln, w in ((70, 95, 36), (110, 95, 36)):
            petal(c, (x, y), a, ln * s, w * s, 0, "round")
        c.ellipse(x, y + 4, 20 * s, 10 * s)

    cup(250, 180, 1.0)
    cup(470, 265, 0.85)
    cup(110, 330, 0.75)


def mountain(c):
    # mountain laurel, in front of the mountains it is named after
    scenery.ground(c, G, wave=5)
    c.polygon([(-10, G), (120, 120), (210, 230), (330, 80), (470, 250), (560, 150), (680, G)])
    c.line([(95, 150), (120, 120), (140, 155), (120, 165), (95, 150)])
    c.line([(300, 115), (330, 80), (360, 118), (330, 128), (300, 115)])
    scenery.sun(c, 600, 60, 28)
    for p, a in (((160, 400), 150), ((500, 400), 30), ((230, 350), 160), ((430, 345), 20), ((330, 330), 90)):
        leaf(c, p, 110, a, 28, kind="lance", veins=2)
    for x, y in ((215, 330), (285, 290), (365, 280), (440, 325), (255, 360), (330, 335), (410, 362)):
        flower_head(c, (x, y), 5, 38, 21, "round", rot=90, disc=9)
        for k in range(5):
            t = math.radians(90 + 72 * k + 36)
            c.dot(x + 17 * math.cos(t), y - 17 * math.sin(t), 2.8)


def orchids(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (330, 50)))
    pot(c, 240, G + 2, 170, 110)
    for a in (160, 20, 130):
        leaf(c, (240, G - 108), 120, a, 38, kind="oval", veins=2)
    pts = [(240, G - 108), (260, 160), (360, 80), (470, 110)]
    stem(c, pts, 4)
    c.tube([(250, G - 100, 3, 3), (250, 150, 3, 3)])

    def orchid(x, y, s):
        for a in (90, 215, 325):
            petal(c, (x, y), a, 55 * s, 17 * s, 0, "pointed")
        for a in (160, 20):
            petal(c, (x, y), a, 60 * s, 32 * s, 0, "round")
        c.shape([(x - 14 * s, y + 4), (x - 18 * s, y + 34 * s), (x, y + 46 * s), (x + 18 * s, y + 34 * s),
                 (x + 14 * s, y + 4)])
        c.circle(x, y - 2, 9 * s)

    for x, y, s in ((300, 170, 1.0), (400, 130, 0.95), (500, 170, 0.85)):
        orchid(x, y + 40, s)
    c.ellipse(480, 112, 10, 8)


def pansies(c):
    garden(c, sun=None, clouds=((110, 55), (560, 55)))
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


def petunias(c):
    garden(c, sun=(585, 65), clouds=((110, 60), (330, 50)))
    pot(c, 330, G + 2, 220, 110)
    for p, a in (((250, 300), 160), ((410, 300), 20), ((330, 280), 90), ((200, 250), 130), ((460, 250), 50)):
        leaf(c, p, 70, a, 24, kind="oval", veins=1)

    def petunia(x, y, r):
        pts = []
        for k in range(40):
            t = 2 * math.pi * k / 40
            rr = r * (0.88 + 0.12 * abs(math.cos(2.5 * t)))
            pts.append((x + rr * math.cos(t), y + rr * math.sin(t)))
        rim = c.polygon(pts)
        for k in range(5):
            t = 2 * math.pi * k / 5 + math.pi / 5 + math.pi / 2
            _, out = chord(rim, (x, y), (x + r * 0.6 * math.cos(t), y + r * 0.6 * math.sin(t)))
            c.line([(x, y), out])
        c.circle(x, y, r * 0.25)

    for x, y, r in ((230, 230, 48), (330, 170, 55), (430, 230, 48), (290, 280, 40), (380, 285, 40)):
        petunia(x, y, r)


def poinsett(c):
    garden(c, sun=None, clouds=((110, 55), (560, 55)))
    pot(c, 330, G + 2, 200, 115)
    for a in (200, 340, 250, 290):
        leaf(c, (330, 200), 150, a, 45, kind="oval", veins=3)
    for a in range(15, 375, 60):
        leaf(c, (330, 200), 140, a, 40, kind="lance", veins=2)
    for a in range(45, 405, 60):
        leaf(c, (330, 200), 100, a, 30, kind="lance", veins=1)
    for dx, dy in ((-17, -8), (17, -8), (0, 17)):
        c.circle(330 + dx, 200 + dy, 10)


def poppy(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (340, 50)))
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


def primrose(c):
    garden(c, sun=(585, 65), clouds=((110, 60), (330, 50)))
    for a in (170, 10, 140, 40, 115, 65):
        leaf(c, (330, G + 2), 150, a, 48, kind="oval", veins=3)
    for x, y, s in ((190, 300, 0.85), (290, 255, 1.0), (400, 250, 0.95), (485, 300, 0.85), (340, 330, 0.8)):
        flower_head(c, (x, y), 5, 55 * s, 27 * s, "notched", rot=90, disc=12 * s)


def sunflowe(c):
    garden(c, sun=(80, 70), clouds=((560, 60),))
    for x, y, s in ((270, 160, 1.0), (460, 230, 0.75)):
        stem(c, [(x, y), (x + 10, (y + G) / 2), (x - 5, G + 8)], 7)
        for k, a in enumerate((30, 150)):
            leaf(c, (x + 5, y + 120 + k * 50), 90 * s, a, 40 * s, kind="heart", veins=2)
    for x, y, s in ((270, 160, 1.0), (460, 230, 0.75)):
        flower_head(c, (x, y), 16, 120 * s, 15 * s, "pointed", inner=40 * s, disc=55 * s)
        c.circle(x, y, 30 * s)


def roses(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (330, 50)))

    def rose(x, y, s):
        for a in (160, 20):                                   # outer petals behind the cup
            petal(c, (x, y + 12 * s), a, 62 * s, 30 * s, 0, "round")
        c.shape([(x - 48 * s, y - 8 * s), (x - 42 * s, y + 30 * s), (x, y + 50 * s), (x + 42 * s, y + 30 * s),
                 (x + 48 * s, y - 8 * s), (x + 20 * s, y - 2 * s), (x, y - 10 * s), (x - 20 * s, y - 2 * s)])
        bud = c.ellipse(x, y - 12 * s, 34 * s, 17 * s)       # the rolled centre, one petal cupped across it
        c.line([bud[26], (x - 14 * s, y - 6 * s), (x, y - 3 * s), (x + 14 * s, y - 6 * s), bud[46]], smooth=True)
        c.shape([(x - 44 * s, y + 4 * s), (x - 20 * s, y + 14 * s), (x, y + 8 * s), (x + 20 * s, y + 14 * s),
                 (x + 44 * s, y + 4 * s), (x + 30 * s, y + 36 * s), (x, y + 50 * s), (x - 30 * s, y + 36 * s)])

    heads = ((185, 195, 1.3, -25), (335, 140, 1.45, 0), (485, 205, 1.25, 25))
    for x, y, s, b in heads:
        pts = [(330 + b * 0.3, G + 8), ((330 + x) / 2 + b, (G + y) / 2), (x, y + 40 * s)]
        stem(c, pts, 5)
        for t, a in ((0.3, 150 if b <= 0 else 30), (0.55, 30 if b <= 0 else 150)):
            p = catmull(pts, False, 10)[int(t * 20)]
            for da in (-45, 0, 45):
                leaf(c, _pt(p, a, 4), 50, a + da, 17, kind="oval", veins=0)
    for x, y, s, b in heads:
        rose(x, y, s)


def snowflak(c):
    # the snowflake flower (Leucojum): white bells with a green spot on each tip
    garden(c, sun=None, clouds=((120, 60), (540, 60)))
    for x in (220, 420):
        for a, ln in ((95, 230), (84, 200), (106, 180)):
            leaf(c, (x, G + 6), ln, a, 15, kind="grass", vein=True)
    for x, h, lean in ((220, 300, 1), (420, 280, -1), (320, 240, 1)):
        top = (x + lean * 30, G - h)
        stem(c, [(x, G + 8), (x + lean * 10, G - h * 0.6), top], 4.5)
        for k, dx in enumerate((-20, 22)):
            hang = (top[0] + dx, top[1] + 30 + k * 25)
            c.line([top, hang], smooth=False)
            bell(c, hang, -90, 50, 24, lips=3)
            for s in (-0.6, 0.0, 0.6):
                c.dot(hang[0] + s * 24, hang[1] + 44, 3.4)


def tigerlil(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (330, 50)))
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


def violets(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (340, 50)))
    flowers = ((210, 190, 1.1, -20), (330, 140, 1.2, 0), (450, 200, 1.1, 20), (270, 270, 0.9, 0),
               (400, 270, 0.9, 0))
    for x, y, s, b in flowers:
        stem(c, [(330, G + 4), ((330 + x) / 2 + b, (G + y) / 2), (x, y + 20)], 4)
    for a, ln in ((160, 120), (20, 120), (130, 110), (50, 110), (95, 100)):
        leaf(c, (330, G + 2), ln, a, 55, kind="heart", veins=2)

    def violet(x, y, s):
        for a in (115, 65):
            petal(c, (x, y), a, 55 * s, 24 * s, 0, "round")
        for a in (190, -10):
            petal(c, (x, y), a, 50 * s, 22 * s, 0, "round")
        petal(c, (x, y), 270, 58 * s, 28 * s, 0, "round")
        for a in (252, 288):
            c.line([_pt((x, y), a, 8 * s + 9), _pt((x, y), a, 31 * s)])
        c.circle(x, y, 8 * s)

    for x, y, s, b in flowers:
        violet(x, y, s)


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
    garden(c, sun=None, clouds=((110, 190), (560, 180)))
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


def orange(c):
    garden(c, sun=(585, 65), clouds=((120, 60), (330, 50)))
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
    garden(c, sun=(90, 70), clouds=((300, 55), (540, 60)))
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
    garden(c, sun=(90, 70), clouds=((260, 55), (540, 70)))
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
    garden(c, sun=(585, 65), clouds=((120, 60), (330, 50)))
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


def seaweed(c):
    # under the sea: kelp with its air floats
    c.shape([(-20, 40), (100, 30), (220, 45), (340, 32), (460, 46), (580, 30), (690, 42), (690, -20), (-20, -20)])
    scenery.ground(c, 410, wave=9)
    for x, h, ph in ((120, 330, 0.0), (260, 360, 1.3), (420, 320, 2.1), (560, 300, 0.7)):
        pts = [(x + 25 * math.sin(ph + k * 0.9), 415 - h * k / 6) for k in range(7)]
        c.tube([(px, py, 13 - k, 13 - k) for k, (px, py) in enumerate(pts)])
        d = catmull(pts, False, 10)
        for k in range(1, 6):
            p = d[k * 10]
            side = 1 if k % 2 else -1
            leaf(c, p, 60, 90 + side * 55, 16, kind="lance", vein=False)
            c.circle(p[0] + side * 9, p[1] - 8, 11)
    # a fish and bubbles
    c.shape([(470, 120), (510, 95), (560, 110), (580, 120), (560, 130), (510, 145)])
    c.polygon([(470, 120), (445, 100), (452, 120), (445, 140)])
    c.dot(555, 116, 3.5)
    for bx, by, br in ((200, 110, 12), (215, 80, 9), (380, 140, 11), (390, 100, 8)):
        c.circle(bx, by, br)
    scenery.rock(c, 340, 432, 90, 40)


# ---------------------------------------------------------------- trees

def fir(c):
    garden(c, sun=(585, 65), clouds=((300, 55),))
    cone_tree(c, (160, G), 210, 170, tiers=4, trunk_h=30)
    cone_tree(c, (470, G), 260, 210, tiers=5, trunk_h=35)
    cone_tree(c, (320, G), 150, 130, tiers=3, trunk_h=25)


def redwood(c):
    garden(c, sun=(600, 55), clouds=((430, 60),))
    for x, h, w in ((140, 340, 18), (320, 380, 24), (500, 330, 18)):
        bole = c.polygon([(x - w * 1.4, G + 6), (x - w * 0.7, G - h * 0.45), (x + w * 0.7, G - h * 0.45),
                          (x + w * 1.4, G + 6)])
        for k in (-0.5, 0.3):
            c.line(chord(bole, (x + k * w * 1.4, G + 2), (x + k * w * 0.8, G - h * 0.42)))
        cone_tree(c, (x, G - h * 0.4), h * 0.55, w * 7, tiers=4, trunk_w=w * 0.7, trunk_h=5)


def giantseq(c):
    garden(c, sun=(585, 60), clouds=((120, 60),))
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
    garden(c, sun=(585, 65), clouds=((110, 60),))
    crown(c, 240, 175, 165, 125, bumps=11)
    trunk(c, (250, G), 190, 18, [(0.75, 130, 70, 9), (0.8, 50, 70, 9)])
    for x, y, s, a in ((520, 170, 95, 105), (555, 320, 80, 75), (450, 330, 85, 120)):
        maple_leaf(c, (x, y + 40), s, a)


def redbud(c):
    # a redbud branch in spring: pink flower clusters right on the twigs, a few heart leaves
    garden(c, sun=(590, 60), clouds=((120, 55),))
    c.tube([(0, 380, 13, 13), (180, 320, 11, 11), (380, 250, 9, 9), (660, 200, 7, 7)])
    c.tube([(190, 318, 8, 8), (250, 220, 6, 6), (300, 140, 5, 5)])
    c.tube([(400, 246, 7, 7), (470, 330, 5, 5), (560, 370, 4, 4)])
    for p, a in (((120, 350), 250), ((330, 270), 60), ((520, 222), 70), ((600, 207), 280)):
        leaf(c, p, 85, a, 40, kind="heart", veins=2)
    for x, y in ((70, 355), (240, 245), (280, 175), (430, 240), (470, 300), (540, 355), (620, 195), (170, 315),
                 (360, 245)):
        floret_head(c, (x, y - 18), 28, 18, bands=2, bumps=7, seed=x)


def sycamore(c):
    garden(c, sun=(590, 60), clouds=((110, 60),))
    crown(c, 300, 150, 118, 132, bumps=10)
    x = 300
    c.polygon([(x - 34, G + 6), (x - 24, 180), (x + 24, 180), (x + 34, G + 6)])
    c.tube([(x - 10, 190, 13, 13), (x - 80, 120, 9, 9)])
    c.tube([(x + 10, 190, 13, 13), (x + 90, 110, 9, 9)])
    for bx, by, rx, ry in ((x - 10, 230, 11, 18), (x + 8, 290, 12, 20), (x - 12, 345, 10, 16), (x + 12, 375, 9, 12)):
        c.ellipse(bx, by, rx, ry, 10)
    for bx, by in ((560, 260), (590, 300)):
        c.line([(bx, 198), (bx, by - 18)])
    c.tube([(520, 196, 5, 5), (575, 202, 4, 4), (625, 196, 3, 3)])
    for bx, by in ((560, 260), (590, 300)):
        c.circle(bx, by, 17)
    maple_leaf(c, (510, 395), 80, 100)


def fern(c):
    # a clump of fronds arching out of the ground
    garden(c, sun=(585, 65), clouds=((120, 60),))
    for dx, length, angle, bend in ((-30, 300, 140, 0.16), (30, 300, 40, -0.16), (0, 350, 90, 0.04)):
        frond(c, (330 + dx, G + 4), length, angle, bend, pairs=8, pinna=72)


def japanese(c):
    # a Japanese maple: a low, spreading tree of layered leaf pads, and one of its hand-shaped leaves
    garden(c, sun=(590, 60), clouds=((110, 55),))
    c.tube([(250, G + 8, 17, 17), (244, G - 60, 13, 13), (205, G - 130, 9, 9), (158, G - 185, 6, 6)])
    c.tube([(248, G - 70, 10, 10), (292, G - 145, 8, 8), (330, G - 200, 6, 6)])
    c.tube([(254, G - 45, 10, 10), (335, G - 110, 7, 7), (412, G - 195, 5, 5)])
    for cx, cy, rx, ry, seed in ((260, 120, 120, 50, 0.0), (130, 185, 105, 46, 1.0), (390, 175, 115, 48, 2.0),
                                 (250, 215, 95, 36, 0.5)):
        crown(c, cx, cy, rx, ry, bumps=8, seed=seed)
    palmate_leaf(c, (540, 315), 105, angle=92)


def weeping(c):
    scenery.ground(c, G, wave=5)
    scenery.sun(c, 590, 60)
    c.ellipse(450, 425, 150, 28)
    x = 300
    c.polygon([(x - 26, G + 6), (x - 18, 150), (x + 18, 150), (x + 26, G + 6)])
    crown(c, x, 120, 190, 80, bumps=11)
    for k in range(9):
        sx = x - 170 + k * 42
        length = 170 + 40 * math.sin(k * 1.3)
        sy = 150
        pts = [(sx, sy), (sx - 6, sy + length * 0.5), (sx + 4, sy + length)]
        c.tube([(px, py, 14 - i * 4, 14 - i * 4) for i, (px, py) in enumerate(pts)])


def whiteoak(c):
    garden(c, sun=(585, 65), clouds=((110, 60),))
    trunk(c, (240, G), 170, 26, [(0.6, 160, 150, 13), (0.62, 20, 150, 13)])
    for cx, cy, rx, ry in ((100, 200, 95, 60), (380, 200, 95, 60), (240, 130, 150, 85)):
        crown(c, cx, cy, rx, ry, bumps=8)

    def oak_leaf(base, length, angle):
        ux, uy = _dir(angle)
        nx, ny = -uy, ux

        def P(t, w):
            return (base[0] + ux * length * t + nx * w, base[1] + uy * length * t + ny * w)

        prof = [(0.04, 0.06)]
        for t, w in ((0.2, 0.24), (0.42, 0.33), (0.64, 0.3), (0.84, 0.2)):
            prof += [(t - 0.07, w * 0.45), (t - 0.05, w * 0.85), (t, w), (t + 0.05, w * 0.85), (t + 0.07, w * 0.45)]
        left = [P(t, w * length) for t, w in prof]
        right = [P(t, -w * length) for t, w in prof][::-1]
        outline = c.shape(left + [P(1.0, 0)] + right)
        c.line(chord(outline, P(0.1, 0), P(0.9, 0)))

    oak_leaf((500, 420), 250, 80)
    for ax, ay in ((600, 330), (625, 395)):
        c.shape([(ax - 19, ay - 8), (ax - 17, ay + 20), (ax, ay + 42), (ax + 17, ay + 20), (ax + 19, ay - 8)])
        c.shape([(ax - 24, ay - 2), (ax - 22, ay - 16), (ax, ay - 24), (ax + 22, ay - 16), (ax + 24, ay - 2)])


DRAWINGS = {
    "alfalfa": ("alfalfa", alfalfa), "apple": ("apples on a branch", apple),
    "asparagu": ("asparagus spears", asparagus), "bluebell": ("bluebells", bluebell),
    "bluebonn": ("bluebonnets", bluebonnet), "caladium": ("caladium in a pot", caladium),
    "carnatio": ("carnations", carnation), "chrysant": ("chrysanthemums", chrysant),
    "clover": ("clover with flower heads", clover), "daisies": ("daisies", daisies),
    "dogwood": ("dogwood flowers on a branch", dogwood), "fir": ("fir trees", fir),
    "foxglove": ("foxgloves", foxglove), "gayfeath": ("gayfeather", gayfeath),
    "giantseq": ("giant sequoia", giantseq), "gladiolu": ("gladiolus", gladiolu),
    "goldenra": ("goldenrod", goldenra), "hibiscus": ("hibiscus flower", hibiscus),
    "holly": ("holly leaves and berries", holly), "iris": ("irises", iris), "lily": ("lilies", lily),
    "magnolia": ("magnolia flowers on a branch", magnolia),
    "mountain": ("mountain laurel in front of mountains", mountain), "orange": ("an orange and a slice", orange),
    "orchids": ("orchids in a pot", orchids), "pansies": ("pansies", pansies), "pear": ("pears on a branch", pear),
    "petunias": ("petunias in a pot", petunias), "poinsett": ("poinsettia in a pot", poinsett),
    "poppy": ("poppies", poppy), "prickly": ("prickly pear cactus", prickly), "primrose": ("primroses", primrose),
    "redbud": ("redbud branch in bloom", redbud), "redmaple": ("red maple tree and leaves", redmaple),
    "redwood": ("redwood trees", redwood), "roses": ("roses", roses),
    "saguaro": ("saguaro cactus", saguaro), "seaweed": ("seaweed (kelp) under the sea", seaweed),
    "snowflak": ("snowflake flowers (Leucojum)", snowflak), "sunflowe": ("sunflowers", sunflowe),
    "sycamore": ("sycamore tree, leaf and seed balls", sycamore), "tigerlil": ("tiger lilies", tigerlil),
    "venus": ("Venus flytrap in a pot", venus), "violets": ("violets", violets),
    "weeping": ("weeping willow by a pond", weeping),
    "fern": ("fern fronds", fern), "japanese": ("Japanese maple tree and leaf", japanese), "whiteoak": ("white oak tree, leaf and acorns", whiteoak),
}


def draw(stem_name):
    c = Canvas()
    DRAWINGS[stem_name][1](c)
    return c
