"""Edition 3: fifty animals."""
from animals3 import pages as drawn
from compose import Page, drop_free, oc, own, sym
from recipe import LineArt, Recipe

MEADOW = (110, 96, 440, 300)     # subject box above the meadow's ground
SEA = (120, 110, 420, 262)
WATER = (70, 40, 520, 370)

PAGES = [
    Page("ALLIGATO.CO3", "alligator in the water", [own("alligator.svg", box=(20, 160, 620, 230))], scene="scene_pool.svg"),
    Page("BABOON.CO3", "baboon in the grass", [oc("animals/mammals/contour_baboon.svg", box=MEADOW)], scene="scene_meadow.svg"),
    Page("BAT.CO3", "bat", [sym(0x1F987)], thick=30),
    Page("BEAR.CO3", "bear", [sym(0x1F43B)], thick=30),
    Page("BIRD.CO3", "bird in a meadow", [sym(0x1F426, box=MEADOW, solid=True)], scene="scene_meadow.svg", thick=30),
    Page("BISON.CO3", "bison and her calf in a meadow", [own("bison.svg", box=(30, 110, 420, 290)), own("bison_calf.svg", box=(440, 226, 200, 164))], scene="scene_meadow.svg"),
    Page("BUSHBABY.CO3", "bushbaby on a branch", [own("bushbaby.svg")]),
    Page("BUTTERFL.CO3", "butterfly", [oc("animals/bugs/farfalla_contorno_archit_01.svg")]),
    Page("CAMEL.CO3", "camel", [oc("unsorted/cammello.svg", box=MEADOW)], scene="scene_meadow.svg"),
    Page("CAT.CO3", "cat", [sym(0x1F408, box=MEADOW, solid=True)], scene="scene_meadow.svg", thick=30),
    Page("CHICKEN.CO3", "rooster", [sym(0x1F413)], thick=30),
    Page("CHIPMUNK.CO3", "chipmunk with an acorn", [own("chipmunk.svg", box=(150, 80, 360, 350))], scene="scene_meadow.svg"),
    Page("COW.CO3", "cow", [oc("animals/mammals/vacca_pezzata_rossa_val_01.svg")]),
    Page("CRAB.CO3", "crab under water", [sym(0x1F980, box=WATER, solid=True)], scene="scene_water.svg"),
    Page("DEER.CO3", "deer (a stag's head with antlers)", [sym(0x1F98C)]),
    Page("DOG.CO3", "dog", [oc("animals/mammals/dog_01_drawn_with_strai_01.svg", box=MEADOW)], scene="scene_meadow.svg"),
    Page("DOLPHIN.CO3", "dolphin jumping from the sea", [sym(0x1F42C, box=SEA, solid=True)], scene="scene_sea.svg", thick=30),
    Page("DUCK.CO3", "duck on the water", [sym(0x1F986, box=SEA, solid=True)], scene="scene_sea.svg", thick=30),
    Page("ELEPHANT.CO3", "elephant trumpeting, trunk raised", [own("elephant.svg", box=(150, 84, 420, 306))], scene="scene_meadow.svg"),
    Page("FOX.CO3", "fox", [oc("animals/mammals/contour_fox.svg", box=MEADOW)], scene="scene_meadow.svg"),
    Page("FROG.CO3", "frog on a lily pad among cattails", [own("cattails.svg", box=(60, 14, 540, 400)), own("frog.svg", box=(130, 150, 400, 290))]),
    Page("GIRAFFE.CO3", "giraffe", [own("giraffe.svg", box=(262, 6, 360, 416))], scene="scene_meadow.svg"),
    Page("GOAT.CO3", "goat", [sym(0x1F410, box=MEADOW, solid=True)], scene="scene_meadow.svg", thick=30),
    Page("GRASSHOP.CO3", "grasshopper", [own("grasshopper.svg")]),
    Page("HEDGEHOG.CO3", "hedgehog carrying an apple", [own("hedgehog.svg", box=(110, 100, 440, 286))], scene="scene_meadow.svg"),
    Page("HIPPOPOT.CO3", "hippopotamus yawning in a pool", [own("hippo_yawning.svg", box=(140, 40, 460, 380)),
                                                           own("water_front.svg", box=(0, 330, 660, 140))],
         scene="scene_sky.svg"),
    Page("HORSE.CO3", "horse", [oc("animals/mammals/horses/cavallo_architetto_franc_02.svg")]),
    Page("KANGAROO.CO3", "kangaroo", [own("kangaroo.svg")]),
    Page("KIWI.CO3", "kiwi bird striding along", [own("kiwi_striding.svg", box=(150, 104, 380, 282))], scene="scene_meadow.svg",
         note="KIWI: the bird, not the fruit"),
    Page("LEMMING.CO3", "lemming standing up on a rock", [own("lemming_standing.svg")]),
    Page("LION.CO3", "lion in a meadow", [own("lion.svg", box=(70, 96, 520, 330))], scene="scene_meadow.svg"),
    Page("MOLE.CO3", "mole at its molehill", [], scene="mole.svg"),
    Page("MOUSE.CO3", "mouse", [sym(0x1F401)], thick=30),
    Page("MUSKOX.CO3", "musk ox", [own("muskox.svg", box=(80, 110, 500, 320))], scene="scene_meadow.svg"),
    Page("OSTRICH.CO3", "ostrich", [oc("unsorted/struzzo.svg", box=(200, 20, 260, 390))], scene="scene_meadow.svg"),
    Page("OWL.CO3", "owl perched on a branch", [sym(0x1F989, box=(170, 10, 320, 340)), own("branch.svg", box=(40, 300, 580, 92))], thick=30),
    Page("PENGUIN.CO3", "penguin on an ice floe", [oc("animals/birds/new_penguin_charles_mcco_01.svg", box=(200, 10, 260, 340)), own("floe.svg", box=(90, 330, 480, 100))]),
    Page("PIG.CO3", "pig sitting in a meadow", [own("pig_sitting.svg", box=(170, 40, 320, 340))], scene="scene_meadow.svg"),
    Page("RABBIT.CO3", "rabbit", [oc("animals/mammals/coniglio_architetto_fran_01.svg")]),
    Page("RHINOCER.CO3", "rhinoceros resting in a meadow", [own("rhino_resting.svg", box=(80, 150, 500, 240))], scene="scene_meadow.svg"),
    Page("SANDDOLL.CO3", "sand dollars and shells on the sea floor", [own("sanddollar.svg", box=(0, 0, 660, 460))]),
    Page("SEAHORSE.CO3", "seahorse", [oc("animals/fish/seahorse.svg", box=WATER)], scene="scene_water.svg"),
    Page("SEALION.CO3", "sea lion balancing a ball", [own("sealion.svg", box=(170, 14, 320, 426))], scene="scene_sea.svg",
         note="SEALION: drawn, as the clip art first listed for it shows a walrus"),
    Page("SNAIL.CO3", "snail", [own("snail.svg")]),
    Page("SQUIRREL.CO3", "squirrel", [oc("animals/mammals/cartoon_squirrel_mike_sm1.svg")]),
    Page("TIGER.CO3", "tiger in a meadow", [own("tiger.svg", box=(70, 90, 520, 340))], scene="scene_meadow.svg"),
    Page("TURTLE.CO3", "turtle", [sym(0x1F422, box=MEADOW, solid=True)], scene="scene_meadow.svg", thick=30),
    Page("WALRUS.CO3", "walrus swimming, head and tusks out of the water", [own("walrus_swimming.svg", box=(130, 70, 470, 300)),
                                                                          own("water_front.svg", box=(0, 330, 660, 140))],
         scene="scene_sky.svg"),
    Page("WEASEL.CO3", "weasel", [own("weasel.svg", box=(0, 40, 660, 420))]),
    Page("WOLF.CO3", "wolf", [oc("animals/mammals/simple_stylized_wolf_he_01.svg")]),
]

# Clip art whose shading and fur marks end in open space: strokes up to this many px
# that reach a junction, and loose strokes up to three times as long, are dropped
# (checked page by page; pages whose faces, numbers or antennae would go are not here).
DROP_FREE = {
    "BABOON.CO3": 40,
    "BEAR.CO3": 40,
    "BIRD.CO3": 70,
    "BUTTERFL.CO3": 40,
    "CAT.CO3": 40,
    "CHICKEN.CO3": 70,
    "COW.CO3": 70,
    "CRAB.CO3": 40,
    "DEER.CO3": 40,
    "DOG.CO3": 70,
    "DOLPHIN.CO3": 40,
    "DUCK.CO3": 40,
    "GOAT.CO3": 70,
    "HORSE.CO3": 70,
    "MOUSE.CO3": 70,
    "OWL.CO3": 40,
    "PENGUIN.CO3": 40,
    "RABBIT.CO3": 70,
    "SEAHORSE.CO3": 40,
    "SQUIRREL.CO3": 70,
    "WOLF.CO3": 40,
}


def _drawn(stem):
    title, draw, note = drawn.PAGES[stem]
    return Recipe(stem + ".CO3", title, "own drawing: tools/pages/animals3/pages.py (%s)" % draw.__name__,
                  "same as the program", "own drawing", lambda: LineArt(draw()), note)


# Pages redrawn as our own line art, each with its own scenery, replace their composed recipes.
PAGES = [_drawn(p.name[:-4]) if p.name[:-4] in drawn.PAGES else p for p in PAGES]
drop_free([p for p in PAGES if isinstance(p, Page)], DROP_FREE)
