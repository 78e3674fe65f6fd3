"""The page-name strips: one 10-row strip per page, dark letters on the cream name plate
of the bottom frame. Strip k + 1 names page index k; strip 0 stays empty."""
import numpy as np
from PIL import Image, ImageDraw, ImageFont

from .draw import BOLD, INK
from .editions import stem

PLATE = (255, 246, 220)   # the name plate's colour on the frame
STRIP_H = 10
BASELINE = 8
WIDTH = 140

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


def display_name(page_name, edition):
    """The words shown for a page: the file's stem written out in full, capitalised."""
    s = stem(page_name).lower()
    words = FULL_WORDS.get(s, s.replace("_", " "))
    words = words[0].upper() + words[1:]
    if edition == 5 and s not in ("a_train", "caboose"):
        words = "%s is for %s" % (s[0].upper(), words)
    return words


def strip_font():
    return ImageFont.truetype(BOLD, 10)


def titles_bitmap(pages, edition, width=WIDTH):
    """The Titles bitmap: (51 * 10) rows; text is centred in the first 140 columns."""
    img = Image.new("RGB", (width, STRIP_H * (len(pages) + 1)), PLATE)
    d = ImageDraw.Draw(img)
    d.fontmode = "1"   # crisp one-colour letters: antialiasing blurs 7-pixel capitals
    f = strip_font()
    for k, name in enumerate(pages):
        text = display_name(name, edition)
        if f.getlength(text) > WIDTH - 2:
            raise ValueError("page name %r does not fit its strip" % text)
        d.text((WIDTH // 2, STRIP_H * (k + 1) + BASELINE), text, font=f, fill=INK, anchor="ms")
    return np.asarray(img, dtype=np.uint8).copy()
