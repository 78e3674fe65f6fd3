"""The page-name strips: one 10-row strip per page, dark letters on the cream name plate
of the bottom frame. Strip k + 1 names page index k; strip 0 stays empty."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from edition_table import stem

from .draw import BOLD, INK

PLATE = (255, 246, 220)   # the name plate's colour on the frame
STRIP_H = 10
BASELINE = 8
WIDTH = 140
LETTER_GAP = 1   # clear columns between two letters' ink
WORD_GAP = 3

# Page files have 8.3 names; these are the words the child sees for the cut-short ones.
FULL_WORDS = {
    "butterfl": "butterfly", "christma": "Christmas", "jackolan": "jack-o'-lantern",
    "pteradac": "pterodactyl", "tictacto": "tic-tac-toe", "tricerat": "triceratops",
    "albertos": "albertosaurus", "allosaur": "allosaurus", "anatosau": "anatosaurus",
    "ankylosa": "ankylosaurus", "apatosau": "apatosaurus", "barosaur": "barosaurus",
    "brachios": "brachiosaurus", "camarasa": "camarasaurus", "ceratosa": "ceratosaurus",
    "chasmosa": "chasmosaurus", "coelophy": "coelophysis", "compsogn": "compsognathus",
    "corythos": "corythosaurus", "deinonyc": "deinonychus", "dilophos": "dilophosaurus",
    "diplodoc": "diplodocus", "dryosaur": "dryosaurus", "dryptosa": "dryptosaurus",
    "euoploce": "euoplocephalus", "gallimim": "gallimimus", "hylaeosa": "hylaeosaurus",
    "hypsilop": "hypsilophodon", "iguanodo": "iguanodon", "kentrosa": "kentrosaurus",
    "mamenchi": "mamenchisaurus", "megalosa": "megalosaurus", "monoclon": "monoclonius",
    "mussauru": "mussaurus", "ornithol": "ornitholestes", "ornithom": "ornithomimus",
    "ouranosa": "ouranosaurus", "pachycep": "pachycephalosaurus", "pachyrhi": "pachyrhinosaurus",
    "parasaur": "parasaurolophus", "pentacer": "pentaceratops", "pinacosa": "pinacosaurus",
    "plateosa": "plateosaurus", "protocer": "protoceratops", "psittaco": "psittacosaurus",
    "rhoetosa": "rhoetosaurus", "saltasau": "saltasaurus", "saurolop": "saurolophus",
    "spinosau": "spinosaurus", "stegosau": "stegosaurus", "styracos": "styracosaurus",
    "tyrannos": "tyrannosaurus", "velocira": "velociraptor", "zephyros": "zephyrosaurus",
    "alligato": "alligator", "grasshop": "grasshopper", "hippopot": "hippopotamus",
    "muskox": "musk ox", "rhinocer": "rhinoceros", "sanddoll": "sand dollar", "sealion": "sea lion",
    "asparagu": "asparagus", "bluebonn": "bluebonnet", "carnatio": "carnation",
    "chrysant": "chrysanthemum", "gayfeath": "gayfeather", "giantseq": "giant sequoia",
    "gladiolu": "gladiolus", "goldenra": "goldenrod", "japanese": "Japanese maple",
    "mountain": "mountain laurel", "poinsett": "poinsettia", "prickly": "prickly pear",
    "redmaple": "red maple", "snowflak": "snowflake", "sunflowe": "sunflower",
    "tigerlil": "tiger lily", "venus": "Venus flytrap", "weeping": "weeping willow",
    "whiteoak": "white oak", "a_train": "the Alphabet Train", "iron_ar": "iron",
    "vegetabl": "vegetables", "toothbru": "toothbrush", "xray_xyz": "x-ray", "zip_xyz": "zipper",
    "sax": "saxophone",
}


# The alphabet's last letter page holds two letters, so its name gives both words.
TWO_LETTERS = {"zip_xyz": "Y for Yo-yo, Z for Zipper"}


def display_name(page_name, edition):
    """The words shown for a page: the file's stem written out in full, capitalised."""
    s = stem(page_name).lower()
    if edition == 5 and s in TWO_LETTERS:
        return TWO_LETTERS[s]
    words = FULL_WORDS.get(s, s.replace("_", " "))
    words = words[0].upper() + words[1:]
    if edition == 5 and s not in ("a_train", "caboose"):
        words = "%s is for %s" % (s[0].upper(), words)
    return words


def strip_font():
    return ImageFont.truetype(BOLD, 10)


def _glyph(font, char):
    """One character's crisp ink at this size: (mask rows x columns, left column of the
    ink relative to the pen, advance). The mask is None for a character with no ink."""
    img = Image.new("1", (STRIP_H * 4, STRIP_H), 0)
    ImageDraw.Draw(img).text((STRIP_H, BASELINE), char, font=font, fill=1, anchor="ls")
    ink = np.asarray(img, dtype=bool)
    cols = np.flatnonzero(ink.any(axis=0))
    if not len(cols):
        return None, 0, font.getlength(char)
    return ink[:, cols[0]:cols[-1] + 1], int(cols[0]) - STRIP_H, font.getlength(char)


def layout_line(text, font):
    """Places the letters as a pixel font does: one clear column between the ink of two
    neighbours, three for a space. The font's own fractional advances, rounded to whole
    pixels, leave some pairs touching at this size ("rn" reads as "m", "rh" as "h") and
    others two columns apart. Returns [(left column of the ink, mask)], the first at 0."""
    placed, x = [], 0
    for char in text:
        mask, _, _ = _glyph(font, char)
        if mask is None:
            x += WORD_GAP - LETTER_GAP
            continue
        placed.append((x, mask))
        x += mask.shape[1] + LETTER_GAP
    return placed


def titles_bitmap(pages, edition, width=WIDTH):
    """The Titles bitmap: (51 * 10) rows; text is centred in the first 140 columns."""
    out = np.empty((STRIP_H * (len(pages) + 1), width, 3), dtype=np.uint8)
    out[:] = PLATE
    f = strip_font()
    for k, name in enumerate(pages):
        text = display_name(name, edition)
        placed = layout_line(text, f)
        ink_width = max(x + mask.shape[1] for x, mask in placed)
        if ink_width > WIDTH - 4:
            raise ValueError("page name %r does not fit its strip" % text)
        left = (WIDTH - ink_width) // 2
        strip = out[STRIP_H * (k + 1):STRIP_H * (k + 2)]
        for x, mask in placed:
            strip[:, left + x:left + x + mask.shape[1]][mask] = INK
    return out
