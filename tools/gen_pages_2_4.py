#!/usr/bin/python3
"""Regenerates the pages of edition 2 (dinosaurs) and edition 4 (plants).

Usage: /usr/bin/python3 tools/gen_pages_2_4.py [2|4 ...] [--only STEM,...] [--svg DIR]
Every page is drawn by our own parametric generators (tools/pages/dino,
tools/pages/plants) or converted from public-domain clip art, then written as a
1-bit page file with its CHOICES.tsv row. Same inputs, same bytes.
"""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "pages"))

import editions  # noqa: E402
import pagefile  # noqa: E402
import quality  # noqa: E402


def edition_sources(edition):
    if edition == 2:
        from dino import pages as dino_pages
        return dino_pages.SOURCES
    from plants import pages as plant_pages
    return plant_pages.SOURCES


def main(argv):
    ap = argparse.ArgumentParser()
    ap.add_argument("editions", nargs="*", type=int, default=[2, 4])
    ap.add_argument("--only", default="")
    ap.add_argument("--svg", default="", help="also keep each page's drawing as SVG here")
    args = ap.parse_args(argv)
    only = set(s for s in args.only.split(",") if s)
    bad = 0
    for ed in args.editions:
        sources = edition_sources(ed)
        out_dir = editions.pages_dir(ed)
        os.makedirs(out_dir, exist_ok=True)
        rows = []
        for name in editions.page_names(ed):
            stem = os.path.splitext(name)[0]
            src = sources[stem]
            rows.append("\t".join([name, src.subject, src.source, src.licence, src.kind, src.note]))
            if only and stem not in only:
                continue
            lines, svg = src.make()
            if args.svg and svg:
                os.makedirs(args.svg, exist_ok=True)
                with open(os.path.join(args.svg, stem + ".svg"), "w") as f:
                    f.write(svg)
            path = os.path.join(out_dir, name)
            pagefile.write_page(path, lines, ed)
            fails = quality.failures(quality.measure(lines))
            bad += bool(fails)
            print("%-14s %s" % (name, "ok" if not fails else "FAIL: " + "; ".join(fails)))
        with open(os.path.join(out_dir, "CHOICES.tsv"), "w") as f:
            f.write("page\tsubject shown\tsource\tlicence\tkind\tnote\n" + "\n".join(rows) + "\n")
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
