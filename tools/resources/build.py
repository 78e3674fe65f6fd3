"""Builds every resource file in memory: {path relative to the repository root: bytes}.

Pictures that lie on another picture (buttons and swatches on the frame, the dialog parts
on the wooden card) are painted over the decoded pixels of the bitmap beneath them, and
those background colours are kept exact in their palettes, so nothing shows a seam."""
import numpy as np

from edition_table import load_editions

from . import buttons, cursor, dialogs, edition_art, frame, sounds, swatches, titles
from .fileformats import bmp_bytes, cursor_bytes, icon_bytes, read_bmp, wav_bytes
from .layout import (CARD_SIZE, INFO_BUTTONS, OK_BUTTON, PAGE_BUTTONS, SWATCH_FIRST_BITMAP, SWATCH_SIZE,
                     TEXT_FRAME, swatch_positions)
from .rcfiles import art_rc, shared_rc

SHARED = "editions/shared/"
BITMAPS = SHARED + "bitmaps/"
SOUNDS = SHARED + "sounds/"
CURSOR = SHARED + "EditCursor.cur"

PAGE_BUTTON_LOOKS = {
    "QuitBtn": (buttons.RED, "QUIT", None), "PrintBtn": (buttons.BLUE, "PRINT", None),
    "ClearBtn": (buttons.ORANGE, "CLEAR", None), "InfoBtn": (buttons.GREEN, "INFO", None),
    "UpBtn": (buttons.PURPLE, None, buttons.arrow(-1)), "DownBtn": (buttons.PURPLE, None, buttons.arrow(1)),
}
DIALOG_BUTTON_LOOKS = {"AboutUp": (buttons.BLUE, "ABOUT"), "PrintOptUp": (buttons.ORANGE, "PRINTING OPTIONS"),
                       "DoneBtnUp": (buttons.GREEN, "DONE")}


def _pins(background, limit=180):
    """The most frequent colours of a background, to be kept exact."""
    flat = background.reshape(-1, 3)
    colours, counts = np.unique(flat, axis=0, return_counts=True)
    order = np.lexsort((colours[:, 2], colours[:, 1], colours[:, 0], -counts))
    return [tuple(int(v) for v in colours[i]) for i in order[:limit]]


def _bmp(files, path, rgb, bpp=8, pinned=()):
    files[path] = bmp_bytes(rgb, bpp, pinned)
    return read_bmp(files[path])[3]


def build_shared(files):
    screen_art = frame.full_frame()
    # the name plate must match the title strips' background exactly
    tb = _bmp(files, BITMAPS + "TopBottomBorder.bmp", frame.cut_top_bottom(screen_art), pinned=[titles.PLATE])
    lr = _bmp(files, BITMAPS + "LeftRightBorder.bmp", frame.cut_left_right(screen_art))
    screen = frame.assemble(tb, lr)

    for up, down, x, y, w, h in PAGE_BUTTONS:
        face, label, symbol = PAGE_BUTTON_LOOKS[up]
        back = screen[y:y + h, x:x + w]
        for name, pressed in ((up, False), (down, True)):
            img = buttons.candy_button(back, face, pressed, label, size=17 if w > 90 else 16, symbol=symbol)
            _bmp(files, BITMAPS + name + ".bmp", img, pinned=_pins(back))

    for k, (x, y) in enumerate(swatch_positions()):
        back = screen[y:y + SWATCH_SIZE, x:x + SWATCH_SIZE]
        img = swatches.swatch_bitmap(k, back)
        pins = [swatches.rgb(k + 1)] + _pins(back, 120)
        _bmp(files, BITMAPS + "swatch%d.bmp" % (SWATCH_FIRST_BITMAP + k), img, pinned=pins)

    card = _bmp(files, BITMAPS + "IntroBackGrd.bmp", dialogs.intro_background())
    tf = _bmp(files, BITMAPS + "AboutTextFrame.bmp", dialogs.text_frame(card),
              pinned=_pins(card[TEXT_FRAME[1]:TEXT_FRAME[1] + 20, TEXT_FRAME[0]:TEXT_FRAME[0] + TEXT_FRAME[2]]))
    _bmp(files, BITMAPS + "PrintOptions.bmp", dialogs.print_options(tf), pinned=[dialogs.CREAM])

    for up, down, x, y in INFO_BUTTONS:
        face, label = DIALOG_BUTTON_LOOKS[up]
        back = card[y:y + 46, x:x + 208]
        for name, pressed in ((up, False), (down, True)):
            img = dialogs.dialog_button(card, x, y, face, label, pressed, size=17 if len(label) > 8 else 19)
            _bmp(files, BITMAPS + name + ".bmp", img, pinned=_pins(back))
    x, y, w, h = OK_BUTTON
    for name, pressed in (("OKButtonUp", False), ("OKButtonDown", True)):
        _bmp(files, BITMAPS + name + ".bmp", dialogs.ok_button(card, pressed), pinned=_pins(card[y:y + h, x:x + w]))

    for n in sounds.SOUNDS:
        files[SOUNDS + "sound%d.wav" % n] = wav_bytes(sounds.render(n), sounds.RATE)

    white, opaque = cursor.cursor_masks()
    files[CURSOR] = cursor_bytes(white, opaque, (0, 0))
    files[SHARED + "resources.rc"] = shared_rc().encode("ascii")
    return screen, card


def build_edition(files, number, edition, card):
    art = "editions/%d/art/" % number
    heading = edition["heading"]
    files[art + "IntroScr.bmp"] = bmp_bytes(edition_art.intro_picture(card, heading, number), 24)
    x, y, w, h = edition_art.COPYRIGHT
    _bmp(files, art + "CopyRight.bmp", edition_art.credit_strip(card, heading, number),
         pinned=_pins(card[y:y + h, x:x + w]))
    width = 141 if number == 5 else 140
    _bmp(files, art + "Titles.bmp", titles.titles_bitmap(edition["pages"], number, width))
    tile, shadow = edition_art.dot_tiles(number)
    _bmp(files, art + "DotPattern.bmp", tile, 4 if number <= 3 else 8)
    _bmp(files, art + "DotPatternShadow.bmp", shadow, 4 if number <= 3 else 24)
    files[art + "TWLIcon.ico"] = icon_bytes([edition_art.icon_image(number, 32),
                                             edition_art.icon_image(number, 16)])
    files["editions/%d/art.rc" % number] = art_rc(number).encode("ascii")


def build_all(root):
    """Every generated resource file of the repository at `root`."""
    files = {}
    editions = load_editions(root)
    build_shared(files)
    card = read_bmp(files[BITMAPS + "IntroBackGrd.bmp"])[3]
    assert card.shape[:2] == (CARD_SIZE, CARD_SIZE)
    for number, edition in sorted(editions.items()):
        build_edition(files, number, edition, card)
    return files
