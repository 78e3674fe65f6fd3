"""The five editions as the program's own edition table states them (parsed from
editions/edition_table.cpp, so the title strips always follow the page list)."""
import os
import re

TABLE = os.path.join("editions", "edition_table.cpp")


def _strings(text):
    return [s.encode("latin-1").decode("unicode_escape") for s in re.findall(r'"((?:[^"\\]|\\.)*)"', text)]


def load_editions(root):
    """Returns {number: {"title": window title, "heading": about heading, "pages": [50 names]}}."""
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


def stem(page_name):
    return page_name.strip().rsplit(".", 1)[0]
