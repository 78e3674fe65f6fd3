"""The wooden card behind the intro and the dialogs, the light text frame, the
printing-options panel, and the dialog buttons."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from . import buttons
from .draw import ARIAL, ARIAL_BOLD, INK, Canvas
from .frame import wood
from .layout import (DIALOG_BUTTON_H, DIALOG_BUTTON_W, OK_BUTTON, PRINT_OPTIONS, RADIO_H,
                     RADIO_TOPS, RADIO_X, TEXT_FRAME)

CARD = 360
CREAM = (255, 250, 236)
FRAME_EDGE = (176, 118, 58)


def intro_background():
    """360 x 360 honey-coloured wood with a bevelled edge."""
    img = wood(CARD, CARD, 31, True, ring=9.0, contrast=1.4, light=(232, 178, 108), dark=(192, 128, 62))
    y, x = np.mgrid[0:CARD, 0:CARD]
    edge = np.minimum(np.minimum(x, y), np.minimum(CARD - 1 - x, CARD - 1 - y))
    lit = (x + y) < (CARD - 1)
    t = np.clip(1 - edge / 6.0, 0, 1)[..., None]
    img = np.where(lit[..., None], img + (255 - img) * 0.45 * t, img * (1 - 0.35 * t))
    img = np.where((edge == 0)[..., None], np.array([110, 66, 28], dtype=float), img)
    # a groove a little inside the edge
    groove = (edge == 9)
    img = np.where(groove[..., None], img * 0.82, img)
    img = np.where((edge == 10)[..., None], img + (255 - img) * 0.25, img)
    return np.clip(np.round(img), 0, 255).astype(np.uint8)


def text_frame(card):
    """The light rounded frame painted at (18, 20); card is the wood it lies on."""
    x, y, w, h = TEXT_FRAME
    c = Canvas(w, h, card[y:y + h, x:x + w])
    c.rrect(3, 4, w, h, 18, fill=(70, 35, 5, 80))
    c.rrect(0, 0, w - 3, h - 4, 18, fill=CREAM, outline=FRAME_EDGE, width=3)
    c.rrect(6, 6, w - 9, h - 10, 13, outline=(240, 214, 170), width=2)
    return c.result()


def print_options(frame):
    """The panel painted at (54, 82): a titled frame with a label beside each radio button."""
    x, y, w, h = PRINT_OPTIONS
    fx, fy = x - TEXT_FRAME[0], y - TEXT_FRAME[1]
    base = frame[fy:fy + h, fx:fx + w]
    c = Canvas(w, h, base)
    c.rrect(2, 9, w - 2, h - 2, 10, outline=FRAME_EDGE, width=2)
    img = Image.fromarray(c.result())
    d = ImageDraw.Draw(img)
    title_font = ImageFont.truetype(ARIAL_BOLD, 15)
    title = "Printing Options"
    tw = title_font.getlength(title)
    d.rectangle([12, 2, 12 + tw + 10, 17], fill=CREAM)
    d.text((17, 10), title, font=title_font, fill=(150, 72, 18), anchor="lm")
    bold = ImageFont.truetype(ARIAL_BOLD, 13)
    plain = ImageFont.truetype(ARIAL, 13)
    labels = [("Default", ""), ("Alternate 1", " (if Default fails)"),
              ("Alternate 2", " (if all else fails)")]
    label_x = RADIO_X - x + 19          # just right of the radio button's circle
    for top, (strong, rest) in zip(RADIO_TOPS, labels):
        cy = top - y + RADIO_H / 2
        d.text((label_x, cy), strong, font=bold, fill=INK, anchor="lm")
        d.text((label_x + bold.getlength(strong), cy), rest, font=plain, fill=INK, anchor="lm")
        if label_x + bold.getlength(strong) + plain.getlength(rest) > w - 6:
            raise ValueError("label %r does not fit the panel" % (strong + rest))
    return np.asarray(img, dtype=np.uint8).copy()


def dialog_button(card, x, y, face, label, pressed, w=DIALOG_BUTTON_W, h=DIALOG_BUTTON_H, size=18):
    return buttons.candy_button(card[y:y + h, x:x + w], face, pressed, label, size=size, radius=13)


def ok_button(card, pressed):
    x, y, w, h = OK_BUTTON
    return dialog_button(card, x, y, buttons.GREEN, "OK", pressed, w, h, size=20)
