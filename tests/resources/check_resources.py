#!/usr/bin/python3
"""Checks the committed resource files of all five editions.

1. Regenerating them (tools/gen_resources.py) reproduces every committed byte, and no
   committed file is left over that the generator no longer makes.
2. Every bitmap has the size and bit depth the program expects; swatches show their colours;
   the title strips are there and every letter in them stands apart from its neighbours;
   the cursor, icons and wave sounds have the right format.
3. The resource scripts name every resource and every file they name exists.

    /usr/bin/python3 tests/resources/check_resources.py [--root DIR]

Exit code 0 when everything holds, 1 otherwise."""
import argparse
import os
import re
import struct
import subprocess
import sys
import tempfile

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

from edition_table import load_editions  # noqa: E402
from resources.fileformats import read_bmp, read_wav  # noqa: E402
from resources.idsfile import IdsError, evaluate, parse_ids, read_ids  # noqa: E402
from resources.titles import display_name  # noqa: E402

# name: (width, height, bits per pixel); the same in every edition
SHARED_BITMAPS = {
    "TopBottomBorder": (800, 140, 8), "LeftRightBorder": (140, 460, 8),
    "QuitBtn": (96, 45, 8), "QuitBtnDn": (96, 45, 8), "PrintBtn": (79, 45, 8), "PrintBtnDn": (79, 45, 8),
    "ClearBtn": (79, 45, 8), "ClearBtnDn": (79, 45, 8), "InfoBtn": (96, 45, 8), "InfoBtnDn": (96, 45, 8),
    "UpBtn": (53, 45, 8), "UpBtnDn": (53, 45, 8), "DownBtn": (53, 45, 8), "DownBtnDn": (53, 45, 8),
    "OKButtonUp": (96, 46, 8), "OKButtonDown": (96, 46, 8), "AboutUp": (208, 46, 8), "AboutDown": (208, 46, 8),
    "PrintOptUp": (208, 46, 8), "PrintOptDown": (208, 46, 8), "DoneBtnUp": (208, 46, 8),
    "DoneBtnDown": (208, 46, 8), "IntroBackGrd": (360, 360, 8), "AboutTextFrame": (324, 265, 8),
    "PrintOptions": (248, 133, 8),
}


def edition_bitmaps(n):
    old = n <= 3
    return {"IntroScr": (332, 212, 24), "CopyRight": (320, 55, 8),
            "Titles": (141 if n == 5 else 140, 510, 8),
            "DotPattern": (8, 8, 4 if old else 8), "DotPatternShadow": (8, 8, 4 if old else 24)}


COLOURS = [0x000000, 0xFF0000, 0x0000A0, 0xFFFF00, 0x006F00, 0xFF7F00, 0x30006F, 0x6F2F00, 0x9F009F,
           0x7F3F00, 0xFF7070, 0x0060FF, 0xDFFF00, 0x00DF00, 0xFF9F00, 0x9F00FF, 0xBF0000, 0x003F5F,
           0xFFDF00, 0x005F00, 0xD0602F, 0xFF008F, 0x306FB0, 0xDFDF00, 0x00B000, 0xFF8F50, 0xFFFFFF,
           0x8F8F8F, 0xC09F4F, 0xC09FFF, 0xFFCF7F, 0x9FFF7F, 0xFFFF9F, 0x00FFFF, 0xFF8FC0, 0xA06000]
WAVES = {1: 447, 2: 449, 3: 454, 4: 451, 5: 50, 6: 49, 7: 409, 8: 105}
LOOPS = (5, 6)
# Next to the background music (about -22 dBFS RMS, peaks near -7 dBFS as FluidSynth renders
# it) a sound that peaks in this range is heard without startling; the loops, which can run
# for seconds during a long fill or clear, stay softer still.
ONE_SHOT_PEAK_DB = (-16.0, -10.0)
LOOP_PEAK_DB = -20.0
LOOP_CENTROID_HZ = 500    # a loop above this is a whine or a buzz, not a soft low tone
LOOP_FLUTTER_DB = 1.0     # level change across the loop's quarters: more is heard as flutter
GENERATED_DIRS = ["editions/shared/bitmaps", "editions/shared/sounds"] + \
                 ["editions/%d/art" % n for n in range(1, 6)]


class Checker:
    def __init__(self):
        self.failures, self.passed = [], 0

    def check(self, ok, what):
        if ok:
            self.passed += 1
        else:
            self.failures.append(what)
        return ok


def read(root, rel):
    with open(os.path.join(root, rel), "rb") as f:
        return f.read()


def generated_files(root, out):
    """Runs the generator into `out` and returns the relative paths it wrote."""
    subprocess.run([sys.executable, os.path.join(root, "tools", "gen_resources.py"), "--root", root,
                    "--out", out, "--no-sheets"], check=True, stdout=subprocess.DEVNULL)
    found = []
    for d, _, names in os.walk(out):
        found += [os.path.relpath(os.path.join(d, name), out).replace(os.sep, "/") for name in names]
    return sorted(found)


def check_reproducible(c, root):
    with tempfile.TemporaryDirectory(prefix="tintwell-resources-") as out:
        files = generated_files(root, out)
        c.check(len(files) > 100, "the generator wrote only %d files" % len(files))
        for rel in files:
            if not c.check(os.path.exists(os.path.join(root, rel)), "%s is not committed" % rel):
                continue
            c.check(read(root, rel) == read(out, rel), "%s differs from what the generator makes" % rel)
    for d in GENERATED_DIRS:
        for name in sorted(os.listdir(os.path.join(root, d))) if os.path.isdir(os.path.join(root, d)) else []:
            rel = d + "/" + name
            c.check(rel in files, "%s is not made by the generator (left over?)" % rel)


def check_ids_reader(c):
    """The generators read app/ids.h: a line they would misread must stop them, not be skipped."""
    good = "#pragma once\n#define A 2  // two\n#define B (A * 3 + 0x10)\n#define ROWS \\\n    ROW(B, -1) \\\n    ROW(A, 4)\n"
    c.check(parse_ids(good) == ({"A": 2, "B": 22}, {"ROWS": [("ROW", (22, -1)), ("ROW", (2, 4))]}),
            "ids reader: %r read as %r" % (good, parse_ids(good)))
    for bad in ("enum { A = 1 };", "constexpr int A = 1;", "#define A B", "#define A 1\n#define A 2",
                "#define A(x) x", "#define A 7 / 2", "#define A 010", "#define T \\\n    ROW(1) junk",
                "#define T \\\n    ROW(1) \\\n"):
        try:
            parse_ids(bad)
            c.check(False, "ids reader: accepted %r" % bad)
        except IdsError:
            c.check(True, "")


def rc_resources(root, rel):
    """{(type, name): file} from one resource script; a name of app/ids.h, or one plus a
    number, stands for its number, as windres reads it."""
    ids = read_ids(os.path.join(root, "app", "ids.h"))[0]
    out = {}
    for line in read(root, rel).decode("ascii").splitlines():
        m = re.match(r'\s*(\w+(?:\s*\+\s*\d+)?)\s+(BITMAP|WAVE|CURSOR|ICON)\s+"([^"]+)"', line)
        if m:
            name = m.group(1)
            if "+" in name or name in ids:
                name = str(evaluate(name, ids))
            out[(m.group(2), name.upper())] = m.group(3)
    return out


def check_bitmap(c, data, where, size):
    w, h, bpp = size
    try:
        bw, bh, bbpp, rgb = read_bmp(data)
    except ValueError as e:
        c.check(False, "%s: %s" % (where, e))
        return None
    c.check((bw, bh, bbpp) == (w, h, bpp), "%s is %dx%d at %d bpp, expected %dx%d at %d bpp"
            % (where, bw, bh, bbpp, w, h, bpp))
    header_h = struct.unpack_from("<i", data, 22)[0]
    c.check(header_h > 0, "%s is not stored bottom-up" % where)
    return rgb


def check_edition(c, root, n):
    res = rc_resources(root, "editions/shared/resources.rc")
    res.update(rc_resources(root, "editions/%d/art.rc" % n))
    for (kind, name), rel in res.items():
        c.check(os.path.exists(os.path.join(root, rel)), "edition %d: %s %s names missing file %s" % (n, kind, name, rel))
    pictures = {}
    for name, size in list(SHARED_BITMAPS.items()) + list(edition_bitmaps(n).items()):
        rel = res.get(("BITMAP", name.upper()))
        if c.check(rel is not None, "edition %d has no bitmap %s" % (n, name)):
            pictures[name] = check_bitmap(c, read(root, rel), "edition %d %s" % (n, name), size)
    for k in range(36):
        rel = res.get(("BITMAP", str(101 + k)))
        if not c.check(rel is not None, "edition %d has no swatch bitmap %d" % (n, 101 + k)):
            continue
        rgb = check_bitmap(c, read(root, rel), "swatch %d" % (101 + k), (45, 90, 8))
        if rgb is None:
            continue
        v = COLOURS[k]
        want = ((v >> 16) & 255, (v >> 8) & 255, v & 255)
        for half, y in (("unselected", 22), ("selected", 67)):
            c.check(tuple(rgb[y, 22]) == want, "swatch %d %s face is %s, not colour %d %s"
                    % (101 + k, half, tuple(rgb[y, 22]), k + 1, want))
        c.check(np.abs(rgb[:45].astype(int) - rgb[45:].astype(int)).sum(axis=2).astype(bool).mean() > 0.3,
                "swatch %d: the selected look differs too little from the unselected one" % (101 + k))
    titles = pictures.get("Titles")
    if titles is not None:
        strips = [titles[10 * i:10 * i + 10, :140] for i in range(51)]
        c.check(len(np.unique(strips[0].reshape(-1, 3), axis=0)) == 1, "edition %d: title strip 0 is not empty" % n)
        for i in range(1, 51):
            c.check(len(np.unique(strips[i].reshape(-1, 3), axis=0)) > 1, "edition %d: title strip %d is empty" % (n, i))
        c.check(len({s.tobytes() for s in strips[1:]}) == 50, "edition %d: two title strips are the same" % n)
        check_title_letters(c, root, n, strips)
    for kind, name in (("WAVE", str(i)) for i in range(1, 9)):
        c.check((kind, name) in res, "edition %d has no wave %s" % (n, name))
    c.check(res.get(("WAVE", "CLEARWAVE")) == res.get(("WAVE", "7")), "CLEARWAVE is not the bytes of sound 7")
    c.check(("CURSOR", "EDITCURSOR") in res, "edition %d has no EditCursor" % n)
    icon = res.get(("ICON", "TWLICON"))
    if c.check(icon is not None, "edition %d has no TWLIcon" % n):
        check_icon(c, read(root, icon), n)
    return {name: pictures.get(name) for name in ("IntroScr", "CopyRight", "DotPattern")}, icon


def check_title_letters(c, root, n, strips):
    """In a 10-pixel strip, letters whose ink touches read as another letter ("rn" as "m",
    "rh" as "h"). Each strip must show as many separate column runs of ink as its title
    has letters: a clear column between every two neighbours."""
    pages = load_editions(root)[n]["pages"]
    for k, name in enumerate(pages):
        text = display_name(name, n)
        strip = strips[k + 1]
        ink = (strip != strip[0, 0]).any(axis=2).any(axis=0)
        runs = np.flatnonzero(np.diff(np.concatenate([[0], ink.astype(int), [0]])) == 1)
        letters = len(text.replace(" ", ""))
        c.check(len(runs) == letters, "edition %d title %r: %d separate letters in the strip, %d in the title "
                "(no clear column between some neighbours)" % (n, text, len(runs), letters))


def check_icon(c, data, n):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    c.check((reserved, kind) == (0, 1) and count >= 1, "edition %d icon: not an .ico file" % n)
    sizes = []
    for i in range(count):
        w, h, _, _, _, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        bi = struct.unpack_from("<IiiHH", data, offset)
        c.check(bi[0] == 40 and bi[2] == 2 * bi[1] and bi[4] == bpp and offset + size <= len(data),
                "edition %d icon image %d: malformed" % (n, i))
        sizes.append((w or 256, h or 256, bpp))
    c.check(any(s[:2] == (32, 32) and s[2] in (4, 8) for s in sizes), "edition %d icon has no 32x32 4/8-bpp image" % n)


def check_cursor(c, data):
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    c.check((reserved, kind, count) == (0, 2, 1), "EditCursor: not a one-image .cur file")
    w, h, _, _, hx, hy, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    c.check((w, h, hx, hy) == (32, 32, 0, 0), "EditCursor: %dx%d hot spot (%d, %d)" % (w, h, hx, hy))
    bi = struct.unpack_from("<IiiHH", data, offset)
    c.check(bi == (40, 32, 64, 1, 1), "EditCursor: not a 32x32 two-colour image %r" % (bi,))
    xor_top = data[offset + 40 + 8 + 31 * 4]          # rows are bottom-up: row 0 is stored last
    and_top = data[offset + 40 + 8 + 32 * 4 + 31 * 4]
    c.check(and_top & 0x80 == 0, "EditCursor: the hot spot pixel is transparent")
    c.check(xor_top & 0x80 == 0, "EditCursor: the hot spot pixel is not black (the crayon's point)")


def check_waves(c, root):
    res = rc_resources(root, "editions/shared/resources.rc")
    for number, ms in WAVES.items():
        rel = res.get(("WAVE", str(number)))
        if not c.check(rel is not None, "wave %d not in the resources" % number):
            continue
        try:
            tag, channels, rate, bits, x = read_wav(read(root, rel))
        except ValueError as e:
            c.check(False, "wave %d: %s" % (number, e))
            continue
        c.check((tag, channels, rate, bits) == (1, 1, 22050, 16),
                "wave %d: format %r, expected PCM mono 22050 Hz 16-bit" % (number, (tag, channels, rate, bits)))
        c.check(abs(len(x) / 22.05 - ms) <= 1.0, "wave %d lasts %.2f ms, expected %d" % (number, len(x) / 22.05, ms))
        peak_db = 20 * np.log10(max(np.abs(x.astype(int)).max(), 1) / 32768)
        if number in LOOPS:
            c.check(peak_db <= LOOP_PEAK_DB, "loop %d peaks at %.1f dBFS, louder than a loop under the music "
                    "should be" % (number, peak_db))
            check_loop_tone(c, number, x)
        else:
            low, high = ONE_SHOT_PEAK_DB
            c.check(low <= peak_db <= high, "wave %d peaks at %.1f dBFS, outside %g..%g" % (number, peak_db, low, high))
        if number in LOOPS:
            ends = max(abs(int(x[0])), abs(int(x[-1])))
            c.check(ends <= 0.01 * 32768, "loop %d starts or ends at %d, not near zero" % (number, ends))
            steps = np.abs(np.diff(x.astype(int)))
            seam = abs(int(x[0]) - int(x[-1]))
            c.check(seam <= max(steps.max(), 1), "loop %d jumps by %d at the loop point (largest step inside %d)"
                    % (number, seam, steps.max()))
        else:
            c.check(abs(int(x[-1])) <= 0.01 * 32768, "wave %d does not end near zero" % number)


def check_loop_tone(c, number, x):
    """A loop plays over and over for as long as a fill or clear runs: it must be low and
    steady. Any swell or pulse inside it repeats 20 times a second and is heard as a buzz."""
    x = x.astype(float)
    power = np.abs(np.fft.rfft(x)) ** 2
    centroid = (power * np.fft.rfftfreq(len(x), 1 / 22050)).sum() / power.sum()
    c.check(centroid <= LOOP_CENTROID_HZ, "loop %d centres at %.0f Hz, not a low tone" % (number, centroid))
    quarters = [10 * np.log10(max((q ** 2).mean(), 1e-9)) for q in np.array_split(x, 4)]
    c.check(max(quarters) - min(quarters) <= LOOP_FLUTTER_DB, "loop %d swells by %.1f dB within itself (flutter)"
            % (number, max(quarters) - min(quarters)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=ROOT)
    args = ap.parse_args()
    root = args.root
    c = Checker()
    check_ids_reader(c)
    check_reproducible(c, root)
    per_edition = {}
    for n in range(1, 6):
        per_edition[n] = check_edition(c, root, n)
    for name in ("IntroScr", "CopyRight"):
        pics = [per_edition[n][0][name] for n in range(1, 6)]
        if all(p is not None for p in pics):
            c.check(len({p.tobytes() for p in pics}) == 5, "%s is not different in each edition" % name)
    icons = [read(root, per_edition[n][1]) for n in range(1, 6) if per_edition[n][1]]
    c.check(len(set(icons)) == 5, "TWLIcon is not different in each edition")
    check_cursor(c, read(root, "editions/shared/EditCursor.cur"))
    check_waves(c, root)
    for f in c.failures:
        print("FAIL:", f)
    print("%d checks passed, %d failed" % (c.passed, len(c.failures)))
    return 1 if c.failures else 0


if __name__ == "__main__":
    sys.exit(main())
