"""Edition 4: fifty plants, our own drawings, and public-domain clip art where a good one exists."""
import os
from functools import partial

import convert
import numpy as np
import quality
from scipy import ndimage
from skimage.draw import line as draw_line
from dino import raster, scenery
from dino.svgkit import Canvas
from plants import drawings
from recipe import LineArt, Recipe

OPENCLIPART = "/usr/share/openclipart/svg"
OWN_LICENCE = "same as the program"


def _own(stem):
    return lambda: LineArt(drawings.draw(stem).svg())


class ClipOnScene:
    """Clip art traced into lines and fitted into box, in front of our ground line, sun and cloud."""
    svg = None

    def __init__(self, ref, box):
        self.ref, self.box = ref, box

    def lines(self):
        art = convert.svg_to_lines(os.path.join(OPENCLIPART, self.ref), self.box)
        c = Canvas()
        scenery.ground(c, 420, wave=4)
        scenery.sun(c, 585, 65)
        scenery.cloud(c, 110, 60)
        # the scene stops at the art's outline (not short of it), so the ground meets the stems
        behind = ndimage.binary_fill_holes(art) & ~art
        lines = art | (raster.render(c.svg()) & ~behind)
        return raster.tidy(mend_ends(raster.tidy(lines)))


def mend_ends(lines, max_gap=12):
    """Joins every line that stops short of another line (or the page edge) by
    at most max_gap px to it with a 3 px stroke, so the areas on either side
    stay apart. Traced clip art leaves such near misses where its source lines
    stop short."""
    lines = lines.copy()
    for _ in range(3):
        todo = [e for e in quality.line_ends_with_targets(lines) if e[2] <= max_gap]
        if not todo:
            break
        for x, y, _, (tx, ty) in todo:
            rr, cc = draw_line(y, x, min(max(ty, 0), lines.shape[0] - 1), min(max(tx, 0), lines.shape[1] - 1))
            stroke = np.zeros_like(lines)
            stroke[rr, cc] = True
            lines |= ndimage.binary_dilation(stroke, np.ones((3, 3), dtype=bool))
    return lines


CLIP = {
    "daffodil": ("daffodil", "plants/daffodil_jonathan_dietri_01.svg", (170, 20, 320, 420)),
}

NOTES = {
    "apple": "three apples hanging from a branch across the sky, leaves, two clouds",
    "caladium": "big arrow-shaped leaves on stalks in a pot; a watering can",
    "carnatio": "three carnations with ruffled heads and narrow leaves; a butterfly",
    "clover": "clover with three heart-shaped leaflets and round flower heads on a hill; sun, a ladybird",
    "daffodil": "one daffodil with its trumpet and long leaves (clip art traced); sun and cloud",
    "daisies": "three daisies with white petals round a round middle; sun",
    "dogwood": "four-petalled dogwood flowers and oval leaves along a branch; a cloud",
    "fir": "three fir trees of stacked tiers on a hill at night; moon and stars",
    "giantseq": "one huge grooved trunk with a leafy crown, small firs at its feet, on a hill; sun",
    "hibiscus": "one big five-petalled hibiscus flower with its long stamen, leaves, the sea behind; sun",
    "holly": "a holly twig with prickly leaves and a bunch of berries at night; moon and stars",
    "lily": "a tall lily stem with trumpet flowers and buds; a cloud",
    "orange": "an orange with a leaf and a slice showing its segments, on the table",
    "pansies": "pansies with round face-like petals and leaves; sun, a ladybird",
    "pear": "two pears hanging from a branch across the sky; a bird on the branch",
    "poppy": "two poppies with round petals and a round middle on a hill; sun",
    "prickly": "a prickly pear cactus of round pads dotted with spines, a hill behind; sun",
    "redmaple": "a round leafy tree and three falling five-lobed maple leaves; a cloud",
    "saguaro": "a tall saguaro cactus with raised arms and flowers, rocks; sun and cloud",
    "sunflowe": "two sunflowers with big seed middles and ray petals; sun, a bird",
    "tigerlil": "a tiger lily stem with spotted, curled-back flowers; a butterfly",
    "venus": "a Venus flytrap with toothed traps in a pot; sun",
    "alfalfa": "three stems with leaves in threes and purple bunches of pea flowers; a smiling bee; hill",
    "asparagu": "five spears with scaly bud tips and side scales coming up in a raised bed; a snail on the planks",
    "bluebell": "two arching stems with the bells all on one side, strap leaves, between two tree trunks; mushroom, snail",
    "bluebonn": "two spikes of paired pea flowers with a white tip, leaves like open hands; hill, butterfly",
    "chrysant": "two round pompom heads of petal rings in a pot on the doorstep, a pumpkin",
    "fern": "three fronds of paired leaflets and a curled young frond; log, mushroom, snail",
    "foxglove": "one tall spike of long spotted bells, broad leaves at its foot; picket fence, smiling bee and sun",
    "gayfeath": "three tall fluffy purple spikes with grassy leaves on the prairie; butterfly, sun",
    "gladiolu": "two spikes of big ruffled flowers with sword leaves in a bed edged with stones",
    "goldenra": "three arching stems with golden plumes in front of a field fence; bird on the post",
    "iris": "two irises (three standing petals, three falling with a beard), a bud, sword leaves; pond with a frog",
    "japanese": "stem read as Japanese maple (Acer palmatum): a branch of seven-pointed leaves over a pond, koi fish",
    "magnolia": "a magnolia branch with big open flowers and a furry bud in a vase on the table",
    "mountain": "stem read as mountain laurel: balls of cup flowers over rings of leaves, in front of snowy mountains",
    "orchids": "a moth orchid with big flat flowers on an arching stem, in a pot on the windowsill",
    "petunias": "five round trumpet flowers in a window box under a window; a ladybird",
    "poinsett": "a star of pointed leaves round yellow buds, in a pot with a bow; a present on the table",
    "primrose": "five flat flowers of heart-shaped petals over a rosette of leaves; a ladybird",
    "redbud": "a small tree on a hill with bunches of pea flowers on the bare branches and heart-shaped leaves; bird",
    "redwood": "three huge grooved trunks running out of the page, ferns at their feet, a squirrel for size",
    "roses": "three roses (five round petals round a swirl) with toothed leaves; watering can",
    "seaweed": "three kelp stalks with long leaves and round floats; fish, starfish, bubbles",
    "snowflak": "stem read as the snowflake flower (Leucojum): white bells with a dot on every tip in the snow, "
                "under big snow crystals",
    "sycamore": "a tree with patchy bark and prickly seed balls hanging on long strings from a branch; bird",
    "tulips": "three tulips with cup-shaped heads of three petals and broad leaves; a windmill on the hill",
    "violets": "little five-petal flowers nodding over heart-shaped leaves, in a basket",
    "weeping": "a willow with long leafy curtains nearly touching the ground; pond with a duck",
    "whiteoak": "a wide round crown on a sturdy trunk with a swing; squirrel, acorns and an oak leaf",
}

PAGES = [Recipe(stem + ".co4", subject, "own drawing: tools/pages/plants/%s.py (%s)" % (
                    fn.__module__.rsplit(".", 1)[-1], fn.__name__),
                OWN_LICENCE, "own drawing", _own(stem), NOTES.get(stem, ""))
         for stem, (subject, fn) in drawings.DRAWINGS.items()]
PAGES += [Recipe(stem + ".co4", subject, "openclipart-svg: %s; own drawing: ground, sun, cloud" % ref,
                 "public domain; " + OWN_LICENCE, "clip art", partial(ClipOnScene, ref, box),
                 NOTES.get(stem, ""))
          for stem, (subject, ref, box) in CLIP.items()]
