"""The intro pictures: one little coloured-in scene per edition, drawn in the style of a
finished colouring page (flat bright paint, round shapes, warm dark outlines)."""
import math

from .draw import INK, shade

W, H = 332, 212
OUT = 2.2            # outline width of scene shapes
SKY_TOP, SKY_LOW = (120, 196, 250), (206, 238, 255)
GRASS, GRASS_DARK = (120, 200, 80), (86, 168, 60)

CRAYONS = [(231, 68, 58), (246, 140, 30), (250, 200, 40), (62, 176, 72), (44, 124, 226), (146, 88, 206)]


def sky(c, top=SKY_TOP, low=SKY_LOW):
    c.paste_gradient(lambda d, s: d.rectangle([0, 0, W * s, H * s], fill=255), top, low, 0, H * 0.75)


def cloud(c, x, y, k=1.0):
    for dx, dy, r in ((0, 0, 11), (12, -5, 13), (25, 0, 11), (12, 4, 11)):
        c.ellipse(x + dx * k, y + dy * k, r * k, r * 0.8 * k, fill=(255, 255, 255), outline=None)


def sun(c, x, y, r, face=True):
    for i in range(12):
        a = i * math.pi / 6
        c.line([(x + (r + 4) * math.cos(a), y + (r + 4) * math.sin(a)),
                (x + (r + 11) * math.cos(a), y + (r + 11) * math.sin(a))], (255, 186, 20), 3.2)
    c.ellipse(x, y, r, r, fill=(255, 214, 40), outline=INK, width=OUT)
    if face:
        eyes(c, x, y - 2, r * 0.35, r * 0.1)
        smile(c, x, y + r * 0.25, r * 0.35)


def hills(c, y, colour=GRASS, colour2=GRASS_DARK):
    c.ellipse(70, y + 40, 140, 55, fill=colour2, outline=INK, width=OUT)
    c.ellipse(270, y + 45, 150, 60, fill=colour, outline=INK, width=OUT)
    c.rrect(-5, y + 40, W + 5, H + 5, 0, fill=colour)


def eyes(c, x, y, gap, r):
    for s in (-1, 1):
        c.ellipse(x + s * gap, y, r, r * 1.25, fill=INK)
        c.ellipse(x + s * gap - r * 0.3, y - r * 0.4, r * 0.38, r * 0.38, fill=(255, 255, 255))


def smile(c, x, y, r):
    pts = [(x + r * math.cos(a), y - r * 0.3 + r * 0.6 * math.sin(a))
           for a in [math.pi * (0.15 + 0.7 * i / 12) for i in range(13)]]
    c.line(pts, INK, 2.0)


def cheeks(c, x, y, gap, r):
    for s in (-1, 1):
        c.ellipse(x + s * gap, y, r, r * 0.7, fill=(255, 120, 140, 150))


def crayon(c, x, y, angle, length, colour):
    """A crayon standing with its tip at (x, y), leaning by angle (radians from upright)."""
    ux, uy = math.sin(angle), -math.cos(angle)       # towards the tip
    px, py = -uy, ux
    wdt = 7.5
    bx, by = x - ux * length, y - uy * length
    tip = [(x, y), (x - ux * 14 + px * wdt * 0.45, y - uy * 14 + py * wdt * 0.45),
           (x - ux * 14 - px * wdt * 0.45, y - uy * 14 - py * wdt * 0.45)]
    body = [(x - ux * 14 + px * wdt, y - uy * 14 + py * wdt), (bx + px * wdt, by + py * wdt),
            (bx - px * wdt, by - py * wdt), (x - ux * 14 - px * wdt, y - uy * 14 - py * wdt)]
    cone = [(x - ux * 3 + px * 1.5, y - uy * 3 + py * 1.5),
            (x - ux * 16 + px * wdt, y - uy * 16 + py * wdt),
            (x - ux * 16 - px * wdt, y - uy * 16 - py * wdt),
            (x - ux * 3 - px * 1.5, y - uy * 3 - py * 1.5)]
    c.poly(cone, fill=shade(colour, 0.85), outline=INK, width=OUT)
    c.poly(body, fill=colour, outline=INK, width=OUT)
    for t in (0.32, 0.8):   # the paper wrapper's bands
        cx, cy = x - ux * (14 + (length - 14) * t), y - uy * (14 + (length - 14) * t)
        c.line([(cx + px * wdt, cy + py * wdt), (cx - px * wdt, cy - py * wdt)], shade(colour, 0.6), 2.4)
    c.poly(tip, fill=colour, outline=None)


def flower(c, x, y, r, petal, centre=(255, 200, 40), n=6, stem=0):
    if stem:
        c.line([(x, y), (x + 2, y + stem)], (60, 150, 50), 3.5)
        c.ellipse(x + 8, y + stem * 0.6, 7, 3.5, fill=(44, 146, 58), outline=INK, width=1.5)
    for i in range(n):
        a = i * 2 * math.pi / n
        c.ellipse(x + r * math.cos(a), y + r * math.sin(a), r * 0.75, r * 0.75, fill=petal, outline=INK, width=1.8)
    c.ellipse(x, y, r * 0.7, r * 0.7, fill=centre, outline=INK, width=1.8)


# ---------------------------------------------------------------- edition scenes

def scene_crayons(c):
    sky(c)
    sun(c, 30, 98, 14)
    bands = [(231, 68, 58), (246, 140, 30), (250, 210, 40), (62, 176, 72), (44, 124, 226), (146, 88, 206)]
    for i, col in enumerate(bands):
        r = 132 - i * 9
        c.ellipse(150, 222, r, r * 0.95, fill=col)
    c.ellipse(150, 222, 78, 78 * 0.95, fill=SKY_LOW)
    cloud(c, 160, 104, 0.9)
    hills(c, 150)
    flower(c, 40, 176, 7, (255, 120, 170), stem=20)
    flower(c, 78, 186, 6, (255, 255, 255), stem=16)
    for i, col in enumerate(CRAYONS):
        crayon(c, 228 + i * 16, 118 + (i % 2) * 8, -0.18 + i * 0.07, 78, col)


def scene_dinosaurs(c):
    sky(c, (255, 200, 120), (255, 238, 190))
    # volcano
    c.poly([(238, 170), (270, 92), (292, 92), (330, 170)], fill=(150, 100, 80), outline=INK, width=OUT)
    c.poly([(270, 92), (292, 92), (288, 104), (280, 98), (274, 106)], fill=(246, 100, 40), outline=INK, width=1.5)
    for i, (dx, dy, r) in enumerate(((282, 80, 8), (290, 66, 10), (302, 50, 12))):
        c.ellipse(dx, dy, r, r * 0.85, fill=(235, 230, 225), outline=INK, width=1.5)
    hills(c, 150, (150, 210, 80), (110, 180, 60))
    # palm tree
    c.line([(36, 200), (40, 150), (48, 112)], (170, 110, 50), 8)
    c.line([(36, 200), (40, 150), (48, 112)], INK, 1.0)
    for a in (-2.6, -2.0, -1.2, -0.5, 0.1):
        pts = [(48 + 30 * math.cos(a) * t, 112 + 30 * math.sin(a) * t + 10 * t * t) for t in (0, 0.5, 1)]
        c.line(pts, INK, 9.5)
    for a in (-2.6, -2.0, -1.2, -0.5, 0.1):
        pts = [(48 + 30 * math.cos(a) * t, 112 + 30 * math.sin(a) * t + 10 * t * t) for t in (0, 0.5, 1)]
        c.line(pts, (70, 175, 60), 6)
    # the dinosaur: a long-necked plant eater
    body = (168, 160)
    c.line([(120, 172), (96, 180), (76, 176)], INK, 12.5)
    c.line([(120, 172), (96, 180), (76, 176)], (120, 190, 225), 8.5)
    for lx in (140, 158, 184, 200):
        c.rrect(lx - 7, 165, lx + 7, 197, 5, fill=(100, 170, 210), outline=INK, width=OUT)
    c.ellipse(body[0], body[1], 48, 28, fill=(120, 190, 225), outline=INK, width=OUT)
    neck = [(196, 150), (214, 122), (224, 98)]
    c.line(neck, INK, 17)
    c.line(neck, (120, 190, 225), 12.5)
    c.ellipse(233, 94, 16, 11, fill=(120, 190, 225), outline=INK, width=OUT)
    for sx, sy, r in ((150, 150, 6), (172, 142, 5), (186, 160, 4.5), (160, 168, 4)):
        c.ellipse(sx, sy, r, r * 0.8, fill=(255, 170, 60))
    c.ellipse(236, 91, 2.6, 3.2, fill=INK)
    c.ellipse(235.3, 90, 1.0, 1.0, fill=(255, 255, 255))
    smile(c, 240, 99, 6)
    cheeks(c, 229, 97, 0, 3.2)
    # an egg
    c.ellipse(108, 196, 10, 12, fill=(255, 245, 220), outline=INK, width=OUT)
    c.ellipse(104, 193, 2.5, 2, fill=(140, 200, 100))
    c.ellipse(111, 199, 2, 1.6, fill=(140, 200, 100))


def _animal_face(c, x, y, r, fur, inner):
    c.ellipse(x, y, r, r * 0.92, fill=fur, outline=INK, width=OUT)
    eyes(c, x, y - r * 0.15, r * 0.38, r * 0.11)
    cheeks(c, x, y + r * 0.25, r * 0.55, r * 0.16)
    c.ellipse(x, y + r * 0.28, r * 0.32, r * 0.22, fill=inner, outline=INK, width=1.6)
    c.ellipse(x, y + r * 0.2, r * 0.1, r * 0.07, fill=INK)
    smile(c, x, y + r * 0.46, r * 0.18)


def scene_animals(c):
    sky(c)
    sun(c, 306, 98, 12)
    cloud(c, 14, 98, 0.8)
    hills(c, 150)
    # elephant
    for s in (-1, 1):
        c.ellipse(72 + s * 30, 140, 22, 27, fill=(170, 175, 200), outline=INK, width=OUT)
        c.ellipse(72 + s * 30, 140, 13, 18, fill=(240, 170, 190))
    c.ellipse(72, 140, 28, 27, fill=(180, 185, 210), outline=INK, width=OUT)
    c.line([(72, 150), (72, 170), (80, 182)], INK, 11)
    c.line([(72, 150), (72, 170), (80, 182)], (180, 185, 210), 7)
    eyes(c, 72, 133, 11, 3)
    cheeks(c, 72, 146, 18, 4)
    # lion
    for i in range(14):
        a = i * 2 * math.pi / 14
        c.ellipse(166 + 33 * math.cos(a), 136 + 33 * math.sin(a), 13, 13, fill=(214, 120, 40), outline=INK, width=1.8)
    for s in (-1, 1):
        c.ellipse(166 + s * 22, 112, 8, 8, fill=(250, 190, 80), outline=INK, width=1.8)
    _animal_face(c, 166, 136, 31, (250, 196, 80), (255, 236, 190))
    # frog
    for s in (-1, 1):
        c.ellipse(262 + s * 15, 138, 11, 11, fill=(110, 200, 80), outline=INK, width=OUT)
        c.ellipse(262 + s * 15, 138, 6.5, 6.5, fill=(255, 255, 255))
        c.ellipse(262 + s * 15 + 1, 139, 3.5, 3.8, fill=INK)
    c.ellipse(262, 166, 30, 22, fill=(110, 200, 80), outline=INK, width=OUT)
    for s in (-1, 1):
        c.ellipse(262 + s * 15, 138, 11, 11, fill=None, outline=INK, width=OUT)
    c.rrect(251, 140, 273, 150, 3, fill=(110, 200, 80))
    for s in (-1, 1):
        c.ellipse(262 + s * 15, 138, 6.5, 6.5, fill=(255, 255, 255))
        c.ellipse(262 + s * 15 + 1, 139, 3.5, 3.8, fill=INK)
    smile(c, 262, 168, 12)
    cheeks(c, 262, 163, 19, 4)


def scene_plants(c):
    sky(c)
    sun(c, 300, 100, 14)
    cloud(c, 110, 104, 0.8)
    hills(c, 158, (130, 210, 90), (100, 186, 70))
    # sunflower
    c.line([(70, 205), (68, 160), (66, 120)], (60, 150, 50), 5)
    c.ellipse(54, 170, 10, 5, fill=(44, 146, 58), outline=INK, width=1.5)
    c.ellipse(84, 156, 10, 5, fill=(44, 146, 58), outline=INK, width=1.5)
    for i in range(14):
        a = i * 2 * math.pi / 14
        c.ellipse(66 + 20 * math.cos(a), 116 + 20 * math.sin(a), 8, 8, fill=(255, 200, 30), outline=INK, width=1.6)
    c.ellipse(66, 116, 17, 17, fill=(150, 90, 40), outline=INK, width=OUT)
    eyes(c, 66, 112, 6, 2.4)
    smile(c, 66, 121, 5.5)
    # tulips
    for tx, col, h in ((118, (236, 60, 70), 150), (146, (246, 110, 180), 138), (174, (160, 90, 220), 152)):
        c.line([(tx, 205), (tx, h)], (60, 150, 50), 4)
        c.ellipse(tx - 8, h + 28, 4.5, 11, fill=(44, 146, 58), outline=INK, width=1.3)
        c.poly([(tx - 12, h - 16), (tx - 6, h - 6), (tx, h - 18), (tx + 6, h - 6), (tx + 12, h - 16),
                (tx + 11, h - 2), (tx, h + 6), (tx - 11, h - 2)], fill=col, outline=INK, width=1.8)
    # daisies
    for dx, dy in ((212, 176), (240, 188), (268, 172), (300, 190), (222, 200)):
        flower(c, dx, dy, 6.5, (255, 255, 255), n=8, stem=14)
    # butterfly
    bx, by = 238, 108
    for s in (-1, 1):
        c.ellipse(bx + s * 10, by - 6, 10, 9, fill=(255, 140, 60), outline=INK, width=1.6)
        c.ellipse(bx + s * 8, by + 7, 7, 6, fill=(255, 200, 40), outline=INK, width=1.6)
    c.ellipse(bx, by, 3, 11, fill=INK)
    c.line([(bx - 1, by - 10), (bx - 6, by - 19)], INK, 1.3)
    c.line([(bx + 1, by - 10), (bx + 6, by - 19)], INK, 1.3)


def _wheel(c, x, y, r, colour):
    c.ellipse(x, y, r, r, fill=colour, outline=INK, width=OUT)
    c.ellipse(x, y, r * 0.35, r * 0.35, fill=(255, 255, 255), outline=INK, width=1.4)


def scene_train(c):
    sky(c)
    cloud(c, 14, 100, 0.8)
    cloud(c, 150, 100, 0.9)
    hills(c, 150)
    # rails
    c.rrect(0, 190, W, 195, 0, fill=(140, 100, 70))
    for x in range(4, W, 16):
        c.rrect(x, 194, x + 9, 199, 1, fill=(120, 80, 50))
    # wagons with letter blocks
    for i, (wx, letter, col, block) in enumerate(((8, "A", (44, 124, 226), (231, 68, 58)),
                                                   (82, "B", (246, 140, 30), (62, 176, 72)),
                                                   (156, "C", (146, 88, 206), (250, 200, 40)))):
        c.rrect(wx - 2, 173, wx + 5, 177, 1, fill=INK)
        c.rrect(wx + 4, 150, wx + 66, 182, 4, fill=col, outline=INK, width=OUT)
        c.rrect(wx + 17, 118, wx + 53, 152, 4, fill=block, outline=INK, width=OUT)
        c.text(wx + 35, 135.5, letter, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf", 24,
               fill=(255, 255, 255), stroke=1.6, stroke_fill=INK)
        _wheel(c, wx + 18, 184, 8, (90, 90, 110))
        _wheel(c, wx + 52, 184, 8, (90, 90, 110))
    # engine
    ex = 232
    c.rrect(ex - 6, 173, ex + 2, 177, 1, fill=INK)
    c.rrect(ex, 140, ex + 46, 182, 4, fill=(231, 68, 58), outline=INK, width=OUT)
    c.rrect(ex + 6, 146, ex + 26, 162, 3, fill=(200, 235, 255), outline=INK, width=1.6)
    c.rrect(ex - 2, 134, ex + 34, 141, 2, fill=(60, 60, 80), outline=INK, width=1.6)
    c.rrect(ex + 40, 150, ex + 80, 182, 6, fill=(44, 124, 226), outline=INK, width=OUT)
    c.rrect(ex + 58, 132, ex + 70, 151, 2, fill=(60, 60, 80), outline=INK, width=1.6)
    c.poly([(ex + 76, 182), (ex + 86, 190), (ex + 72, 190)], fill=(250, 200, 40), outline=INK, width=1.5)
    _wheel(c, ex + 14, 182, 11, (250, 200, 40))
    _wheel(c, ex + 40, 184, 9, (250, 200, 40))
    _wheel(c, ex + 66, 184, 9, (250, 200, 40))
    for i, (dx, dy, r) in enumerate(((64, 120, 7), (56, 106, 9), (42, 94, 11))):
        c.ellipse(ex + dx, dy, r, r * 0.85, fill=(255, 255, 255), outline=INK, width=1.3)


SCENES = {1: scene_crayons, 2: scene_dinosaurs, 3: scene_animals, 4: scene_plants, 5: scene_train}
