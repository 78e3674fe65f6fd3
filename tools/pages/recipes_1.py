"""Edition 1: fifty everyday subjects."""
import os

from compose import ART, Page, drop_free, oc, own, sym
from recipe import LineArt, Recipe

MEADOW = (110, 96, 440, 300)     # subject box above the meadow's ground
SEA = (120, 110, 420, 262)



def drawn(name, subject, note):
    """A page drawn wholly by us as one SVG: tools/pages/art/e1_<stem>.svg."""
    ref = "e1_%s.svg" % os.path.splitext(name)[0]

    def draw():
        with open(os.path.join(ART, ref), encoding="utf-8") as f:
            return LineArt(f.read())
    return Recipe(name, subject, "own drawing: tools/pages/art/" + ref, "same as the program", "own drawing",
                  draw, note=note)


PAGES = [
    Page("airplane.col", "propeller airplane", [own("propplane.svg")]),
    Page("alphabet.col", "ABC toy blocks", [own("abcblocks.svg")]),
    drawn("ant.col", "ant walking home to its anthill", "ant: six legs, two feelers, a face; grass and the anthill"),
    Page("art.col", "painter's easel with a picture, a palette and brush", [own("easel.svg", box=(230, 6, 380, 450)), sym(0x1F3A8, box=(20, 250, 260, 190))], thick=30),
    Page("ball.col", "beach ball with a bucket and spade", [oc("recreation/toys/beach_ball_01.svg", box=(50, 40, 390, 390)), own("bucket.svg", box=(396, 214, 200, 226))]),
    Page("basket.col", "basket full of bread, apples and a bottle", [own("basket.svg")]),
    drawn("beetle.col", "stag beetle on a leaf", "beetle: a stag beetle with antler jaws and long wing cases, unlike the round spotted ladybug"),
    Page("bells.col", "three bells", [sym(0x1F514, box=(40, 60, 200, 300)), sym(0x1F514, box=(230, 20, 200, 330)),
                                      sym(0x1F514, box=(450, 80, 170, 280))], thick=30),
    drawn("blocks.col", "toy castle built from wooden blocks", "blocks: cubes, an arch, a plank, two towers with roofs and a ball"),
    Page("bones.col", "dog bones", [own("bones.svg")]),
    drawn("butterfl.col", "butterfly with spotted wings", "butterfl: body and wings apart, antennae with round tips; daisies below"),
    drawn("cake.col", "birthday cake with candles on a cake stand", "cake: two iced layers, four thick candles, two balloons"),
    Page("candles.col", "three candles", [sym(0x1F56F, box=(60, 120, 160, 310)), sym(0x1F56F, box=(240, 30, 180, 400)),
                                         sym(0x1F56F, box=(440, 80, 160, 350))], thick=30),
    drawn("candy.col", "bowl of wrapped sweets and a candy cane", "candy: sweets with twisted wrappers in a striped bowl"),
    Page("christma.col", "Christmas tree", [oc("recreation/holiday/christmas/christmas_tree_01.svg")]),
    Page("clock.col", "alarm clock", [oc("signs_and_symbols/clocks/alarm_clock_mike_powers_.svg")]),
    drawn("collies.col", "two collies, a mother and her pup, by a farm fence", "collies: sitting, seen from the front: white blaze and ruff"),
    Page("design.col", "geometric design", [own("design.svg")]),
    drawn("disks.col", "stacking toy: coloured discs on a peg", "disks: five discs from big to small on a peg, two more on the floor"),
    drawn("dogs.col", "two spotted dogs, a big one and a puppy, at their kennel", "dogs: side view with floppy ears and collars; a bone and a bowl"),
    Page("duck.col", "rubber duck and two little ones on the water", [oc("recreation/toys/rubber_duck1_ganson.svg", box=(40, 120, 300, 256), flip=True),
                                                                    oc("recreation/toys/rubber_duck1_ganson.svg", box=(318, 214, 180, 156), flip=True),
                                                                    oc("recreation/toys/rubber_duck1_ganson.svg", box=(478, 262, 130, 110), flip=True)], scene="scene_sea.svg"),
    Page("egg.col", "two decorated eggs, one in an egg cup", [own("egg_lying.svg", box=(30, 250, 300, 200)), own("egg.svg", box=(230, 10, 380, 440))]),
    Page("flowers.col", "flower in a flowerpot", [own("flowerpot.svg", box=(180, 160, 300, 296)), oc("plants/flowers/flower_01.svg", box=(180, 4, 300, 230))]),
    drawn("football.col", "round football on the pitch, a goal behind", "football: a patched ball rolling across the pitch, the goal and its net far behind"),
    drawn("frog.col", "frog sitting on a lily pad in the pond", "frog: side view with a big eye and a smile; reeds on the bank"),
    Page("gum.col", "gumball machine", [own("gumball.svg")], note="gum: a gumball machine"),
    Page("jackolan.col", "jack-o'-lantern wearing a witch's hat", [oc("food/pumpkin2_yemu_01.svg", box=(140, 150, 380, 306)), own("witchhat.svg", box=(110, 4, 480, 250))], drop_free=70, ahead=24),
    Page("ladybug.col", "ladybug", [own("ladybug.svg")]),
    drawn("lines.col", "washing line with clothes drying", "lines: a washing line between two posts: T-shirt, socks, shorts and a dress"),
    Page("mailbox.col", "mailbox on its post", [own("post.svg", box=(200, 200, 260, 250)), oc("office/mailbox1.svg", box=(100, 6, 460, 260), solid=True)]),
    Page("map.col", "treasure map and a treasure chest", [own("map.svg", box=(124, 6, 530, 370)), own("chest.svg", box=(10, 240, 240, 214))]),
    drawn("numbers.col", "numbers 1 to 5 with counting dots", "numbers: each number over a card with as many dots, none touching"),
    drawn("paint.col", "paint brush dipping into a paint pot", "paint: handle, metal band and bristles; a stroke of paint behind"),
    Page("parrots.col", "parrot", [own("parrot.svg")]),
    Page("pig.col", "pig standing in a mud puddle", [own("pig.svg", box=(110, 90, 440, 300)), own("puddle.svg", box=(30, 326, 600, 100))], scene="scene_meadow.svg"),
    Page("plane.col", "jet plane", [oc("transportation/vehicles/aircraft_jarno_vasamaa4.svg")],
         note="plane: a jet plane (the airplane page shows a propeller plane)"),
    drawn("pteradac.col", "pterodactyl flying over the hills", "pteradac: crested head and long beak, wide wings; a smoking volcano below"),
    drawn("pumpkin.col", "pumpkin on its vine by the fence", "pumpkin: ribbed pumpkin, curved stalk, leaf and curly tendril; a little pumpkin"),
    drawn("sharks.col", "two sharks, a big one and a little one, under the waves", "sharks: seabed from edge to edge, seaweed and rocks"),
    drawn("snow.col", "snowman with a hat and a scarf", "snow: eyes, carrot nose, smile and buttons; a snowy fir tree"),
    Page("spider.col", "spider hanging on its thread", [own("spider.svg", box=(130, 0, 400, 400))], scene="scene_cornerweb.svg"),
    Page("star.col", "star in the night sky", [own("star.svg", box=(150, 60, 360, 340))], scene="scene_night.svg"),
    Page("tank.col", "fish tank on a stand", [own("fishtank.svg", box=(100, 4, 460, 282)), own("tankstand.svg", box=(100, 270, 460, 186))], note="tank: a fish tank (aquarium), not an army tank"),
    drawn("tictacto.col", "tic-tac-toe game on a board", "tictacto: three X's win on the diagonal; a crayon beside the board"),
    Page("tools.col", "tools", [oc("tools/tools_nicu_buculei_01.svg")]),
    drawn("tree.col", "apple tree with a swing", "tree: trunk rooted in the hill, apples in the crown and on the grass"),
    Page("tricerat.col", "triceratops", [own("triceratops.svg")]),
    Page("umbrella.col", "umbrella", [oc("tools/umbrella.svg")]),
    drawn("whale.col", "whale in the sea blowing a spout", "whale: at the surface, smiling; tail flukes up"),
    Page("yard.col", "house with a garden", [], scene="yard.svg"),
]

# Clip art whose shading and fur marks end in open space: strokes up to this many px
# that reach a junction, and loose strokes up to three times as long, are dropped
# (checked page by page; pages whose faces, numbers or antennae would go are not here).
DROP_FREE = {
    "art.col": 40,
    "clock.col": 40,
    "duck.col": 40,
    "jackolan.col": 40,
    "mailbox.col": 40,
    "tools.col": 40,
}
drop_free(PAGES, DROP_FREE)
