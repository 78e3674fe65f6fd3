"""Edition 5: the alphabet train. Every page shows its picture beside its big hollow letter."""
from alpha5 import alpha_page, own_page
from compose import Page, drop_free, letter, oc, own, sym

LETTER_BOX = (14, 70, 190, 320)
PICTURE_BOX = (216, 14, 430, 432)


def alpha(name, subject, ch, layers, **kw):
    """A letter page: the capital on the left, the picture layers on the right."""
    placed = [l if l.box else _at(l, PICTURE_BOX) for l in layers]
    return Page(name, "%s: %s" % (ch, subject), [letter(ch, box=LETTER_BOX)] + placed, **kw)


def _at(layer, box):
    layer.box = box
    return layer


PAGES = [
    alpha("a_train.co5", "train", "A", [oc("recreation/toys/kiddy_train_orlando_kara_.svg")],
          note="a_train: a toy train (the A page of the alphabet train)"),
    alpha("apples.co5", "apples", "A", [oc("food/fruit/another_apple_01.svg", box=(226, 30, 200, 190)),
                                        oc("food/fruit/another_apple_01.svg", box=(436, 40, 200, 190)),
                                        oc("food/fruit/another_apple_01.svg", box=(330, 236, 210, 200))]),
    alpha("alligato.co5", "alligator in the water", "A", [own("alligator.svg", box=(220, 200, 426, 186))],
          scene="scene_waves.svg"),
    alpha("bubbles.co5", "bubbles", "B", [own("bubbles.svg")]),
    alpha("bird.co5", "bird on a branch", "B", [own("bird.svg")]),
    alpha("clown.co5", "clown", "C", [sym(0x1F921)], thick=30),
    alpha("clock.co5", "clock", "C", [own("clock.svg")]),
    alpha("duck.co5", "duck", "D", [own("duck.svg")]),
    alpha("dinosaur.co5", "dinosaur", "D", [oc("animals/dinosaurs/dino_architetto_francesc_08.svg")]),
    alpha("elf.co5", "elf", "E", [sym(0x1F9DD, box=(216, 40, 430, 432))], thick=30),
    alpha("egg.co5", "painted egg", "E", [own("egg.svg")]),
    alpha("flowers.co5", "flowers", "F", [oc("plants/flowers/tulips_ganson.svg")]),
    alpha("frog.co5", "frog", "F", [own("frog.svg")]),
    alpha("goat.co5", "goat", "G", [sym(0x1F410)], thick=30),
    alpha("ghost.co5", "ghost", "G", [sym(0x1F47B)], thick=30),
    alpha("hippo.co5", "hippo in the water", "H", [own("hippo.svg", box=(220, 100, 426, 300))], scene="scene_waves.svg"),
    alpha("horse.co5", "horse", "H", [own("horse.svg")]),
    alpha_page("iron_ar.co5", "clothes iron on an ironing board", "I", "e5_iron_ar.svg",
               note="iron_ar: a clothes iron standing flat on its board, with a puff of steam and its plug"),
    alpha("insect.co5", "insect (bee)", "I", [own("bee.svg")]),
    alpha_page("jackal.co5", "jackal, a wild dog", "J", "e5_jackal.svg",
               note="jackal: sitting, with tall ears, a long muzzle and a bushy tail"),
    alpha("jewels.co5", "jewels", "J", [own("jewels.svg")]),
    alpha("kangaroo.co5", "kangaroo", "K", [own("kangaroo.svg")]),
    alpha("king.co5", "king", "K", [oc("people/card_figure_king_nicu_r.svg")]),
    alpha("ladybugs.co5", "ladybugs", "L", [own("ladybug.svg", box=(220, 10, 290, 250)), own("ladybug.svg", box=(380, 190, 266, 256))]),
    alpha("lizard.co5", "lizard", "L", [own("lizard.svg")]),
    alpha("monster.co5", "monster", "M", [sym(0x1F47E)], thick=30),
    alpha("mouse.co5", "mouse", "M", [sym(0x1F401)], thick=30),
    alpha("newt.co5", "newt", "N", [own("newt.svg")]),
    alpha("night.co5", "night", "N", [own("night.svg")]),
    alpha("owl.co5", "owl", "O", [sym(0x1F989)], thick=30),
    alpha("octopus.co5", "octopus", "O", [own("octopus.svg")]),
    alpha("pig.co5", "pig", "P", [own("pig.svg")]),
    alpha("penguin.co5", "penguin", "P", [sym(0x1F427)], thick=30),
    alpha("quill.co5", "quill pen", "Q", [oc("office/feather.svg")]),
    alpha("queen.co5", "queen", "Q", [oc("people/card_figure_queen_nic_r.svg")]),
    alpha("rainbow.co5", "rainbow on two clouds", "R", [own("rainbow.svg")]),
    alpha("rhino.co5", "rhino", "R", [own("rhino.svg")]),
    alpha("sax.co5", "saxophone", "S", [own("sax.svg")]),
    alpha("scorpion.co5", "scorpion", "S", [own("scorpion.svg")]),
    alpha("turtle.co5", "turtle", "T", [sym(0x1F422)], thick=30),
    alpha("toothbru.co5", "toothbrush", "T", [oc("tools/toothbrush_and_paste_ganson.svg")]),
    alpha("umbrella.co5", "umbrella", "U", [oc("tools/umbrella.svg")]),
    alpha("unicorn.co5", "unicorn", "U", [own("unicorn.svg")]),
    alpha("vegetabl.co5", "vegetables: carrot, tomato, pea pod, broccoli, mushroom", "V", [own("vegetables.svg")]),
    alpha("violin.co5", "violin", "V", [oc("recreation/music/violin_ganson.svg")]),
    alpha("witch.co5", "witch", "W", [own("witch.svg")]),
    alpha("wings.co5", "wings", "W", [own("wings.svg")]),
    alpha("xray_xyz.co5", "x-ray of a hand", "X", [own("xray.svg")],
          note="xray_xyz: the X page shows an x-ray, as its title says"),
    Page("zip_xyz.co5", "Y and Z: a yo-yo and a zipper",
         [letter("Y", box=(14, 20, 190, 200)), letter("Z", box=(14, 240, 190, 200)),
          own("yoyo.svg", box=(236, 0, 200, 420)), own("zip.svg", box=(450, 0, 200, 446))],
         note="zip_xyz: the last letter page holds Y and Z: a yo-yo for Y, and a zipper as its title says"),
    alpha("caboose.co5", "caboose", "C", [own("caboose.svg")], note="caboose: the last car of the alphabet train"),
]

# Clip art whose shading and fur marks end in open space: strokes up to this many px
# that reach a junction, and loose strokes up to three times as long, are dropped
# (checked page by page; pages whose faces, numbers or antennae would go are not here).
DROP_FREE = {
    "violin.co5": 70,
    "toothbru.co5": 70,
    "ghost.co5": 70,
    "a_train.co5": 40,
    "clown.co5": 40,
    "dinosaur.co5": 40,
    "goat.co5": 70,
    "mouse.co5": 70,
    "owl.co5": 40,
    "penguin.co5": 40,
    "quill.co5": 40,
}
drop_free(PAGES, DROP_FREE)
