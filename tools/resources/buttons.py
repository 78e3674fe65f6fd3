"""Rounded candy buttons: released (raised, glossy, with a shadow) and pressed (pushed
down-right onto its shadow, darker face, shadowed inside)."""
from .draw import BOLD, Canvas, shade

RED = (231, 68, 58)
ORANGE = (246, 140, 30)
YELLOW = (250, 200, 40)
GREEN = (62, 176, 72)
BLUE = (44, 124, 226)
PURPLE = (146, 88, 206)
PINK = (236, 92, 160)
TEAL = (22, 170, 170)

SHIFT = (2, 3)  # how far a pressed button moves


def body_rect(w, h, pressed):
    x0, y0, x1, y1 = 1, 1, w - 3, h - 4
    if pressed:
        x0, y0, x1, y1 = x0 + SHIFT[0], y0 + SHIFT[1], x1 + SHIFT[0], y1 + SHIFT[1]
    return x0, y0, x1, y1


def candy_button(background, face, pressed, label=None, size=17, symbol=None, radius=None):
    """background: the (h, w, 3) pixels the button covers; symbol(canvas, cx, cy, ink) draws an icon."""
    h, w = background.shape[:2]
    c = Canvas(w, h, background)
    x0, y0, x1, y1 = body_rect(w, h, pressed)
    r = radius if radius is not None else min(12, (y1 - y0) / 2.6)
    edge = shade(face, 0.55)
    if not pressed:
        c.rrect(x0 + SHIFT[0], y0 + SHIFT[1], x1 + SHIFT[0], y1 + SHIFT[1], r, fill=(60, 35, 10, 95))
        top, bottom = shade(face, 1.3), face
    else:
        c.rrect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, r + 1, fill=(60, 35, 10, 40))
        top, bottom = shade(face, 0.68), shade(face, 0.9)

    def mask(d, s):
        d.rounded_rectangle([x0 * s, y0 * s, x1 * s - 1, y1 * s - 1], radius=r * s, fill=255)
    c.paste_gradient(mask, top, bottom, y0, y1)
    if not pressed:
        # gloss on the upper part
        c.rrect(x0 + 5, y0 + 3, x1 - 5, y0 + (y1 - y0) * 0.45, max(r - 4, 3), fill=(255, 255, 255, 70))
    else:
        # shadow inside the top and left edges
        for i, a in enumerate((90, 55, 25)):
            c.rrect(x0 + i, y0 + i, x1 - i * 0.3, y1 - i * 0.3, r, outline=(40, 20, 0, a), width=1)
    c.rrect(x0, y0, x1, y1, r, outline=edge, width=2)
    cx, cy = (x0 + x1) / 2, (y0 + y1) / 2
    if label:
        c.text(cx, cy + 0.5, label, BOLD, size, fill=(255, 255, 255), stroke=2.2, stroke_fill=shade(face, 0.42))
    if symbol:
        symbol(c, cx, cy, shade(face, 0.42))
    return c.result()


def arrow(direction):
    """A fat white arrow pointing left (-1) or right (+1)."""
    def draw(c, cx, cy, ink):
        d = direction
        pts = [(-13, 0), (-1, -12), (-1, -5), (12, -5), (12, 5), (-1, 5), (-1, 12)]
        pts = [(cx + d * -x, cy + y) for x, y in pts]
        c.poly(pts, fill=(255, 255, 255), outline=ink, width=2.2)
    return draw
