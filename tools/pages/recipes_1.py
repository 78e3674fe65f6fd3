"""Edition 1: fifty everyday subjects."""
from compose import Page, oc, own, sym

MEADOW = (110, 96, 440, 300)     # subject box above the meadow's ground
SEA = (120, 110, 420, 262)

PAGES = [
    Page("airplane.col", "propeller airplane", [own("propplane.svg")]),
    Page("alphabet.col", "ABC toy blocks", [own("abcblocks.svg")]),
    Page("ant.col", "ant in the grass", [own("ant.svg", box=(100, 100, 460, 306))], scene="scene_meadow.svg"),
    Page("art.col", "painter's easel with a picture, a palette and brush", [own("easel.svg", box=(230, 6, 380, 450)), sym(0x1F3A8, box=(20, 250, 260, 190))], thick=30),
    Page("ball.col", "beach ball with a bucket and spade", [oc("recreation/toys/beach_ball_01.svg", box=(50, 40, 390, 390)), own("bucket.svg", box=(396, 214, 200, 226))]),
    Page("basket.col", "basket full of bread, apples and a bottle", [own("basket.svg")]),
    Page("beetle.col", "beetle", [own("beetle.svg")]),
    Page("bells.col", "three bells", [sym(0x1F514, box=(40, 60, 200, 300)), sym(0x1F514, box=(230, 20, 200, 330)),
                                      sym(0x1F514, box=(450, 80, 170, 280))], thick=30),
    Page("blocks.col", "toy building blocks", [oc("tools/toys/unit_blocks_lion_kimbro_01.svg")]),
    Page("bones.col", "dog bones", [own("bones.svg")]),
    Page("butterfl.col", "butterfly", [sym(0x1F98B)], thick=30),
    Page("cake.col", "birthday cake with candles on a platter", [own("cakestand.svg", box=(20, 330, 620, 100)), sym(0x1F382, box=(150, 40, 360, 300))], thick=30),
    Page("candles.col", "three candles", [sym(0x1F56F, box=(60, 120, 160, 310)), sym(0x1F56F, box=(240, 30, 180, 400)),
                                         sym(0x1F56F, box=(440, 80, 160, 350))], thick=30),
    Page("candy.col", "wrapped sweets", [oc("food/desserts/candy_01.svg")], drop_free=70),
    Page("christma.col", "Christmas tree", [oc("recreation/holiday/christmas/christmas_tree_01.svg")]),
    Page("clock.col", "alarm clock", [oc("signs_and_symbols/clocks/alarm_clock_mike_powers_.svg")]),
    Page("collies.col", "two collies in a meadow", [own("collies.svg", box=(20, 110, 390, 310), flip=True),
                                                 own("collies.svg", box=(410, 230, 236, 180))], scene="scene_meadow.svg"),
    Page("design.col", "geometric design", [own("design.svg")]),
    Page("disks.col", "three floppy disks in a tumbled pile", [own("floppy.svg")]),
    Page("dogs.col", "two dogs in a meadow", [sym(0x1F415, box=(40, 110, 320, 290), solid=True),
                                              sym(0x1F429, box=(380, 130, 230, 270), solid=True)], scene="scene_meadow.svg", thick=30,
         drop_free=70),
    Page("duck.col", "rubber duck and two little ones on the water", [oc("recreation/toys/rubber_duck1_ganson.svg", box=(40, 120, 300, 256), flip=True),
                                                                    oc("recreation/toys/rubber_duck1_ganson.svg", box=(318, 214, 180, 156), flip=True),
                                                                    oc("recreation/toys/rubber_duck1_ganson.svg", box=(478, 262, 130, 110), flip=True)], scene="scene_sea.svg"),
    Page("egg.col", "two decorated eggs, one in an egg cup", [own("egg_lying.svg", box=(30, 250, 300, 200)), own("egg.svg", box=(230, 10, 380, 440))]),
    Page("flowers.col", "flower in a flowerpot", [own("flowerpot.svg", box=(180, 160, 300, 296)), oc("plants/flowers/flower_01.svg", box=(180, 4, 300, 230))]),
    Page("football.col", "football", [sym(0x1F3C8)], thick=30),
    Page("frog.col", "frog in a meadow", [oc("animals/rana01_architetto_france_01.svg", box=MEADOW)], scene="scene_meadow.svg",
         drop_free=70),
    Page("gum.col", "gumball machine", [own("gumball.svg")], note="gum: a gumball machine"),
    Page("jackolan.col", "jack-o'-lantern wearing a witch's hat", [oc("food/pumpkin2_yemu_01.svg", box=(140, 150, 380, 306)), own("witchhat.svg", box=(110, 4, 480, 250))], drop_free=70, ahead=24),
    Page("ladybug.col", "ladybug", [own("ladybug.svg")]),
    Page("lines.col", "pattern of lines: five ribbons", [own("lines.svg")]),
    Page("mailbox.col", "mailbox on its post", [own("post.svg", box=(200, 200, 260, 250)), oc("office/mailbox1.svg", box=(100, 6, 460, 260), solid=True)]),
    Page("map.col", "treasure map and a treasure chest", [own("map.svg", box=(124, 6, 530, 370)), own("chest.svg", box=(10, 240, 240, 214))]),
    Page("numbers.col", "numbers 1 to 5", [own("numbers.svg")]),
    Page("paint.col", "paint brush", [oc("tools/paint_brush_costea_bogda_01.svg")], drop_free=70, ahead=24),
    Page("parrots.col", "parrot", [own("parrot.svg")]),
    Page("pig.col", "pig standing in a mud puddle", [own("pig.svg", box=(110, 90, 440, 300)), own("puddle.svg", box=(30, 326, 600, 100))], scene="scene_meadow.svg"),
    Page("plane.col", "jet plane", [oc("transportation/vehicles/aircraft_jarno_vasamaa4.svg")],
         note="plane: a jet plane (the airplane page shows a propeller plane)"),
    Page("pteradac.col", "pterodactyl flying", [oc("animals/dinosaurs/dino_architetto_francesc_10.svg", box=(140, 96, 430, 290))], scene="scene_meadow.svg"),
    Page("pumpkin.col", "pumpkin on its vine", [own("pumpkinvine.svg", box=(40, 286, 580, 170)), oc("food/zucca_architetto_frances_01.svg", box=(150, 10, 360, 400), solid=True)], drop_free=40, ahead=24),
    Page("sharks.col", "shark", [sym(0x1F988, box=(60, 120, 540, 240), solid=True)], scene="scene_water.svg", thick=30),
    Page("snow.col", "snowman", [oc("recreation/holiday/snowman_01.svg")]),
    Page("spider.col", "spider hanging on its thread", [own("spider.svg", box=(130, 0, 400, 400))], scene="scene_cornerweb.svg"),
    Page("star.col", "star in the night sky", [own("star.svg", box=(150, 60, 360, 340))], scene="scene_night.svg"),
    Page("tank.col", "fish tank on a stand", [own("fishtank.svg", box=(100, 4, 460, 282)), own("tankstand.svg", box=(100, 270, 460, 186))], note="tank: a fish tank (aquarium), not an army tank"),
    Page("tictacto.col", "tic-tac-toe game", [own("tictactoe.svg")]),
    Page("tools.col", "tools", [oc("tools/tools_nicu_buculei_01.svg")]),
    Page("tree.col", "fruit tree", [oc("food/fruit/tree_whit_fruits_01.svg")]),
    Page("tricerat.col", "triceratops", [own("triceratops.svg")]),
    Page("umbrella.col", "umbrella", [oc("tools/umbrella.svg")]),
    Page("whale.col", "whale in the sea", [sym(0x1F40B, box=SEA, solid=True)], scene="scene_sea.svg", thick=30),
    Page("yard.col", "house with a garden", [], scene="yard.svg"),
]

# Clip art whose shading and fur marks end in open space: strokes up to this many px
# that reach a junction, and loose strokes up to three times as long, are dropped
# (checked page by page; pages whose faces, numbers or antennae would go are not here).
DROP_FREE = {
    "art.col": 40,
    "candy.col": 40,
    "clock.col": 40,
    "dogs.col": 40,
    "duck.col": 40,
    "football.col": 40,
    "jackolan.col": 40,
    "mailbox.col": 40,
    "pteradac.col": 40,
    "sharks.col": 40,
    "snow.col": 40,
    "tools.col": 40,
    "whale.col": 40,
}
for _page in PAGES:
    if _page.name in DROP_FREE:
        _page.params.setdefault("drop_free", DROP_FREE[_page.name])
