"""Screen and dialog geometry the pictures are painted for (pixels). The screen, the
buttons, the swatches and the intro card are read from the program's own app/ids.h."""
from .idsfile import IdsError, read_ids

IDS, _TABLES = read_ids()

SCREEN_W, SCREEN_H = IDS["SCREEN_W"], IDS["SCREEN_H"]
FRAME_W = IDS["FRAME_W"]
PAGE_X, PAGE_Y, PAGE_W, PAGE_H = IDS["PAGE_X"], IDS["PAGE_Y"], IDS["PAGE_W"], IDS["PAGE_H"]
TITLE_X, TITLE_Y, TITLE_W, TITLE_H = IDS["TITLE_X"], IDS["TITLE_Y"], IDS["TITLE_W"], IDS["TITLE_H"]

# the bitmaps of each page button, released and pressed
_PAGE_BUTTON_BITMAPS = {
    IDS["ID_QUIT"]: ("QuitBtn", "QuitBtnDn"), IDS["ID_PRINT"]: ("PrintBtn", "PrintBtnDn"),
    IDS["ID_CLEAR"]: ("ClearBtn", "ClearBtnDn"), IDS["ID_INFO"]: ("InfoBtn", "InfoBtnDn"),
    IDS["ID_PAGE_UP"]: ("UpBtn", "UpBtnDn"), IDS["ID_PAGE_DOWN"]: ("DownBtn", "DownBtnDn"),
}


def _table(name, row, count):
    rows = _TABLES.get(name, [])
    if len(rows) != count or any(macro != row for macro, _ in rows):
        raise IdsError("app/ids.h: %s must be %d %s rows" % (name, count, row))
    return [values for _, values in rows]


_PAGE_BUTTON_ROWS = _table("PAGE_BUTTON_ROWS", "BUTTON", IDS["PAGE_BUTTON_COUNT"])
if [row[0] for row in _PAGE_BUTTON_ROWS] != list(range(IDS["ID_QUIT"], IDS["ID_QUIT"] + IDS["PAGE_BUTTON_COUNT"])):
    raise IdsError("app/ids.h: the page buttons are not in command-id order")
# page buttons: (released name, pressed name, x, y, w, h), in command-id order
PAGE_BUTTONS = [_PAGE_BUTTON_BITMAPS[i] + (x, y, w, h) for i, x, y, w, h in _PAGE_BUTTON_ROWS]

SWATCH_SIZE = IDS["SWATCH_SIZE"]
SWATCH_COUNT = IDS["SWATCH_COUNT"]
SWATCH_FIRST_BITMAP = IDS["IDB_SWATCH_FIRST"]
WAVE_COUNT = IDS["WAVE_COUNT"]  # wave resources 1 to WAVE_COUNT
_SWATCHES = _table("SWATCH_ROWS", "SWATCH", SWATCH_COUNT)
if [k for k, _, _ in _SWATCHES] != list(range(SWATCH_COUNT)):
    raise IdsError("app/ids.h: the swatch rows are not numbered 0, 1, 2, ... in order")


def swatch_positions():
    """Top-left corner of swatch k (bitmap SWATCH_FIRST_BITMAP + k, colour index k + 1)."""
    return [(x, y) for _, x, y in _SWATCHES]


# the intro card and its contents, screen pixels
CARD_X, CARD_Y, CARD_SIZE = IDS["CARD_X"], IDS["CARD_Y"], IDS["CARD_SIZE"]
INTRO_SCR = (IDS["INTRO_PICTURE_X"], IDS["INTRO_PICTURE_Y"], 332, 212)  # relative to the card
COPYRIGHT = (IDS["INTRO_CREDIT_X"], IDS["INTRO_CREDIT_Y"], 320, 55)
_, _ok_x, _ok_y, _ok_w, _ok_h = _table("INTRO_BUTTON_ROWS", "BUTTON", 1)[0]
OK_BUTTON = (_ok_x - CARD_X, _ok_y - CARD_Y, _ok_w, _ok_h)  # on the card; also in the About and Printing Options dialogs

# dialog contents relative to the 360 x 360 dialog (template units x 2)
INFO_BUTTONS = [("AboutUp", "AboutDown", 78, 70), ("PrintOptUp", "PrintOptDown", 78, 136),
                ("DoneBtnUp", "DoneBtnDown", 78, 248)]
DIALOG_BUTTON_W, DIALOG_BUTTON_H = 208, 46
TEXT_FRAME = (18, 20, 324, 265)
PRINT_OPTIONS = (54, 82, 248, 133)
RADIO_X = 78                          # template x 39
RADIO_TOPS = (106, 140, 174)          # template y 53, 70, 87
RADIO_H = 24                          # template height 12
