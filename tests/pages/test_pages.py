#!/usr/bin/python3
"""Checks the colouring pages and the page writer.

Run: /usr/bin/python3 tests/pages/test_pages.py   (exit 0 = pass, 1 = fail)
"""
import os
import struct
import sys
import tempfile
import unittest

import numpy as np

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path[:0] = [os.path.join(REPO, "tools", "pages"), os.path.join(REPO, "tools")]
import edition_table  # noqa: E402
import pagefile  # noqa: E402
import quality  # noqa: E402


def read_bytes(path):
    with open(path, "rb") as f:
        return f.read()


def sample_page(seed=1):
    """A page with boxes of 3-px lines: a valid page with a known layout."""
    lines = np.zeros((pagefile.HEIGHT, pagefile.WIDTH), dtype=bool)
    rng = np.random.RandomState(seed)
    for _ in range(8):
        x, y = rng.randint(20, 500), rng.randint(20, 300)
        w, h = rng.randint(40, 140), rng.randint(40, 140)
        lines[y:y + 3, x:x + w] = lines[y + h:y + h + 3, x:x + w] = True
        lines[y:y + h + 3, x:x + 3] = lines[y:y + h + 3, x + w:x + w + 3] = True
    return lines


class PageFileFormat(unittest.TestCase):
    def test_round_trip_and_same_bytes_every_time(self):
        lines = sample_page()
        with tempfile.TemporaryDirectory() as d:
            a, b = os.path.join(d, "a.col"), os.path.join(d, "b.col")
            pagefile.write_page(a, lines, 1)
            pagefile.write_page(b, lines.copy(), 1)
            data, again = read_bytes(a), read_bytes(b)
            self.assertEqual(data, again)
            sig, fields, back = pagefile.read_page(a)
        self.assertEqual(sig, b"CO")
        self.assertTrue((back == lines).all())
        self.assertEqual(len(data), fields["bfSize"])

    def test_header_fields_per_edition(self):
        lines = sample_page(2)
        for ed, sig in ((1, b"CO"), (2, b"C2"), (3, b"C3"), (4, b"C4"), (5, b"C5")):
            data = pagefile.encode_page(lines, ed)
            self.assertEqual(data[:2], sig)
            size, clean, _, off = struct.unpack_from("<IHHI", data, 2)
            bisize, w, h, planes, bits, comp = struct.unpack_from("<IiiHHI", data, 14)
            self.assertEqual((clean, bisize, w, h, planes, bits, comp), (0, 40, 660, 460, 1, 1, 0))
            # The program reads 14 + 1064 bytes of headers before seeking to the pixels.
            self.assertGreaterEqual(off, 1078)
            self.assertEqual(size, len(data))
            self.assertEqual(size, off + 84 * 460)

    def test_bit_layout_bottom_up_msb_first_set_is_paper(self):
        lines = np.zeros((460, 660), dtype=bool)
        lines[0, 0] = True          # top-left line pixel
        lines[459, 9] = True        # bottom row, tenth pixel
        data = pagefile.encode_page(lines, 3)
        off = struct.unpack_from("<I", data, 10)[0]
        bottom, top = data[off:off + 84], data[off + 459 * 84:off + 460 * 84]
        self.assertEqual(top[0], 0x7F)
        self.assertEqual(bottom[1], 0xBF)
        self.assertEqual(bottom[0], 0xFF)
        self.assertEqual(len(set(top[1:82])), 1)
        self.assertEqual(top[1], 0xFF)

    def test_rejects_wrong_size(self):
        with self.assertRaises(ValueError):
            pagefile.encode_page(np.zeros((460, 661), dtype=bool), 1)


class QualityBarCatchesFaults(unittest.TestCase):
    def test_good_sample_passes(self):
        self.assertEqual(quality.failures(quality.measure(sample_page())), [])

    def test_diagonal_leak_is_caught(self):
        lines = sample_page()
        lines[100:103, :] = False
        for x in range(660):            # a 1-px diagonal staircase splits 4- but not 8-connected paper
            lines[(100 + x // 2) % 460, x] = True
        fails = " ".join(quality.failures(quality.measure(lines)))
        self.assertIn("diagonal leak", fails)

    def test_speck_thin_lines_and_empty_page_are_caught(self):
        lines = sample_page()
        lines[400:410, 600:610] = True
        lines[403:406, 603:606] = False             # 9-px paper speck
        self.assertIn("area of 9 px", " ".join(quality.failures(quality.measure(lines))))
        thin = np.zeros((460, 660), dtype=bool)
        for k in range(10):
            thin[20 + 40 * k, :] = True
        fails = " ".join(quality.failures(quality.measure(thin)))
        self.assertIn("outline width", fails)
        fails = " ".join(quality.failures(quality.measure(np.zeros((460, 660), dtype=bool))))
        self.assertIn("fillable", fails)
        self.assertIn("covers", fails)

    def test_bad_headers_are_caught(self):
        data = bytearray(pagefile.encode_page(sample_page(), 1))
        self.assertEqual(quality.format_problems(bytes(data), 1), [])
        self.assertTrue(quality.format_problems(bytes(data), 2))       # another edition's signature
        data[6] = 1                                                     # page-clean flag
        self.assertTrue(quality.format_problems(bytes(data), 1))


def ring(lines, cx, cy, rx, ry):
    """A closed 3-px ellipse outline."""
    yy, xx = np.mgrid[0:460, 0:660]
    d = ((xx - cx) / rx) ** 2 + ((yy - cy) / ry) ** 2
    lines |= (d <= 1) & (d >= (1 - 3.0 / min(rx, ry)) ** 2)


class ChildFacingFigures(unittest.TestCase):
    def test_line_stopping_short_is_an_open_end_until_it_meets_a_line(self):
        lines = sample_page()
        lines[:, 600:603] = True                    # edge to edge: no ends
        lines[440:443, 0:596] = True                # ground line from the edge, 4 px short of it
        ends = quality.line_ends(lines)
        self.assertEqual(len(ends), 1, ends)
        x, y, gap = ends[0]
        self.assertLessEqual(abs(x - 595), 3)
        self.assertLessEqual(abs(y - 441), 2)
        self.assertTrue(2 <= gap <= 6, gap)
        self.assertEqual(quality.open_ends(lines, [(597, 438, "test")]), [])
        self.assertEqual(len(quality.open_ends(lines, [(560, 438, "elsewhere")])), 1)
        lines[440:443, 596:600] = True
        self.assertEqual(quality.line_ends(lines), [])
        lines[440:443, 0:2] = False                 # now 2 px short of the page edge
        ends = quality.line_ends(lines)
        self.assertEqual([(abs(e[0] - 2) <= 3, abs(e[1] - 441) <= 2) for e in ends], [(True, True)])

    def test_gap_in_an_outline_is_found_but_rays_are_marks(self):
        lines = np.zeros((460, 660), dtype=bool)
        ring(lines, 300, 200, 120, 90)
        for k in range(8):                          # sun rays: short free strokes
            lines[30 + 10 * k:33 + 10 * k, 40:58] = True
        self.assertEqual(quality.line_ends(lines), [])
        lines[195:205, 410:425] = False             # cut the outline on the right
        self.assertEqual(len(quality.line_ends(lines)), 2)

    def test_gated_pages_fail_on_open_ends_and_crowding(self):
        lines = sample_page()
        lines[440:443, 0:596] = True
        m = quality.measure(lines)
        self.assertEqual(quality.failures(m), [])
        self.assertIn("open line end", " ".join(quality.failures(m, gated=True)))
        for k in range(30):                         # thirty 12 x 12 boxes
            x, y = 20 + 20 * (k % 15), 300 + 20 * (k // 15)
            lines[y:y + 15, x:x + 15] = True
            lines[y + 3:y + 12, x + 3:x + 12] = False
        m = quality.measure(lines)
        self.assertIn("small areas", " ".join(quality.failures(m, gated=True)))

    def test_small_means_under_300_px_or_narrow(self):
        lines = np.zeros((460, 660), dtype=bool)
        lines[450:453, :] = True                    # a 7-px strip along the bottom edge
        lines[100:103, :] = True
        lines[106:109, :] = True                    # a 3-px strip across the page
        lines[200:218, 100:118] = True
        lines[203:215, 103:115] = False             # a 12 x 12 box (144 px)
        lines[200:224, 200:224] = True
        lines[203:221, 203:221] = False             # an 18 x 18 box (324 px): not small
        areas, small = quality.area_sizes(lines)
        self.assertEqual(areas, 6)
        self.assertEqual(small, 2)                  # the 3-px strip and the 12 x 12 box
        lines[453:456, :] = True                    # the bottom strip now 4 px
        self.assertEqual(quality.area_sizes(lines), (6, 3))

    def test_silhouettes_compare_shapes_not_size_place_or_scenery(self):
        a = np.zeros((460, 660), dtype=bool)
        ring(a, 200, 200, 150, 60)
        b = np.zeros((460, 660), dtype=bool)
        ring(b, 450, 300, 100, 40)                  # same shape, smaller, elsewhere
        b[420:423, :] = True                        # with a ground line
        ring(b, 600, 50, 18, 18)                    # and a small sun
        c = np.zeros((460, 660), dtype=bool)
        ring(c, 330, 230, 50, 200)                  # a tall shape
        n = {k: quality.normalised(quality.silhouette(v)) for k, v in (("a", a), ("b", b), ("c", c))}
        self.assertGreater(quality.iou(n["a"], n["b"]), 0.9)
        self.assertLess(quality.iou(n["a"], n["c"]), 0.5)
        best = quality.most_alike([("a", a), ("b", b), ("c", c)])
        self.assertEqual(best[1:], ("a", "b"))

    def test_seabed_ending_on_plants_short_of_the_edges_divides_nothing(self):
        lines = np.zeros((460, 660), dtype=bool)
        ring(lines, 330, 180, 200, 90)              # the fish
        ring(lines, 40, 380, 14, 50)                # seaweed left and right, clear of the edges
        ring(lines, 620, 380, 14, 50)
        lines[400:403, 52:608] = True               # seabed from weed to weed
        m = quality.measure(lines)
        self.assertEqual(m["ends"], [])             # no open end shows it ...
        self.assertEqual(len(m["dividers"]), 1)     # ... but water and sand are one area
        x0, y0, x1, y1 = m["dividers"][0]
        self.assertLessEqual(x0, 70)
        self.assertGreaterEqual(x1, 590)
        self.assertIn("dividing line", " ".join(quality.failures(m, new_checks=True)))
        self.assertNotIn("dividing line", " ".join(quality.failures(m)))
        lines[400:403, 0:660] = True                # run on to both edges: it divides
        self.assertEqual(quality.idle_dividers(lines), [])
        path = np.zeros((460, 660), dtype=bool)     # a long path between two shapes mid-page
        ring(path, 150, 200, 60, 60)
        ring(path, 510, 200, 60, 60)
        path[230:233, 210:451] = True
        self.assertEqual(quality.idle_dividers(path), [])

    def test_one_subject_drawing_scaled_or_mirrored_on_two_pages_is_shared(self):
        def beast(page, cx, cy, s, flip=1, head=1.0):
            ring(page, cx, cy, 150 * s, 60 * s * head)                  # body
            ring(page, cx + flip * 170 * s, cy - 60 * s, 40 * s * head, 30 * s)   # head
            for k in (-90, -30, 40, 100):                               # legs
                x = int(cx + flip * k * s)
                page[int(cy + 55 * s):int(cy + 110 * s), x:x + 4] = True
            ring(page, cx + flip * 180 * s, cy - 65 * s, 6, 6)          # eye
        pages = {k: np.zeros((460, 660), dtype=bool) for k in "abc"}
        beast(pages["a"], 300, 220, 1.2)
        beast(pages["b"], 380, 260, 0.8, flip=-1)                       # smaller, mirrored, moved
        pages["b"][400:403, :] = True                                   # on its own ground
        beast(pages["c"], 300, 220, 1.2, head=1.6)                      # a deeper body, a bigger head
        shared = quality.shared_drawings(sorted(pages.items()))
        self.assertEqual([(a, b) for _, a, b in shared], [("a", "b")])
        self.assertGreater(shared[0][0], 0.9)
        figures = dict(share=0.0, alike=(0.0, "", ""), shared=shared)
        self.assertIn("share a subject drawing", " ".join(quality.edition_failures(figures)))
        self.assertEqual(quality.edition_failures(figures, shared=False), [])


class LineDrawing(unittest.TestCase):
    def test_dropping_free_strokes_keeps_outlines_dividers_and_eyes(self):
        import convert
        raw = np.zeros((460, 660), dtype=bool)
        raw[100:103, 100:501] = raw[350:353, 100:501] = True      # a box ...
        raw[100:353, 100:103] = raw[100:353, 498:501] = True
        raw[100:353, 300:303] = True                              # ... split in two
        raw[200:203, 150:200] = True                              # a loose shading stroke
        raw[250:253, 440:499] = True                              # a short stroke from the wall into the room
        yy, xx = np.mgrid[0:460, 0:660]
        ring = np.abs(np.hypot(yy - 200, xx - 420) - 12) < 1.5    # an eye
        raw |= ring
        plain = convert.clean_lines(raw)
        dropped = convert.clean_lines(raw, drop_free=70)
        self.assertEqual(len(quality.line_ends(plain)), 3)
        self.assertEqual(quality.line_ends(dropped), [])
        # Both halves of the box, the outside and the eye stay separate areas.
        from scipy import ndimage as ndi
        self.assertEqual(ndi.label(~dropped, quality.FOUR)[1], 4)
        self.assertTrue(dropped[200, 408] or dropped[200, 432])

    def test_art_running_off_the_page_is_cut_at_the_edge(self):
        import convert
        canvas = convert.blank_canvas()
        art = np.ones((300, 300, 4), dtype=np.float32)
        convert.paste(canvas, art, 600, 400)
        self.assertEqual(canvas[..., 3].sum(), (460 - 400) * 3 * (660 - 600) * 3)


class Regeneration(unittest.TestCase):
    """The committed pages are exactly what the generator makes from its recipes."""

    def test_sample_pages_rebuild_to_the_same_bytes(self):
        import importlib
        import shutil
        if not shutil.which("rsvg-convert") or not os.path.isdir("/usr/share/openclipart/svg"):
            self.skipTest("rsvg-convert or openclipart-svg not installed")
        checked = 0
        for ed in range(1, 6):
            recipes = importlib.import_module("recipes_%d" % ed)
            # One clip-art page, one glyph page and one own drawing per edition, where present.
            picks = {}
            for p in recipes.PAGES:
                picks.setdefault(p.kind + str("fonts-symbola" in p.source), p)
            for p in picks.values():
                path = os.path.join(edition_table.pages_dir(ed), p.name)
                if not os.path.exists(path):
                    continue
                self.assertEqual(pagefile.encode_page(p.drawing().lines(), ed), read_bytes(path), p.name)
                checked += 1
        self.assertGreater(checked, 0)


class CommittedPages(unittest.TestCase):
    def test_every_committed_page_meets_the_bar(self):
        files, folder_problems = quality.default_files(complete=False)
        self.assertEqual(folder_problems, [])
        self.assertTrue(files, "no page files found")
        bad = []
        for f in files:
            _, fails = quality.check_file(f)
            if fails:
                bad.append("%s: %s" % (os.path.basename(f), "; ".join(fails)))
        self.assertEqual(bad, [])

    def test_gated_editions_meet_the_edition_targets(self):
        files, _ = quality.default_files(complete=False)
        for ed in sorted(quality.GATED):
            rows, named = [], []
            for f in files:
                if quality.edition_of(f) == ed:
                    kept = {}
                    m, _ = quality.check_file(f, kept)
                    rows.append(m)
                    named.append((os.path.basename(f), kept[os.path.basename(f)]))
            figures = quality.edition_figures(rows, named)
            self.assertEqual(quality.edition_failures(figures, ed in quality.LIKENESS_GATED,
                                                      ed in quality.NEW_CHECKS_GATED), [],
                             quality.summary_line(ed, figures))

    def test_allowed_open_ends_name_real_pages_and_say_why(self):
        allowed = quality.load_allowed()
        known = {n for ed in range(1, 6) for n in edition_table.page_names(ed)}
        self.assertEqual(sorted(set(allowed) - known), [])

    def test_choice_file_lists_every_page_present(self):
        for ed in range(1, 6):
            d = edition_table.pages_dir(ed)
            if not os.path.isdir(d):
                continue
            present = [n for n in edition_table.page_names(ed) if os.path.exists(os.path.join(d, n))]
            choices = os.path.join(d, "CHOICES.tsv")
            self.assertTrue(os.path.exists(choices), choices)
            with open(choices, encoding="utf-8") as f:
                rows = [l.split("\t") for l in f.read().splitlines()[1:] if l]
            listed = {r[0] for r in rows}
            self.assertEqual(sorted(set(present) - listed), [], "edition %d" % ed)
            for r in rows:
                self.assertGreaterEqual(len(r), 4, r)
                self.assertTrue(all(c.strip() for c in r[:4]), r)


if __name__ == "__main__":
    r = unittest.main(exit=False, verbosity=1).result
    sys.exit(0 if r.wasSuccessful() else 1)
