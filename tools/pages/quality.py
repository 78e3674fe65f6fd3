#!/usr/bin/python3
"""Quality bar for colouring pages.

Usage: /usr/bin/python3 tools/pages/quality.py [--complete] [page files...]
Without files, checks every page file under editions/*/pages. Prints one row per
page and exits 1 if any page fails (with --complete, also if an edition folder
lacks any of its fifty pages).

A page passes when: it is a valid 1-bit page of its edition (signature, headers,
size, page-clean flag 0) that the program can load; its outlines are 2 to 4 px wide
(median); 4-connected and 8-connected paper-area counts are equal (a fill cannot
leak through a diagonal); no paper area is under 30 px; at least 6 areas have
150 px or more; line pixels are 2 % to 35 % of the page; no area covers more
than 92 % of the page.
"""
import glob
import os
import struct
import sys

import numpy as np
from scipy import ndimage as ndi
from skimage import morphology

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import editions  # noqa: E402
import pagefile  # noqa: E402

FOUR = ndi.generate_binary_structure(2, 1)
EIGHT = np.ones((3, 3), dtype=bool)

MIN_WIDTH, MAX_WIDTH = 2.0, 4.0
MIN_AREA = 30
FILLABLE = 150
MIN_FILLABLE = 6
MIN_INK, MAX_INK = 0.02, 0.35
MAX_SHARE = 0.92


def edition_of(path):
    """Edition number from the file extension (.col, .CO2, .CO3, .co4, .co5)."""
    ext = os.path.splitext(path)[1].lower()
    return {".col": 1, ".co2": 2, ".co3": 3, ".co4": 4, ".co5": 5}.get(ext)


def format_problems(data, edition):
    problems = []
    if len(data) < pagefile.PIXEL_OFFSET:
        return ["shorter than the 1078 bytes the program reads as headers"]
    sig = data[:2]
    if edition and sig != pagefile.SIGNATURES[edition]:
        problems.append("signature %r, edition %d wants %r" % (sig, edition, pagefile.SIGNATURES[edition]))
    size, clean, _, off = struct.unpack_from("<IHHI", data, 2)
    bisize, w, h, planes, bits, comp = struct.unpack_from("<IiiHHI", data, 14)
    if clean != 0:
        problems.append("page-clean flag %d" % clean)
    if (bisize, w, h) != (40, pagefile.WIDTH, pagefile.HEIGHT):
        problems.append("header %d, %d x %d" % (bisize, w, h))
    if (planes, bits, comp) != (1, 1, 0):
        problems.append("planes %d, %d bpp, compression %d (want a 1-bit line drawing)" % (planes, bits, comp))
    if size != len(data):
        problems.append("bfSize %d but file has %d bytes" % (size, len(data)))
    if off < 14 + 40 + 8 or off + pagefile.ROW_BYTES * pagefile.HEIGHT > len(data):
        problems.append("pixel offset %d does not fit the file" % off)
    return problems


def measure(lines):
    """Figures of one page: lines is bool (460, 660), True = line."""
    paper = ~lines
    lab4, n4 = ndi.label(paper, FOUR)
    _, n8 = ndi.label(paper, EIGHT)
    sizes = np.bincount(lab4.ravel())[1:] if n4 else np.zeros(0, int)
    skel = morphology.skeletonize(lines)
    dt = ndi.distance_transform_edt(lines)
    widths = 2 * dt[skel] - 1
    return dict(
        width=float(np.median(widths)) if widths.size else 0.0,
        areas4=int(n4), areas8=int(n8),
        smallest=int(sizes.min()) if sizes.size else 0,
        fillable=int((sizes >= FILLABLE).sum()),
        ink=float(lines.mean()),
        largest=float(sizes.max() / lines.size) if sizes.size else 0.0,
    )


def failures(m):
    out = []
    if not MIN_WIDTH <= m["width"] <= MAX_WIDTH:
        out.append("outline width %.1f" % m["width"])
    if m["areas4"] != m["areas8"]:
        out.append("diagonal leak (%d vs %d areas)" % (m["areas4"], m["areas8"]))
    if m["smallest"] < MIN_AREA:
        out.append("area of %d px" % m["smallest"])
    if m["fillable"] < MIN_FILLABLE:
        out.append("only %d fillable areas" % m["fillable"])
    if not MIN_INK <= m["ink"] <= MAX_INK:
        out.append("line share %.1f%%" % (100 * m["ink"]))
    if m["largest"] > MAX_SHARE:
        out.append("one area covers %.0f%%" % (100 * m["largest"]))
    return out


def check_file(path):
    """Returns (figures or None, list of failures)."""
    with open(path, "rb") as f:
        data = f.read()
    problems = format_problems(data, edition_of(path))
    if edition_of(path) is None:
        problems.append("unknown page extension")
    try:
        _, _, lines = pagefile.decode_page(data)
    except ValueError as e:
        return None, problems + [str(e)]
    m = measure(lines)
    return m, problems + failures(m)


def default_files(complete):
    files, missing = [], []
    for d in sorted(glob.glob(os.path.join(editions.REPO, "editions", "*", "pages"))):
        ed = int(os.path.basename(os.path.dirname(d)))
        names = editions.page_names(ed)
        present = [n for n in names if os.path.exists(os.path.join(d, n))]
        files += [os.path.join(d, n) for n in present]
        strays = sorted(set(os.listdir(d)) - set(names) - {"CHOICES.tsv"})
        missing += ["%s: not a page name of edition %d" % (s, ed) for s in strays]
        if complete:
            missing += ["%s: missing" % os.path.join(d, n) for n in names if n not in present]
    return files, missing


def main(argv):
    complete = "--complete" in argv
    paths = [a for a in argv if not a.startswith("--")]
    extra = []
    if not paths:
        paths, extra = default_files(complete)
    bad = 0
    print("%-14s %5s %6s %6s %6s %6s %6s %6s  %s" % ("page", "width", "areas", "small", "fill", "ink%", "max%", "ed", "result"))
    for p in paths:
        m, fails = check_file(p)
        name = os.path.basename(p)
        if m is None:
            print("%-14s %s" % (name, "FAIL: " + "; ".join(fails)))
        else:
            print("%-14s %5.1f %6d %6d %6d %6.1f %6.1f %6s  %s" % (
                name, m["width"], m["areas4"], m["smallest"], m["fillable"], 100 * m["ink"],
                100 * m["largest"], edition_of(p), "ok" if not fails else "FAIL: " + "; ".join(fails)))
        bad += bool(fails)
    for e in extra:
        print("FAIL: " + e)
    print("%d page(s) checked, %d failed%s" % (len(paths), bad, ", %d folder problem(s)" % len(extra) if extra else ""))
    return 1 if bad or extra or not paths else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
