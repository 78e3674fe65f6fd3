"""Screen and dialog geometry the pictures are painted for (pixels)."""
SCREEN_W, SCREEN_H = 800, 600
BORDER = 70
PAGE_X, PAGE_Y, PAGE_W, PAGE_H = 70, 70, 660, 460
TITLE_X, TITLE_Y, TITLE_W, TITLE_H = 330, 561, 140, 10

# page buttons: (released name, pressed name, x, y, w, h)
PAGE_BUTTONS = [
    ("QuitBtn", "QuitBtnDn", 12, 12, 96, 45),
    ("PrintBtn", "PrintBtnDn", 318, 12, 79, 45),
    ("ClearBtn", "ClearBtnDn", 403, 12, 79, 45),
    ("InfoBtn", "InfoBtnDn", 692, 12, 96, 45),
    ("UpBtn", "UpBtnDn", 267, 543, 53, 45),
    ("DownBtn", "DownBtnDn", 480, 543, 53, 45),
]

SWATCH_SIZE = 45


def swatch_positions():
    """Top-left corner of swatch k (k = 0..35, bitmap 101 + k, colour index k + 1)."""
    pos = [(x, 12) for x in (114, 165, 216, 267)]
    pos += [(x, 12) for x in (488, 539, 590, 641)]
    pos += [(x, 543) for x in (62, 114, 165, 216)]
    pos += [(x, 543) for x in (539, 590, 641, 692)]
    ys = (84, 135, 186, 237, 288, 339, 390, 441, 492, 543)
    pos += [(12, y) for y in ys]
    pos += [(743, y) for y in ys]
    return pos


# the intro card and its contents, screen pixels
CARD_X, CARD_Y, CARD_SIZE = 216, 120, 360
INTRO_SCR = (14, 14, 332, 212)        # relative to the card
COPYRIGHT = (19, 234, 320, 55)
OK_BUTTON = (128, 300, 96, 46)        # also in the About and Printing Options dialogs

# dialog contents relative to the 360 x 360 dialog (template units x 2)
INFO_BUTTONS = [("AboutUp", "AboutDown", 78, 70), ("PrintOptUp", "PrintOptDown", 78, 136),
                ("DoneBtnUp", "DoneBtnDown", 78, 248)]
DIALOG_BUTTON_W, DIALOG_BUTTON_H = 208, 46
TEXT_FRAME = (18, 20, 324, 265)
PRINT_OPTIONS = (54, 82, 248, 133)
RADIO_X = 78                          # template x 39
RADIO_TOPS = (106, 140, 174)          # template y 53, 70, 87
RADIO_H = 24                          # template height 12
