"""Edition 2: fifty dinosaurs, one parametric drawing of ours per genus."""
from dino import genera
from dino.notes import NOTES
from recipe import LineArt, Recipe


def _drawing(stem):
    return lambda: LineArt(genera.page_svg(stem)[1])


PAGES = [Recipe(stem + ".CO2", name, "own drawing: tools/pages/dino/genera.py (%s)" % stem,
                "same as the program", "own drawing", _drawing(stem), NOTES[stem])
         for stem, (name, _) in genera.GENERA.items()]
