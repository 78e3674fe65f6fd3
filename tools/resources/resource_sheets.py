"""Contact sheets and mock screens (PNG) for looking at the generated resources."""
import os

import numpy as np
from PIL import Image, ImageDraw, ImageFont

from .draw import BOLD, SANS
from .fileformats import read_bmp, read_wav
from .frame import assemble
from .layout import (CARD_SIZE, CARD_X, CARD_Y, COPYRIGHT, INFO_BUTTONS, INTRO_SCR, OK_BUTTON,
                     PAGE_BUTTONS, PAGE_H, PAGE_W, PAGE_X, PAGE_Y, PRINT_OPTIONS, RADIO_H, RADIO_TOPS,
                     RADIO_X, SWATCH_SIZE, TEXT_FRAME, TITLE_H, TITLE_W, TITLE_X, TITLE_Y,
                     swatch_positions)
from .rcfiles import EDITION_BITMAPS, SHARED_BITMAPS

BG = (250, 250, 246)


def _bitmap(files, path):
    return read_bmp(files[path])[3]


def _shared(files, name):
    return _bitmap(files, "editions/shared/bitmaps/%s.bmp" % name)


def _art(files, n, name):
    return _bitmap(files, "editions/%d/art/%s.bmp" % (n, name))


def _put(screen, img, x, y):
    h, w = img.shape[:2]
    screen[y:y + h, x:x + w] = img


def colouring_screen(files, edition, selected=1, pressed=None, page=0):
    """The colouring screen as the program composes it, with a blank page."""
    screen = assemble(_shared(files, "TopBottomBorder"), _shared(files, "LeftRightBorder"))
    screen[PAGE_Y:PAGE_Y + PAGE_H, PAGE_X:PAGE_X + PAGE_W] = (0xEF, 0xEF, 0xEF)
    titles = _art(files, edition, "Titles")
    strip = titles[(page + 1) * TITLE_H:(page + 2) * TITLE_H, :TITLE_W]
    _put(screen, strip, TITLE_X, TITLE_Y)
    for i, (up, down, x, y, w, h) in enumerate(PAGE_BUTTONS):
        _put(screen, _shared(files, down if i == pressed else up), x, y)
    for k, (x, y) in enumerate(swatch_positions()):
        sw = _shared(files, "swatch%d" % (101 + k))
        _put(screen, sw[SWATCH_SIZE:] if k == selected else sw[:SWATCH_SIZE], x, y)
    return screen


def intro_screen(files, edition, ok_pressed=False):
    screen = np.zeros((600, 800, 3), dtype=np.uint8)
    dot, shadow = _art(files, edition, "DotPattern"), _art(files, edition, "DotPatternShadow")
    for y in range(0, 600, 8):
        for x in range(0, 800, 8):
            screen[y:y + 8, x:x + 8] = dot
    for y in range(128, 481, 8):
        screen[y:y + 8, 576:584] = shadow
    for x in range(224, 569, 8):
        screen[480:488, x:x + 8] = shadow
    _put(screen, _shared(files, "IntroBackGrd"), CARD_X, CARD_Y)
    _put(screen, _art(files, edition, "IntroScr"), CARD_X + INTRO_SCR[0], CARD_Y + INTRO_SCR[1])
    _put(screen, _art(files, edition, "CopyRight"), CARD_X + COPYRIGHT[0], CARD_Y + COPYRIGHT[1])
    _put(screen, _shared(files, "OKButtonDown" if ok_pressed else "OKButtonUp"),
         CARD_X + OK_BUTTON[0], CARD_Y + OK_BUTTON[1])
    return screen


def _radio(img, x, y, checked):
    d = ImageDraw.Draw(img)
    d.ellipse([x, y, x + 12, y + 12], fill=(255, 255, 255), outline=(90, 90, 90))
    if checked:
        d.ellipse([x + 4, y + 4, x + 8, y + 8], fill=(0, 0, 0))


def dialogs_sheet(files):
    """The Info dialog, the About box's background and the Printing Options dialog side by side."""
    card = _shared(files, "IntroBackGrd")
    out = Image.new("RGB", (3 * CARD_SIZE + 40, CARD_SIZE + 20), BG)
    info = card.copy()
    for i, (up, down, x, y) in enumerate(INFO_BUTTONS):
        _put(info, _shared(files, down if i == 1 else up), x, y)
    about = card.copy()
    _put(about, _shared(files, "AboutTextFrame"), TEXT_FRAME[0], TEXT_FRAME[1])
    _put(about, _shared(files, "OKButtonUp"), OK_BUTTON[0], OK_BUTTON[1])
    opts = about.copy()
    _put(opts, _shared(files, "PrintOptions"), PRINT_OPTIONS[0], PRINT_OPTIONS[1])
    opts_img = Image.fromarray(opts)
    for i, top in enumerate(RADIO_TOPS):
        _radio(opts_img, RADIO_X, top + (RADIO_H - 13) // 2, i == 0)
    for i, img in enumerate((Image.fromarray(info), Image.fromarray(about), opts_img)):
        out.paste(img, (10 + i * (CARD_SIZE + 10), 10))
    return np.asarray(out)


def _wave_plot(samples, w, h):
    img = Image.new("RGB", (w, h), (255, 255, 255))
    d = ImageDraw.Draw(img)
    d.line([(0, h // 2), (w, h // 2)], fill=(200, 200, 200))
    x = samples.astype(float) / 32768
    step = max(1, len(x) // w)
    for i in range(min(w, len(x) // step)):
        seg = x[i * step:(i + 1) * step]
        d.line([(i, h / 2 - seg.max() * h / 2), (i, h / 2 - seg.min() * h / 2)], fill=(40, 90, 200))
    return img


class Sheet:
    """Lays out labelled images left to right in rows."""

    def __init__(self, width):
        self.width, self.items, self.x, self.y, self.row_h = width, [], 10, 10, 0
        self.label_font = ImageFont.truetype(SANS, 11)

    def add(self, img, label, zoom=1):
        if not isinstance(img, Image.Image):
            img = Image.fromarray(np.asarray(img, dtype=np.uint8))
        if zoom != 1:
            img = img.resize((int(img.width * zoom), int(img.height * zoom)), Image.Resampling.NEAREST
                             if zoom > 1 else Image.Resampling.BOX)
        if self.x + img.width > self.width - 10:
            self.newline()
        self.items.append((img, label, self.x, self.y))
        self.x += max(img.width, int(self.label_font.getlength(label))) + 14
        self.row_h = max(self.row_h, img.height + 16)

    def newline(self):
        self.x, self.y, self.row_h = 10, self.y + self.row_h + 6, 0

    def heading(self, text):
        self.newline()
        self.items.append((None, text, self.x, self.y))
        self.y += 22

    def render(self):
        self.newline()
        out = Image.new("RGB", (self.width, self.y + 4), BG)
        d = ImageDraw.Draw(out)
        bold = ImageFont.truetype(BOLD, 15)
        for img, label, x, y in self.items:
            if img is None:
                d.text((x, y), label, font=bold, fill=(40, 40, 40))
                continue
            out.paste(img, (x, y))
            d.text((x, y + img.height + 2), label, font=self.label_font, fill=(70, 70, 70))
        return out


def edition_sheet(files, n):
    s = Sheet(1200)
    s.heading("Tintwell edition %d: every resource of the program" % n)
    for name in EDITION_BITMAPS[:2]:
        s.add(_art(files, n, name), name)
    s.add(_art(files, n, "DotPattern"), "DotPattern x6", 6)
    s.add(_art(files, n, "DotPatternShadow"), "DotPatternShadow x6", 6)
    icon = _icon_preview(files["editions/%d/art/TWLIcon.ico" % n])
    s.add(icon, "TWLIcon x3", 3)
    titles = _art(files, n, "Titles")
    for part in range(3):
        s.add(titles[part * 170:(part + 1) * 170], "Titles rows %d-%d" % (part * 170, part * 170 + 169))
    s.heading("Frame (half size) and page buttons")
    s.add(_shared(files, "TopBottomBorder"), "TopBottomBorder", 0.5)
    s.add(_shared(files, "LeftRightBorder"), "LeftRightBorder", 0.5)
    for name in SHARED_BITMAPS[2:14]:
        s.add(_shared(files, name), name)
    s.heading("Dialogs")
    for name in SHARED_BITMAPS[14:22]:
        s.add(_shared(files, name), name)
    for name in SHARED_BITMAPS[22:]:
        s.add(_shared(files, name), name, 0.5 if name == "IntroBackGrd" else 1)
    s.heading("Swatches 101-136 (upper half unselected, lower half selected)")
    for k in range(36):
        s.add(_shared(files, "swatch%d" % (101 + k)), str(101 + k))
    s.heading("EditCursor (x4, grey = transparent, hot spot marked red) and the wave sounds")
    s.add(_cursor_preview(files["editions/shared/EditCursor.cur"]), "EditCursor x4", 4)
    for k in range(1, 9):
        samples = read_wav(files["editions/shared/sounds/sound%d.wav" % k])[4]
        s.add(_wave_plot(samples, 130, 50), "sound %d, %d ms" % (k, round(len(samples) / 22.05)))
    return np.asarray(s.render())


def titles_sheet(files):
    """All 250 page-name strips at three times their size, one column per edition, for
    reading every title letter by letter."""
    zoom, gap = 3, 12
    columns = [_art(files, n, "Titles")[TITLE_H:, :TITLE_W] for n in range(1, 6)]
    out = Image.new("RGB", (5 * (TITLE_W * zoom + gap) + gap, 50 * TITLE_H * zoom + 2 * gap + 14), BG)
    d = ImageDraw.Draw(out)
    for n, strips in enumerate(columns):
        x = gap + n * (TITLE_W * zoom + gap)
        d.text((x, gap // 2), "Edition %d" % (n + 1), font=ImageFont.truetype(BOLD, 12), fill=(40, 40, 40))
        img = Image.fromarray(strips).resize((TITLE_W * zoom, strips.shape[0] * zoom), Image.Resampling.NEAREST)
        out.paste(img, (x, gap + 14))
    return np.asarray(out)


def _icon_preview(data):
    """The first (32 x 32) image of an .ico drawn over light grey."""
    import struct
    offset = struct.unpack_from("<I", data, 18)[0]
    w = struct.unpack_from("<i", data, offset + 4)[0]
    bpp = struct.unpack_from("<H", data, offset + 14)[0]
    pal = np.frombuffer(data, np.uint8, 4 * (1 << bpp), offset + 40).reshape(-1, 4)[:, [2, 1, 0]]
    pos = offset + 40 + 4 * (1 << bpp)
    stride, mstride = ((w * bpp + 31) // 32) * 4, ((w + 31) // 32) * 4
    out = np.zeros((w, w, 3), np.uint8)
    for y in range(w):
        row = np.frombuffer(data, np.uint8, stride, pos + (w - 1 - y) * stride)
        mrow = np.unpackbits(np.frombuffer(data, np.uint8, mstride, pos + w * stride + (w - 1 - y) * mstride))
        out[y] = np.where(mrow[:w, None] == 1, (200, 200, 200), pal[row[:w]])
    return out


def _cursor_preview(data):
    w = 32
    pos = 22 + 40 + 8
    out = np.zeros((w, w, 3), np.uint8)
    for y in range(w):
        xor = np.unpackbits(np.frombuffer(data, np.uint8, 4, pos + (w - 1 - y) * 4))
        andm = np.unpackbits(np.frombuffer(data, np.uint8, 4, pos + w * 4 + (w - 1 - y) * 4))
        out[y] = np.where(andm[:, None] == 1, (190, 190, 190), np.where(xor[:, None] == 1, 255, 0))
    out[0, 0] = (255, 0, 0)
    return out


def _save(arr, path):
    img = Image.fromarray(np.asarray(arr, dtype=np.uint8)).quantize(colors=256, method=Image.Quantize.MEDIANCUT,
                                                                     dither=Image.Dither.NONE)
    img.save(path, optimize=True)
    return path


def write_sheets(files, root, out_dir):
    os.makedirs(out_dir, exist_ok=True)
    paths = [_save(colouring_screen(files, 1), os.path.join(out_dir, "colouring-screen.png")),
             _save(dialogs_sheet(files), os.path.join(out_dir, "dialogs.png")),
             _save(titles_sheet(files), os.path.join(out_dir, "titles.png"))]
    for n in range(1, 6):
        paths.append(_save(intro_screen(files, n), os.path.join(out_dir, "intro-%d.png" % n)))
        paths.append(_save(edition_sheet(files, n), os.path.join(out_dir, "edition-%d.png" % n)))
    return paths
