"""Per-edition artwork: the intro picture with the edition's name, the credit strip, the
dotted intro background tiles and the program icon."""
import math

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from . import scenes
from .draw import ARIAL, ARIAL_BOLD, BOLD, INK, Canvas, shade
from .layout import COPYRIGHT, INTRO_SCR

# one accent colour per edition: intro background, ribbons, icon tile
ACCENT = {1: (66, 160, 232), 2: (92, 176, 64), 3: (240, 136, 40), 4: (230, 92, 156), 5: (140, 96, 214)}
LETTERS = [(231, 68, 58), (246, 140, 30), (240, 190, 20), (62, 176, 72), (44, 124, 226), (146, 88, 206),
           (236, 92, 160), (22, 170, 170)]
YEAR = 2026
MAKER = "the Tintwell project"
WEB = "www.example.org/tintwell"


def split_heading(heading):
    """'Tintwell 2: Dinosaurs' -> ('Tintwell', '2', 'Dinosaurs'); 'Tintwell' -> ('Tintwell', '', '')."""
    name, _, theme = heading.partition(":")
    words = name.split()
    number = words[-1] if len(words) > 1 and words[-1].isdigit() else ""
    return (" ".join(words[:-1]) if number else name.strip()), number, theme.strip()


def _title(c, name, number, theme, edition):
    size = 44 if theme else 50
    f = ImageFont.truetype(BOLD, size)
    widths = [f.getlength(ch) for ch in name]
    badge = 36 if number else 0
    total = sum(widths) + badge
    x = (scenes.W - total) / 2
    y = 34 if theme else 40
    colours = LETTERS[edition - 1:] + LETTERS[:edition - 1]
    for stroke, fill_white in ((6.5, False), (3.6, True)):
        cx = x
        for i, ch in enumerate(name):
            col = colours[i % len(colours)]
            c.text(cx + widths[i] / 2, y + (i % 2) * 2 - 1, ch, BOLD, size,
                   fill=col, stroke=stroke, stroke_fill=(255, 255, 255) if fill_white else INK)
            cx += widths[i]
    if number:
        bx, by = x + sum(widths) + badge / 2 + 3, y - 4
        star = []
        for i in range(10):
            r = 19 if i % 2 == 0 else 11
            a = -math.pi / 2 + i * math.pi / 5
            star.append((bx + r * math.cos(a), by + r * math.sin(a)))
        c.poly(star, fill=(255, 214, 40), outline=INK, width=2.2)
        c.text(bx, by + 1.5, number, BOLD, 17, fill=INK)
    if theme:
        rf = ImageFont.truetype(BOLD, 17)
        tw = rf.getlength(theme) + 30
        rx0, rx1, ry0, ry1 = (scenes.W - tw) / 2, (scenes.W + tw) / 2, 62, 84
        accent = ACCENT[edition]
        for s in (-1, 1):   # ribbon tails
            ex = rx0 if s < 0 else rx1
            tail = [(ex - s * 6, ry0 + 5), (ex + s * 16, ry0 + 5), (ex + s * 10, ry1 - 6 + 5 + 3),
                    (ex + s * 16, ry1 + 5), (ex - s * 6, ry1 + 5)]
            c.poly(tail, fill=shade(accent, 0.75), outline=INK, width=1.8)
        c.rrect(rx0, ry0, rx1, ry1, 5, fill=accent, outline=INK, width=2)
        c.text(scenes.W / 2, (ry0 + ry1) / 2 + 0.5, theme, BOLD, 17, fill=(255, 255, 255),
               stroke=1.6, stroke_fill=shade(accent, 0.45))


def intro_picture(card, heading, edition):
    """IntroScr: 332 x 212, painted at (14, 14) of the card; the corners show the card's wood."""
    x, y, w, h = INTRO_SCR
    back = card[y:y + h, x:x + w]
    pic = Canvas(w, h, (255, 255, 255))
    scenes.SCENES[edition](pic)
    name, number, theme = split_heading(heading)
    _title(pic, name, number, theme, edition)
    art = Image.fromarray(pic.result())
    c = Canvas(w, h, back)
    mask = Image.new("L", c.img.size, 0)
    ImageDraw.Draw(mask).rounded_rectangle([2 * c.s, 2 * c.s, (w - 2) * c.s - 1, (h - 2) * c.s - 1],
                                           radius=14 * c.s, fill=255)
    c.img.paste(art.resize(c.img.size, Image.Resampling.NEAREST), (0, 0), mask)
    c.rrect(2, 2, w - 2, h - 2, 14, outline=INK, width=2.5)
    c.rrect(4.5, 4.5, w - 4.5, h - 4.5, 12, outline=(255, 255, 255, 150), width=1.5)
    return c.result()


def credit_strip(card, heading, edition):
    """CopyRight: 320 x 55 at (19, 234) of the card: the copyright line and the web address
    on a cream label."""
    x, y, w, h = COPYRIGHT
    c = Canvas(w, h, card[y:y + h, x:x + w])
    c.rrect(14, 5, w - 12, h - 3, 10, fill=(70, 35, 5, 70))
    c.rrect(12, 3, w - 14, h - 5, 10, fill=(255, 250, 236), outline=shade(ACCENT[edition], 0.7), width=2)
    img = Image.fromarray(c.result())
    d = ImageDraw.Draw(img)
    line1 = "%s \u00a9 %d %s" % (heading.split(":")[0], YEAR, MAKER)
    line2 = WEB + ("" if edition == 1 else str(edition))
    f1 = ImageFont.truetype(ARIAL, 13)
    f2 = ImageFont.truetype(ARIAL_BOLD, 14)
    cx = (12 + w - 14) / 2
    d.text((cx, 19), line1, font=f1, fill=INK, anchor="mm")
    d.text((cx, 35), line2, font=f2, fill=shade(ACCENT[edition], 0.6), anchor="mm")
    for text, f in ((line1, f1), (line2, f2)):
        if f.getlength(text) > w - 40:
            raise ValueError("credit line %r is too long" % text)
    return np.asarray(img, dtype=np.uint8).copy()


def dot_tiles(edition):
    """DotPattern and DotPatternShadow, 8 x 8: a half-drop polka dot and its shadowed copy."""
    accent = ACCENT[edition]
    c = Canvas(8, 8, accent)
    for cx, cy in ((2, 2), (6, 6), (-2, 6), (10, 6), (6, -2), (6, 10), (2, 10), (10, 10), (-2, -2), (10, -2), (-2, 10)):
        c.ellipse(cx, cy, 1.45, 1.45, fill=shade(accent, 1.42))
    tile = c.result()
    shadow = np.round(tile.astype(float) * 0.55).astype(np.uint8)
    return tile, shadow


def icon_image(edition, size):
    """The program icon: a rounded tile in the edition's colour with a white symbol."""
    k = size / 32.0
    c = Canvas(size, size, (0, 0, 0))
    accent = ACCENT[edition]
    c.rrect(0.5 * k, 0.5 * k, 31.5 * k, 31.5 * k, 7 * k, fill=accent, outline=shade(accent, 0.45), width=1.6 * k)
    c.rrect(3 * k, 2.5 * k, 29 * k, 12 * k, 5 * k, fill=(255, 255, 255, 60))
    _ICON_SYMBOLS[edition](c, k)
    img = c.result()
    opaque = np.asarray(_icon_coverage(size)) >= 128
    return img, opaque


def _icon_coverage(size):
    """How much of each pixel the icon's rounded tile covers (0-255), drawn at four times the size."""
    mask = Image.new("L", (size * 4, size * 4), 0)
    ImageDraw.Draw(mask).rounded_rectangle([2, 2, size * 4 - 3, size * 4 - 3], radius=7 * size / 32.0 * 4, fill=255)
    return mask.reduce(4)


def icon_rgba(edition, size):
    """The program icon drawn at any size with a smooth edge, for desktops that show large icons."""
    img, _ = icon_image(edition, size)
    rgba = Image.fromarray(img, "RGB").convert("RGBA")
    rgba.putalpha(_icon_coverage(size))
    return rgba


def _icon_crayon(c, k):
    pts = [(6, 6), (12, 8.5), (8.5, 12)]
    body = [(12, 8.5), (26, 22.5), (22.5, 26), (8.5, 12)]
    c.poly([(x * k, y * k) for x, y in body], fill=(255, 214, 40), outline=INK, width=1.4 * k)
    c.poly([(x * k, y * k) for x, y in pts], fill=(231, 68, 58), outline=INK, width=1.4 * k)
    c.line([(17 * k, 12 * k), (12.5 * k, 16.5 * k)], (200, 140, 0), 1.6 * k)
    c.line([(22.5 * k, 17.5 * k), (18 * k, 22 * k)], (200, 140, 0), 1.6 * k)


def _icon_dino(c, k):
    white = (255, 255, 255)
    c.ellipse(15 * k, 20 * k, 9 * k, 6 * k, fill=white)
    c.line([(19 * k, 18 * k), (23 * k, 11 * k), (24 * k, 7 * k)], white, 4.5 * k)
    c.ellipse(25.5 * k, 7 * k, 3.5 * k, 2.6 * k, fill=white)
    c.line([(8 * k, 21 * k), (4 * k, 24 * k)], white, 3.5 * k)
    for x in (10, 14, 17, 21):
        c.rrect((x - 1.4) * k, 22 * k, (x + 1.4) * k, 28 * k, 1 * k, fill=white)
    c.ellipse(26.3 * k, 6.3 * k, 0.9 * k, 0.9 * k, fill=INK)


def _icon_paw(c, k):
    white = (255, 255, 255)
    c.ellipse(16 * k, 20.5 * k, 7.5 * k, 6.5 * k, fill=white)
    for x, y in ((8, 13), (13, 8.5), (19, 8.5), (24, 13)):
        c.ellipse(x * k, y * k, 3.2 * k, 3.8 * k, fill=white)


def _icon_flower(c, k):
    for i in range(6):
        a = i * math.pi / 3
        c.ellipse((16 + 7 * math.cos(a)) * k, (16 + 7 * math.sin(a)) * k, 5 * k, 5 * k, fill=(255, 255, 255))
    c.ellipse(16 * k, 16 * k, 5 * k, 5 * k, fill=(255, 210, 40), outline=INK, width=1.2 * k)


def _icon_train(c, k):
    white = (255, 255, 255)
    c.rrect(5 * k, 10 * k, 15 * k, 22 * k, 1.5 * k, fill=white)
    c.rrect(14 * k, 14 * k, 27 * k, 22 * k, 2 * k, fill=white)
    c.rrect(21 * k, 8 * k, 25 * k, 15 * k, 1 * k, fill=white)
    c.rrect(7 * k, 12 * k, 13 * k, 16 * k, 1 * k, fill=(255, 210, 40))
    for x in (9, 17, 24):
        c.ellipse(x * k, 24 * k, 3.2 * k, 3.2 * k, fill=(255, 210, 40), outline=INK, width=1.2 * k)


_ICON_SYMBOLS = {1: _icon_crayon, 2: _icon_dino, 3: _icon_paw, 4: _icon_flower, 5: _icon_train}
