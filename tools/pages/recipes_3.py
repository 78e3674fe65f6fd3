"""Edition 3: fifty animals."""
from animals3 import pages as drawn
from animals3 import scenes
from animals3.scenes import ScenePage
from compose import Page, drop_free, oc, own, sym
from recipe import LineArt, Recipe

MEADOW = (110, 96, 440, 300)     # subject box above the meadow's ground

PAGES = [
    Page("BAT.CO3", "bat", [sym(0x1F987)], thick=30),
    Page("BUSHBABY.CO3", "bushbaby on a branch", [own("bushbaby.svg")]),
    Page("BUTTERFL.CO3", "butterfly", [oc("animals/bugs/farfalla_contorno_archit_01.svg")]),
    Page("FROG.CO3", "frog on a lily pad among cattails", [own("cattails.svg", box=(60, 14, 540, 400)), own("frog.svg", box=(130, 150, 400, 290))]),
    Page("GRASSHOP.CO3", "grasshopper", [own("grasshopper.svg")]),
    Page("MOLE.CO3", "mole at its molehill", [], scene="mole.svg"),
    Page("RABBIT.CO3", "rabbit", [oc("animals/mammals/coniglio_architetto_fran_01.svg")]),
    Page("SQUIRREL.CO3", "squirrel", [oc("animals/mammals/cartoon_squirrel_mike_sm1.svg")]),
    ScenePage("TURTLE.CO3", "turtle on the beach", [sym(0x1F422, box=MEADOW, solid=True)], scenery=scenes.beach, thick=30),
    Page("WALRUS.CO3", "walrus swimming, head and tusks out of the water", [own("walrus_swimming.svg", box=(130, 70, 470, 300)),
                                                                          own("water_front.svg", box=(0, 330, 660, 140))],
         scene="scene_sky.svg"),
    Page("WOLF.CO3", "wolf", [oc("animals/mammals/simple_stylized_wolf_he_01.svg")]),
]

# Clip art whose shading and fur marks end in open space: strokes up to this many px
# that reach a junction, and loose strokes up to three times as long, are dropped
# (checked page by page; pages whose faces, numbers or antennae would go are not here).
DROP_FREE = {
    "BUTTERFL.CO3": 40,
    "RABBIT.CO3": 70,
    "SQUIRREL.CO3": 70,
    "WOLF.CO3": 40,
}


def _drawn(stem):
    title, draw, note = drawn.PAGES[stem]
    source = "own drawing: tools/pages/animals3/pages.py (%s)" % stem
    if stem in drawn.KEPT_ART:
        source += "; tools/pages/art/" + drawn.KEPT_ART[stem]
    return Recipe(stem + ".CO3", title, source, "same as the program", "own drawing", lambda: LineArt(draw()), note)


# The pages drawn as our own line art, each with scenery composed for it (tools/pages/animals3).
PAGES += [_drawn(stem) for stem in drawn.PAGES]
drop_free(PAGES, DROP_FREE)
