#!/usr/bin/python3
"""Builds the editions' colouring pages from their recipes.

Usage: /usr/bin/python3 tools/gen_pages.py [EDITION ...] [--only NAME ...] [--out DIR] [--svg DIR]
                                           [--keep-going]

tools/pages/recipes_N.py holds a recipe for each of edition N's fifty pages: what it shows,
where its art comes from and its drawing (clip art and glyphs composed and traced, or our
own line art, from the installed openclipart-svg and fonts-symbola and the drawings in
tools/pages). For every edition asked for (default: all five) this turns each drawing into
line art, writes the 1-bit page files and CHOICES.tsv (page, subject, source, licence, kind,
note) to editions/N/pages (or DIR/N), then checks the pages written against the quality bar
(tools/pages/quality.py), and each edition's figures when all its pages were written.
Exit status 1 when a page could not be drawn or fails the bar. The same inputs give the
same bytes.
"""
import argparse
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "pages"))
import edition_table  # noqa: E402
import pagefile  # noqa: E402
import quality  # noqa: E402

CHOICES_HEADER = "page\tsubject shown\tsource\tlicence\tkind\tnote\n"


def edition_recipes(edition):
    """The edition's recipes in the order of the program's page list."""
    recipes = {r.name: r for r in importlib.import_module("recipes_%d" % edition).PAGES}
    names = edition_table.page_names(edition)
    if sorted(recipes) != sorted(names):
        sys.exit("edition %d: recipes and page list differ: %s" % (
            edition, ", ".join(sorted(set(recipes) ^ set(names)))))
    return [recipes[n] for n in names]


def write_choices(path, recipes):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(CHOICES_HEADER + "".join("\t".join(r.choices_row()) + "\n" for r in recipes))


def write_edition(edition, out, only, svg_dir, keep_going):
    """Writes the edition's pages; returns (paths written, names that could not be drawn)."""
    os.makedirs(out, exist_ok=True)
    recipes = edition_recipes(edition)
    written, failed = [], []
    for r in recipes:
        if only and r.name not in only and os.path.splitext(r.name)[0] not in only:
            continue
        try:
            drawing = r.drawing()
            lines = drawing.lines()
        except (OSError, ValueError) as e:
            if not keep_going:
                raise
            print("%s: FAILED: %s" % (r.name, e), flush=True)
            failed.append(r.name)
            continue
        if svg_dir and drawing.svg:
            os.makedirs(svg_dir, exist_ok=True)
            with open(os.path.join(svg_dir, os.path.splitext(r.name)[0] + ".svg"), "w", encoding="utf-8") as f:
                f.write(drawing.svg)
        path = os.path.join(out, r.name)
        pagefile.write_page(path, lines, edition)
        written.append(path)
        print(r.name, flush=True)
    write_choices(os.path.join(out, "CHOICES.tsv"), recipes)
    return written, failed


def main(argv):
    ap = argparse.ArgumentParser()
    ap.add_argument("editions", nargs="*", type=int, default=[1, 2, 3, 4, 5])
    ap.add_argument("--only", nargs="*", default=None, help="only these pages (file names or stems)")
    ap.add_argument("--out", default=None, help="write edition N's pages to DIR/N")
    ap.add_argument("--svg", default=None, help="also keep each own line drawing as SVG here")
    ap.add_argument("--keep-going", action="store_true", help="report a page that fails and go on")
    a = ap.parse_args(argv)
    written, failed = [], []
    for ed in a.editions:
        out = os.path.join(a.out, str(ed)) if a.out else edition_table.pages_dir(ed)
        w, f = write_edition(ed, out, a.only, a.svg, a.keep_going)
        written += w
        failed += f
    status = quality.report(written, whole_editions=not a.only and not failed)
    return 1 if failed else status


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
