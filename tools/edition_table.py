"""The five editions as the program's own edition table states them (editions/edition_table.cpp):
window title, heading, version and the fifty page names of each, so every generator follows
the program's page list."""
import os
import re

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
TABLE = os.path.join("editions", "edition_table.cpp")


def _strings(text):
    return [s.encode("latin-1").decode("unicode_escape") for s in re.findall(r'"((?:[^"\\]|\\.)*)"', text)]


def load_editions(root=REPO):
    """Returns {number: {"title": window title, "heading": about heading, "version": version,
    "pages": [50 names as the table spells them]}}."""
    with open(os.path.join(root, TABLE), encoding="utf-8") as f:
        text = f.read()
    text = re.sub(r"//[^\n]*", "", text)
    editions = {}
    for m in re.finditer(r"\{\s*(\d+)\s*,(.*?)\{(.*?)\}\s*\}", text, re.S):
        number = int(m.group(1))
        head = _strings(m.group(2))
        pages = _strings(m.group(3))
        if len(head) != 7 or len(pages) != 50:
            raise ValueError("edition %d: unexpected record layout in %s" % (number, TABLE))
        editions[number] = {"title": head[1], "heading": head[5], "version": head[6], "pages": pages}
    if sorted(editions) != [1, 2, 3, 4, 5]:
        raise ValueError("expected editions 1 to 5 in %s" % TABLE)
    return editions


def page_names(edition, root=REPO):
    """The fifty file names of an edition as the files on disk are named.

    The table stores one name with a trailing blank ("flowers.co5 "); the platform's file
    functions drop it, so the name is stripped here.
    """
    return [n.strip() for n in load_editions(root)[edition]["pages"]]


def pages_dir(edition, root=REPO):
    return os.path.join(root, "editions", str(edition), "pages")


def stem(page_name):
    return page_name.strip().rsplit(".", 1)[0]
