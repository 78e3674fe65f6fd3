"""Names the release gives each edition and page: the per-user folder of an edition,
the words a page is known by (its title, as on the screen's name plate) and the name
of the picture saved from it."""
import os
import sys
from collections import Counter

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.path.insert(0, os.path.join(REPO, "tools"))

from edition_table import load_editions  # noqa: E402
from resources.titles import display_name  # noqa: E402

EDITIONS = load_editions(REPO)


def program(n):
    return "tintwell.exe" if n == 1 else "tintwell%d.exe" % n


def music(n):
    return "tntwl.mid" if n == 1 else "tntwl%d.mid" % n


def edition_name(n):
    """The edition's full name, e.g. "Tintwell 2: Dinosaurs"."""
    return EDITIONS[n]["heading"]


def folder_name(n):
    """The edition's folder under Documents\\Tintwell: its full name, which Windows
    allows in a folder name once the colon is a dash."""
    return edition_name(n).replace(": ", " - ")


def page_names(n):
    return [p.strip() for p in EDITIONS[n]["pages"]]


def titles(n):
    return [display_name(p, n) for p in EDITIONS[n]["pages"]]


def picture_names(n):
    """File names (without .png) of the pictures saved from an edition's pages: the
    title, and where another edition has a page of the same title, the edition's
    folder name after it, so all editions can share one Pictures folder."""
    shared = Counter(t for e in EDITIONS for t in titles(e))
    return [t if shared[t] == 1 else "%s (%s)" % (t, folder_name(n)) for t in titles(n)]
