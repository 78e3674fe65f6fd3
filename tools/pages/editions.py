"""Page names per edition, read from the program's edition table (editions/edition_table.cpp)."""
import os
import re

REPO = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
SIGNATURES = {1: "CO", 2: "C2", 3: "C3", 4: "C4", 5: "C5"}


def page_names(edition, table=None):
    """The fifty file names of an edition as the files on disk are named.

    The table stores one name with a trailing blank ("flowers.co5 "); the platform's file
    functions drop it, so the name is stripped here.
    """
    table = table or os.path.join(REPO, "editions", "edition_table.cpp")
    with open(table, encoding="utf-8") as f:
        text = f.read()
    records = re.split(r"\{\s*(\d)\s*,\s*\"tintwell", text)
    for i in range(1, len(records), 2):
        if int(records[i]) == edition:
            body = records[i + 1]
            names = re.findall(r'"([^"]+)"', body.split("{", 1)[1].split("}", 1)[0])
            return [n.rstrip(" ") for n in names]
    raise KeyError("edition %d not in %s" % (edition, table))


def pages_dir(edition):
    return os.path.join(REPO, "editions", str(edition), "pages")
