#!/usr/bin/python3
"""Builds an edition's colouring pages from their recipes.

Usage: /usr/bin/python3 tools/gen_pages.py --edition N [--only NAME ...] [--out DIR]

Reads tools/pages/recipes_N.py, renders each page from the installed art packages
(openclipart-svg, fonts-symbola) and the drawings in tools/pages/art, and writes the
1-bit page files and CHOICES.tsv (page, subject, source, licence, note) to
editions/N/pages (or DIR). The same inputs give the same bytes.
"""
import argparse
import importlib
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "pages"))
import editions  # noqa: E402
import pagefile  # noqa: E402


def write_choices(path, pages):
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("page\tsubject shown\tsource\tlicence\tkind\tnote\n")
        for p in pages:
            f.write("\t".join((p.name, p.subject, p.sources(), p.licences(), p.kind(), p.note)) + "\n")


def main(argv):
    ap = argparse.ArgumentParser()
    ap.add_argument("--edition", type=int, required=True)
    ap.add_argument("--only", nargs="*", default=None)
    ap.add_argument("--out", default=None)
    ap.add_argument("--keep-going", action="store_true", help="report a page that fails and go on")
    a = ap.parse_args(argv)
    recipes = importlib.import_module("recipes_%d" % a.edition)
    names = editions.page_names(a.edition)
    pages = {p.name: p for p in recipes.PAGES}
    unknown = sorted(set(pages) - set(names))
    if unknown:
        sys.exit("recipes for names not in edition %d: %s" % (a.edition, ", ".join(unknown)))
    out = a.out or editions.pages_dir(a.edition)
    os.makedirs(out, exist_ok=True)
    ordered = [pages[n] for n in names if n in pages]
    for p in ordered:
        if a.only and p.name not in a.only and os.path.splitext(p.name)[0] not in a.only:
            continue
        try:
            lines = p.lines()
        except (OSError, ValueError) as e:
            if not a.keep_going:
                raise
            print("%s: FAILED: %s" % (p.name, e), flush=True)
            continue
        pagefile.write_page(os.path.join(out, p.name), lines, a.edition)
        print(p.name, flush=True)
    write_choices(os.path.join(out, "CHOICES.tsv"), ordered)
    missing = [n for n in names if n not in pages]
    if missing:
        print("no recipe yet: " + ", ".join(missing))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
