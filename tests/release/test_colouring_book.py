#!/usr/bin/python3
"""The release's generated content. The printable colouring books: fifty sheets per paper size, each page turned a
quarter turn anticlockwise and framed where the Default print method puts it,
with the page's lines at the right dots once Ghostscript has rasterised the PDF."""
import os
import subprocess
import sys
import tempfile
import unittest

import numpy as np
from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, "..", ".."))
sys.path.insert(0, os.path.join(REPO, "tools", "release"))
sys.path.insert(0, os.path.join(REPO, "tools", "pages"))
import colouring_book  # noqa: E402
import gen_picture_names  # noqa: E402
import names  # noqa: E402
from pagefile import decode_page  # noqa: E402

DPI = 300
# The whole sheet at 300 dpi, and the framed picture on it worked out by hand from
# the print rule: height 3 x floor(sheet height / 4), centred both ways.
SHEETS = {
    "a4": {"size": (2480, 3508), "picture": (318, 438, 1843, 2631)},
    "letter": {"size": (2550, 3300), "picture": (408, 412, 1733, 2475)},
}
EDITION = 3
SAMPLE_PAGES = (0, 21, 49)


def page_count(pdf):
    out = subprocess.run(["gs", "-q", "-dNODISPLAY", "-dNOSAFER", "-c",
                          "(%s) (r) file runpdfbegin pdfpagecount = quit" % pdf],
                         capture_output=True, text=True, check=True)
    return int(out.stdout.split()[-1])


def rasterise(pdf, page, folder):
    png = os.path.join(folder, "page%d.png" % page)
    subprocess.run(["gs", "-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pnggray", "-r%d" % DPI,
                    "-dFirstPage=%d" % (page + 1), "-dLastPage=%d" % (page + 1), "-sOutputFile=" + png, pdf],
                   check=True)
    return np.asarray(Image.open(png)) < 128   # True = black


class ColouringBookTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.pdfs = {}
        for paper in SHEETS:
            path = os.path.join(cls.tmp.name, "%s.pdf" % paper)
            with open(path, "wb") as f:
                f.write(colouring_book.book(EDITION, paper))
            cls.pdfs[paper] = path
        cls.lines = {}
        for k in SAMPLE_PAGES:
            with open(os.path.join(REPO, "editions", str(EDITION), "pages", names.page_names(EDITION)[k]), "rb") as f:
                cls.lines[k] = decode_page(f.read())[2]

    @classmethod
    def tearDownClass(cls):
        cls.tmp.cleanup()

    def test_fifty_sheets_per_paper_size(self):
        for paper, pdf in self.pdfs.items():
            self.assertEqual(page_count(pdf), 50, paper)

    def test_pages_print_turned_and_framed_where_the_printout_puts_them(self):
        for paper, sheet in SHEETS.items():
            left, top, w, h = sheet["picture"]
            titles = []
            for k in SAMPLE_PAGES:
                with self.subTest(paper=paper, page=k):
                    black = rasterise(self.pdfs[paper], k, self.tmp.name)
                    self.assertEqual(black.shape[::-1], sheet["size"])
                    lines = self.lines[k]
                    # Every page pixel's dot: the page's top edge runs up the picture's left
                    # side, so page (x, y) is framed-picture column 4 + y, row 4 + 659 - x.
                    ys, xs = np.mgrid[0:460, 0:660]
                    col = left + ((4 + ys + 0.5) * w / 468).astype(int)
                    row = top + ((4 + 659 - xs + 0.5) * h / 668).astype(int)
                    wrong = np.count_nonzero(black[row, col] != lines)
                    self.assertLessEqual(wrong, 660 * 460 // 1000, "%d page pixels differ" % wrong)
                    # The corner the child sees top-left on the screen is bottom-left here.
                    self.assertEqual(black[row[0, 0], col[0, 0]], lines[0, 0])
                    # A black frame four page pixels wide, and white paper just outside it.
                    band = max(1, int(3.5 * w / 468))
                    for edge in (black[top:top + h, left:left + band], black[top:top + h, left + w - band:left + w],
                                 black[top:top + band, left:left + w], black[top + h - band:top + h, left:left + w]):
                        self.assertTrue(edge.all())
                    outside = black.copy()
                    outside[top - 2:top + h + 2, left - 2:left + w + 2] = False
                    # Beside the picture (the page's bottom edge), the title; nothing else on the sheet.
                    title = outside[top:top + h, left + w + 2:].copy()
                    self.assertGreater(np.count_nonzero(title), 200)
                    outside[top:top + h, left + w + 2:] = False
                    self.assertEqual(np.count_nonzero(outside), 0)
                    titles.append(title)
            self.assertFalse(np.array_equal(titles[0], titles[1]), "two pages show the same title")


class PictureNamesTest(unittest.TestCase):
    def test_the_picture_savers_names_follow_the_edition_table_and_titles(self):
        with open(os.path.join(REPO, "pictures", "picture_names.cpp"), encoding="utf-8") as f:
            self.assertEqual(f.read(), gen_picture_names.source(),
                             "run tools/release/gen_picture_names.py after changing pages or titles")


if __name__ == "__main__":
    unittest.main(verbosity=2)
