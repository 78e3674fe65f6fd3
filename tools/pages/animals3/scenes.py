"""Scenery of its own for the animal pages of edition 3 whose animal is one of our older drawings
(tools/pages/art) or a glyph, so no two pages share one stamped meadow. Each function gives
the scenery's parts, drawn behind the animal."""
import convert
from compose import Page, knock_out_background, make_solid
from recipe import Traced

from .kit import (bush, circle, cloud, ellipse, ground, hill, line, moon, mountain, p, pine, reed,
                  rock, round_tree, scene, shell, star, stem_flower, sun, tubes, tuft, wave_line)


class ScenePage(Page):
    """A composed page whose scenery is SVG text from this module rather than a file."""

    def __init__(self, name, subject, layers, scenery, note="", **params):
        super().__init__(name, subject, layers, scene=None, note=note, **params)
        self.scenery = scenery
        self.source = self.source + "; own drawing: tools/pages/animals3/scenes.py (%s)" % scenery.__name__

    def drawing(self):
        canvas = convert.blank_canvas()
        sc = convert.render_svg(scene(*self.scenery()), convert.WIDTH * convert.SCALE)
        canvas = convert.paste(canvas, sc[:canvas.shape[0], :canvas.shape[1]], 0, 0)
        for layer in self.layers:
            x, y, w, h = layer.box or convert.PAGE_BOX
            rgba = convert.render_fitted(layer.svg(), w, h)
            if layer.flip:
                rgba = rgba[:, ::-1].copy()
            if layer.knockout:
                rgba = knock_out_background(rgba)
            if layer.solid:
                rgba = make_solid(rgba)
            canvas = convert.paste(canvas, rgba, x, y)
        return Traced(canvas, self.params)


def acorn(x, y):
    return ellipse(x, y, 12, 15) + p("M%g %g h28 a14 10 0 0 0 -28 0z" % (x - 14, y - 8))


def acacia(x, y, h):
    """A flat-topped savanna tree: a forked trunk under a wide, bumpy crown."""
    top = y - h
    return (tubes(("M%g %g Q%g %g %g %g" % (x, y + 4, x + 4, top + 120, x - 16, top + 40), 24)) +
            p("M%g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %g C%g %g %g %g %g %gZ" % (
                x - 110, top + 44, x - 120, top + 20, x - 80, top, x - 50, top + 8,
                x - 30, top - 16, x + 20, top - 16, x + 40, top + 2,
                x + 70, top - 10, x + 120, top + 10, x + 110, top + 44,
                x + 60, top + 54, x - 60, top + 54, x - 110, top + 44)))


def forest_floor():
    """Chipmunk: an oak at the left, a tree stump, toadstools and fallen leaves."""
    return (
        round_tree(70, 400, 330, 150), cloud(470, 70, 0.8),
        ground([(150, 404), (380, 410), (560, 402)]),
        p("M530 404 V350 C530 340 610 340 610 350 V404Z"), ellipse(570, 350, 40, 10),
        p("M160 404 v-22 h12 v22z"), p("M140 384 Q166 350 192 384z"),
        tuft(480, 440), tuft(240, 448), tuft(600, 446),
    )


def waterhole():
    """Elephant: far hills, a flat-topped tree and a waterhole."""
    return (
        sun(80, 70, 30),
        hill(-80, 260, 330, 250), hill(420, 740, 330, 270),
        ground([(150, 392), (380, 398), (560, 390)]),
        acacia(600, 392, 190),
        ellipse(110, 426, 100, 22),
        tuft(250, 440), tuft(560, 436),
    )


def tall_tree():
    """Giraffe: a tall tree to reach into, bushes and a cloud."""
    return (
        cloud(90, 80, 0.9), cloud(230, 140, 0.6),
        ground([(150, 420), (380, 426), (560, 418)]),
        tubes(("M120 420 Q116 300 130 200", 26), ("M126 260 Q170 230 200 200", 14)),
        p("M30 210 C10 170 60 140 100 150 C110 100 200 96 220 140 C260 130 290 170 260 200 C250 220 60 230 30 210Z"),
        bush(70, 424, 110, 60), tuft(230, 444), tuft(300, 452),
    )


def garden():
    """Hedgehog: a garden with an apple tree, flowers and fallen apples."""
    return (
        cloud(330, 60, 0.7),
        ground([(150, 392), (380, 398), (560, 390)]),
        bush(70, 396, 150, 90), bush(610, 396, 100, 70), circle(560, 434, 16), tuft(200, 440), tuft(420, 446),
    )


def fern(x, y, h, lean):
    """A fern frond: a stem with leaflet pairs (closed shapes)."""
    out = tubes(("M%g %g Q%g %g %g %g" % (x, y + 4, x + lean * 0.3, y - h * 0.5, x + lean, y - h), 8))
    for i in range(1, 5):
        t = i / 5.0
        cx, cy = x + lean * t * t, y - h * t
        out += ellipse(cx - 24, cy, 22, 8, 20) + ellipse(cx + 24, cy, 22, 8, -20)
    return out


def night_bush():
    """Kiwi: night in the bush, moon and stars, ferns."""
    return (
        circle(560, 80, 40), star(100, 60, 20), star(400, 50, 18),
        ground([(150, 400), (380, 406), (560, 398)]),
        fern(60, 400, 200, 30), fern(610, 400, 180, -30),
        rock(560, 430, 60, 26), tuft(120, 440), tuft(380, 446),
    )


def savanna_rock():
    """Lion: a big rock behind, grass and a low sun."""
    return (
        sun(430, 64, 30),
        p("M-20 330 C30 230 120 190 220 210 C260 218 280 250 300 330Z"),
        ground([(150, 414), (380, 420), (560, 412)]),
        tuft(40, 440), tuft(620, 436), tuft(330, 450),
    )


def farmyard():
    """Pig: a barn and a mud puddle."""
    return (
        p("M-20 396 V200 L60 140 L140 200 V396Z"), p("M30 396 v-90 h70 v90z"), line("M30 306 L100 396 M100 306 L30 396"),
        cloud(520, 80, 0.9),
        ground([(150, 396), (380, 402), (560, 394)]),
        p("M360 430 C360 410 460 404 560 412 C640 418 640 446 560 450 C460 454 360 450 360 430Z"),
        bush(620, 398, 90, 60), tuft(160, 440),
    )


def river_bank():
    """Rhinoceros: resting by a river with a bird overhead."""
    return (
        cloud(120, 90, 0.8), cloud(470, 70, 0.6),
        hill(-80, 300, 380, 300), hill(400, 740, 380, 320),
        ground([(150, 404), (380, 410), (560, 402)]),
        p(wave_line(440, 5, 90) + " L680 500 L-20 500Z"),
    )


def beach():
    """Turtle: the beach, the sea behind, shells in the sand."""
    return (
        sun(560, 70, 32), cloud(90, 80, 0.8),
        p(wave_line(220, 7, 100) + " L680 500 L-20 500Z"),
        ground([(150, 270), (380, 276), (560, 268)]),
        line("M60 246 q14 -6 28 0 M560 248 q14 -6 28 0"),
        shell(60, 430, 1.3), shell(610, 420, 1.2), rock(600, 300, 70, 26),
    )


def after_rain():
    """Snail: the grass, a tall flower and a cloud."""
    return (
        cloud(30, 90, 1.0),
        ground([(150, 424), (380, 430), (560, 422)]),
        stem_flower(44, 424, 190, 14), tuft(300, 450), tuft(560, 450),
    )
