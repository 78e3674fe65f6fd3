"""Colour swatches: a round blob of paint sitting on the frame (unselected, upper
half) and the same paint on a bright white tile with a gold ring and a sparkle (selected,
lower half)."""
import numpy as np

from .draw import INK, Canvas

# The page colour table: index k is colour index k of the page.
COLOUR_TABLE = [
    0x000000, 0x000000, 0xFF0000, 0x0000A0, 0xFFFF00, 0x006F00, 0xFF7F00, 0x30006F,
    0x6F2F00, 0x9F009F, 0x7F3F00, 0xFF7070, 0x0060FF, 0xDFFF00, 0x00DF00, 0xFF9F00,
    0x9F00FF, 0xBF0000, 0x003F5F, 0xFFDF00, 0x005F00, 0xD0602F, 0xFF008F, 0x306FB0,
    0xDFDF00, 0x00B000, 0xFF8F50, 0xFFFFFF, 0x8F8F8F, 0xC09F4F, 0xC09FFF, 0xFFCF7F,
    0x9FFF7F, 0xFFFF9F, 0x00FFFF, 0xFF8FC0, 0xA06000, 0xEFEFEF,
]
GOLD = (255, 196, 0)
# a pixel of the face that always shows the exact colour, in each half
FACE_PROBE = (22, 22)


def rgb(k):
    v = COLOUR_TABLE[k]
    return ((v >> 16) & 255, (v >> 8) & 255, v & 255)


def _sparkle(c, cx, cy, r):
    pts = []
    for i in range(8):
        rad = r if i % 2 == 0 else r * 0.38
        a = np.pi / 4 * i - np.pi / 2
        pts.append((cx + rad * np.cos(a), cy + rad * np.sin(a)))
    c.poly(pts, fill=(255, 255, 255), outline=INK, width=1.2)


def swatch_half(background, colour, selected):
    c = Canvas(45, 45, background)
    edge = INK if sum(colour) > 90 else (110, 110, 110)
    if not selected:
        c.ellipse(24.0, 24.5, 16, 16, fill=(60, 35, 10, 90))
        c.ellipse(22.0, 22.0, 16, 16, fill=colour, outline=edge, width=2)
        c.ellipse(15.5, 15.0, 5.5, 3.8, fill=(255, 255, 255, 120))
    else:
        c.rrect(1, 1, 45, 45, 11, fill=(255, 255, 255), outline=INK, width=2)
        c.rrect(3.5, 3.5, 42.5, 42.5, 9, outline=GOLD, width=3)
        c.ellipse(23.0, 23.0, 16.5, 16.5, fill=colour, outline=edge, width=2)
        c.ellipse(16.5, 15.5, 5.0, 3.4, fill=(255, 255, 255, 120))
        _sparkle(c, 37.5, 7.5, 7)
    img = c.result()
    img[FACE_PROBE[1] - 2:FACE_PROBE[1] + 3, FACE_PROBE[0] - 2:FACE_PROBE[0] + 3] = colour
    return img


def swatch_bitmap(k, background):
    """Swatch bitmap k, for colour index k + 1; background is the 45 x 45 frame under it."""
    colour = rgb(k + 1)
    return np.concatenate([swatch_half(background, colour, False),
                           swatch_half(background, colour, True)], axis=0)
