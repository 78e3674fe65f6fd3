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
    alpha_page("alligato.co5", "alligator with a big grin", "A", "e5_alligato.svg",
               note="alligato: lying on the bank, mouth open in a grin, bumps on its back, tail curling up"),
    alpha("bubbles.co5", "bubbles", "B", [own("bubbles.svg")]),
    alpha("bird.co5", "bird on a branch", "B", [own("bird.svg")]),
    alpha("clown.co5", "clown", "C", [sym(0x1F921)], thick=30),
    alpha("clock.co5", "clock", "C", [own("clock.svg")]),
    alpha("duck.co5", "duck", "D", [own("duck.svg")]),
    alpha_page("dinosaur.co5", "dinosaur with a long neck", "D", "e5_dinosaur.svg",
               note="dinosaur: a friendly long-necked dinosaur walking, big spots on its back"),
    alpha_page("elf.co5", "elf", "E", "e5_elf.svg",
               note="elf: pointed hat with a pompom, pointed ears, a smile, curly-toed shoes"),
    alpha("egg.co5", "painted egg", "E", [own("egg.svg")]),
    alpha_page("flowers.co5", "a bunch of flowers", "F", "e5_flowers.svg",
               note="flowers: a daisy, a tulip and a round flower tied with a bow"),
    alpha("frog.co5", "frog", "F", [own("frog.svg")]),
    alpha_page("goat.co5", "goat", "G", "e5_goat.svg",
               note="goat: standing, with curved horns, floppy ears, a beard and a smile"),
    alpha("ghost.co5", "ghost", "G", [sym(0x1F47B)], thick=30),
    alpha("hippo.co5", "hippo in the water", "H", [own("hippo.svg", box=(220, 100, 426, 300))], scene="scene_waves.svg"),
    alpha("horse.co5", "horse", "H", [own("horse.svg")]),
    alpha_page("iron_ar.co5", "clothes iron on an ironing board", "I", "e5_iron_ar.svg",
               note="iron_ar: a clothes iron standing flat on its board, with a puff of steam and its plug"),
    alpha("insect.co5", "insect (bee)", "I", [own("bee.svg")]),
    alpha_page("jackal.co5", "jackal, a wild dog", "J", "e5_jackal.svg",
               note="jackal: sitting, with tall ears, a long muzzle and a bushy tail"),
    alpha("jewels.co5", "jewels", "J", [own("jewels.svg")]),
    alpha_page("kangaroo.co5", "kangaroo with her joey", "K", "e5_kangaroo.svg",
               note="kangaroo: mother standing on her big feet and tail, the joey peeping from the pouch"),
    alpha_page("king.co5", "king", "K", "e5_king.svg",
               note="king: crown with jewels, a big beard and a smile, a robe and a sceptre"),
    alpha("ladybugs.co5", "ladybugs", "L", [own("ladybug.svg", box=(220, 10, 290, 250)), own("ladybug.svg", box=(380, 190, 266, 256))]),
    alpha("lizard.co5", "lizard", "L", [own("lizard.svg")]),
    alpha("monster.co5", "monster", "M", [sym(0x1F47E)], thick=30),
    alpha_page("mouse.co5", "mouse with a piece of cheese", "M", "e5_mouse.svg",
               note="mouse: sitting up with round ears, hugging a wedge of cheese, curly tail"),
    alpha("newt.co5", "newt", "N", [own("newt.svg")]),
    alpha("night.co5", "night", "N", [own("night.svg")]),
    alpha("owl.co5", "owl", "O", [sym(0x1F989)], thick=30),
    alpha_page("octopus.co5", "octopus with eight arms", "O", "e5_octopus.svg",
               note="octopus: a smiling round head and all eight curling arms"),
    alpha("pig.co5", "pig", "P", [own("pig.svg")]),
    alpha_page("penguin.co5", "penguin in a scarf", "P", "e5_penguin.svg",
               note="penguin: standing, white face and tummy, orange beak, a woolly scarf"),
    alpha("quill.co5", "quill pen", "Q", [oc("office/feather.svg")]),
    alpha_page("queen.co5", "queen", "Q", "e5_queen.svg",
               note="queen: a tiara, long hair, a smile and a long gown with a heart"),
    alpha("rainbow.co5", "rainbow on two clouds", "R", [own("rainbow.svg")]),
    alpha("rhino.co5", "rhino", "R", [own("rhino.svg")]),
    alpha_page("sax.co5", "saxophone", "S", "e5_sax.svg",
               note="sax: mouthpiece, keys and an upturned bell; two music notes"),
    alpha_page("scorpion.co5", "scorpion", "S", "e5_scorpion.svg",
               note="scorpion: side view, pincers forward, eight legs, tail arched over its back with the stinger"),
    alpha("turtle.co5", "turtle", "T", [sym(0x1F422)], thick=30),
    alpha("toothbru.co5", "toothbrush", "T", [oc("tools/toothbrush_and_paste_ganson.svg")]),
    alpha("umbrella.co5", "umbrella", "U", [oc("tools/umbrella.svg")]),
    alpha("unicorn.co5", "unicorn", "U", [own("unicorn.svg")]),
    alpha_page("vegetabl.co5", "vegetables: carrot, tomato and peas", "V", "e5_vegetabl.svg",
               note="vegetabl: a carrot with its leaves, a tomato and an open pea pod, side by side"),
    alpha_page("violin.co5", "violin and its bow", "V", "e5_violin.svg",
               note="violin: standing up, fingerboard in one piece, scroll and pegs; the bow behind"),
    alpha_page("witch.co5", "witch with her broom", "W", "e5_witch.svg",
               note="witch: a tall bent hat, a smile, a belted dress and a broom in her hand"),
    alpha("wings.co5", "wings", "W", [own("wings.svg")]),
    alpha("xray_xyz.co5", "x-ray of a hand", "X", [own("xray.svg")],
          note="xray_xyz: the X page shows an x-ray, as its title says"),
    own_page("zip_xyz.co5", "Y and Z: a yo-yo for Y and a zipper for Z",
             [("Y", (8, 60, 156, 340)), ("Z", (330, 60, 150, 340))],
             [("e5_yoyo.svg", (166, 14, 160, 432)), ("e5_zip.svg", (486, 14, 164, 432))],
             note="zip_xyz: the last letter page holds Y and Z, each letter beside its picture: a yo-yo and a zipper"),
    alpha("caboose.co5", "caboose", "C", [own("caboose.svg")], note="caboose: the last car of the alphabet train"),
]

# Clip art whose shading and fur marks end in open space: strokes up to this many px
# that reach a junction, and loose strokes up to three times as long, are dropped
# (checked page by page; pages whose faces, numbers or antennae would go are not here).
DROP_FREE = {
    "toothbru.co5": 70,
    "ghost.co5": 70,
    "a_train.co5": 40,
    "clown.co5": 40,
    "owl.co5": 40,
    "quill.co5": 40,
}
drop_free(PAGES, DROP_FREE)
