"""The screen frame: a light wooden picture frame with mitred corners around the page.

The frame is painted as one 800 x 600 picture and cut into the two bitmaps the program
draws it from, so the four strips meet without seams."""
import numpy as np
from PIL import Image

from .draw import INK, Canvas, smooth_noise, noise
from .layout import (SCREEN_W, SCREEN_H, PAGE_X, PAGE_Y, PAGE_W, PAGE_H, FRAME_W,
                     TITLE_X, TITLE_Y, TITLE_W, TITLE_H)
from .titles import PLATE

WOOD_LIGHT = (246, 222, 172)
WOOD_DARK = (221, 182, 120)
PAPER = (239, 239, 239)


def wood(h, w, seed, along_x, ring=7.0, contrast=1.0, light=WOOD_LIGHT, dark=WOOD_DARK):
    """Wood grain (float RGB); along_x means the grain runs horizontally."""
    if not along_x:
        return wood(w, h, seed, True, ring, contrast, light, dark).transpose(1, 0, 2)
    wobble = _stretch(seed, h, w)
    y = np.arange(h, dtype=float)[:, None]
    phase = y / ring + 5.0 * wobble
    grain = 0.5 + 0.5 * np.sin(2 * np.pi * phase)
    grain = grain ** 3  # thin dark late-wood lines
    fleck = noise(seed + 1, (h, w))
    t = np.clip(0.28 * contrast * grain + 0.05 * fleck + 0.1 * smooth_noise(seed + 2, h, w, 40), 0, 1)
    light, dark = np.asarray(light, dtype=float), np.asarray(dark, dtype=float)
    return light[None, None, :] * (1 - t[..., None]) + dark[None, None, :] * t[..., None]


def _stretch(seed, h, w):
    """Noise that varies slowly along x and a little faster along y."""
    small = smooth_noise(seed, h // 4 + 4, w // 48 + 4, 3)
    img = Image.fromarray((small * 255).astype(np.uint8), "L")
    img = img.resize(((w // 48 + 4) * 48, (h // 4 + 4) * 4), Image.Resampling.BICUBIC)
    return np.asarray(img, dtype=float)[:h, :w] / 255.0


def full_frame():
    """The whole 800 x 600 screen with the frame; the page area is paper."""
    h, w = SCREEN_H, SCREEN_W
    horiz = wood(h, w, 11, True)
    vert = wood(h, w, 12, False)
    y, x = np.mgrid[0:h, 0:w]
    # mitred picture frame: each pixel belongs to the piece whose outer edge is nearest
    dist = np.stack([y, h - 1 - y, x, w - 1 - x])
    piece = dist.argmin(axis=0)
    img = np.where((piece <= 1)[..., None], horiz, vert)

    # bevel of the outer edge: light top-left, dark bottom-right, 4 px
    edge = dist.min(axis=0)
    bevel = np.clip(1 - edge / 4.0, 0, 1)
    light = (piece == 0) | (piece == 2)
    img = np.where((bevel > 0)[..., None] & light[..., None],
                   img + (255 - img) * 0.55 * bevel[..., None], img)
    img = np.where((bevel > 0)[..., None] & ~light[..., None], img * (1 - 0.3 * bevel[..., None]), img)
    # faint mitre seams
    seam = (np.abs(np.abs(x - np.where(x < w / 2, 0, w - 1)) - np.abs(y - np.where(y < h / 2, 0, h - 1))) < 0.7)
    seam &= edge < FRAME_W - 8
    img = np.where(seam[..., None], img * 0.93, img)

    # inner rim: a rounded darker lip around the page, lit from the top-left
    ix0, iy0, ix1, iy1 = PAGE_X, PAGE_Y, PAGE_X + PAGE_W, PAGE_Y + PAGE_H
    dx = np.maximum(np.maximum(ix0 - x, x - (ix1 - 1)), 0)
    dy = np.maximum(np.maximum(iy0 - y, y - (iy1 - 1)), 0)
    d = np.sqrt(dx * dx + dy * dy)      # distance from the page rectangle
    lip = (d > 0) & (d <= 7)
    inside_top_left = (y < iy0 + (x - ix0)) & (y < iy0 + (ix1 - 1 - x)) | (x < ix0)
    shade_lip = np.where(d <= 2.5, 0.0, np.where(inside_top_left, 0.80, 0.90))
    img = np.where(lip[..., None], img * shade_lip[..., None] + np.array(INK) * (shade_lip == 0)[..., None], img)
    # a soft shadow the lip throws on the wood
    glow = np.clip(1 - (d - 7) / 4.0, 0, 1) * (d > 7)
    img = img * (1 - 0.12 * glow[..., None])

    out = np.clip(np.round(img), 0, 255).astype(np.uint8)
    out[iy0:iy1, ix0:ix1] = PAPER
    return _name_plate(out)


def _name_plate(screen):
    """The cream plate on the bottom strip that the page-name strip is drawn into."""
    x0, y0 = TITLE_X - 7, TITLE_Y - 7
    x1, y1 = TITLE_X + TITLE_W + 7, TITLE_Y + TITLE_H + 7
    region = screen[y0 - 3:y1 + 3, x0 - 3:x1 + 3]
    c = Canvas(region.shape[1], region.shape[0], region)
    c.rrect(4, 5, x1 - x0 + 5, y1 - y0 + 5, 8, fill=(60, 35, 10, 70))
    c.rrect(3, 3, x1 - x0 + 3, y1 - y0 + 3, 8, fill=PLATE, outline=(150, 100, 52), width=2)
    c.line([(8, 5.6), (x1 - x0 - 2, 5.6)], (225, 205, 165), 1.2)
    screen[y0 - 3:y1 + 3, x0 - 3:x1 + 3] = c.result()
    screen[TITLE_Y - 3:TITLE_Y + TITLE_H + 3, TITLE_X - 3:TITLE_X + TITLE_W + 3] = PLATE
    return screen


def cut_top_bottom(screen):
    return np.concatenate([screen[0:FRAME_W], screen[SCREEN_H - FRAME_W:SCREEN_H]], axis=0)


def cut_left_right(screen):
    rows = screen[FRAME_W:SCREEN_H - FRAME_W]
    return np.concatenate([rows[:, 0:FRAME_W], rows[:, SCREEN_W - FRAME_W:SCREEN_W]], axis=1)


def assemble(top_bottom, left_right):
    """The screen as the program draws the frame from the two bitmaps (page area black)."""
    screen = np.zeros((SCREEN_H, SCREEN_W, 3), dtype=np.uint8)
    screen[0:FRAME_W] = top_bottom[0:FRAME_W]
    screen[SCREEN_H - FRAME_W:] = top_bottom[FRAME_W:]
    screen[FRAME_W:SCREEN_H - FRAME_W, 0:FRAME_W] = left_right[:, 0:FRAME_W]
    screen[FRAME_W:SCREEN_H - FRAME_W, SCREEN_W - FRAME_W:] = left_right[:, FRAME_W:]
    return screen
