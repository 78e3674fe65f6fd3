#!/usr/bin/python3
"""Builds the Debian package from the staged release (stage.py's STAGE):
  /usr/lib/tintwell/                 the five programs and the picture saver (run by Wine)
  /usr/share/tintwell/pages/<edition>/  each edition's pristine pages and song
  /usr/bin/tintwell                  the launcher (debian/tintwell)
  /usr/share/applications/           five editions and "Save the pictures"
  /usr/share/icons/hicolor/          the programs' icons as PNGs
  /usr/share/man/man1/tintwell.1.gz  the manual page
Usage: debian.py STAGE_DIR DIST_DIR VERSION; writes DIST_DIR/tintwell_VERSION_all.deb"""
import gzip
import hashlib
import os
import shutil
import subprocess
import sys

from PIL import Image

import names
from resources import edition_art  # names puts tools/ on the path

HERE = os.path.dirname(os.path.abspath(__file__))
# One time for every file, so the same sources make the same package.
MTIME = 1767225600  # 2026-01-01


def write(path, data, mode=0o644):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data.encode("utf-8") if isinstance(data, str) else data)
    os.chmod(path, mode)


def copy(source, path, mode=0o644):
    with open(source, "rb") as f:
        write(path, f.read(), mode)


def gzipped(data):
    return gzip.compress(data.encode("utf-8"), 9, mtime=0)


def template(name, **fields):
    with open(os.path.join(HERE, "debian", name), encoding="utf-8") as f:
        text = f.read()
    for key, value in fields.items():
        text = text.replace("@%s@" % key, value)
    return text


def desktop_entry(name, generic, comment, command, icon):
    return ("[Desktop Entry]\nType=Application\nName=%s\nGenericName=%s\nComment=%s\n"
            "Exec=%s\nIcon=%s\nTerminal=false\nCategories=Game;KidsGame;\n"
            "Keywords=colouring;coloring;painting;children;\n" % (name, generic, comment, command, icon))


# Menus and app grids show icons from 48 to 256 pixels: those are drawn afresh at each size
# rather than enlarged from the programs' 32-pixel icon.
LARGE_ICON_SIZES = (48, 64, 128, 256)


def icons(root):
    """Each edition's icon as hicolor PNGs named tintwell-N: every size its .ico holds, as the
    program shows it, and the larger sizes drawn by the same hand."""
    def save(image, size, n):
        path = os.path.join(root, "usr/share/icons/hicolor/%dx%d/apps/tintwell-%d.png" % (size, size, n))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        image.save(path, optimize=True)
        os.chmod(path, 0o644)

    for n in range(1, 6):
        ico = Image.open(os.path.join(names.REPO, "editions", str(n), "art", "TWLIcon.ico"))
        for width, _ in sorted(ico.ico.sizes()):
            save(ico.ico.getimage((width, width)).convert("RGBA"), width, n)
        for size in LARGE_ICON_SIZES:
            save(edition_art.icon_rgba(n, size), size, n)


def launcher():
    programs = "\n".join("    %d) echo %s ;;" % (n, names.program(n)) for n in range(1, 6))
    folders = "\n".join("    %d) echo '%s' ;;" % (n, names.folder_name(n)) for n in range(1, 6))
    return template("tintwell", PROGRAMS=programs, FOLDERS=folders)


def lay_out(stage, root, version):
    lib, share = os.path.join(root, "usr/lib/tintwell"), os.path.join(root, "usr/share")
    for n in range(1, 6):
        copy(os.path.join(stage, "programs", names.program(n)), os.path.join(lib, names.program(n)))
        pages = os.path.join(share, "tintwell/pages", names.folder_name(n))
        for name in sorted(os.listdir(os.path.join(stage, "pages", str(n)))):
            copy(os.path.join(stage, "pages", str(n), name), os.path.join(pages, name))
        write(os.path.join(share, "applications/tintwell-%d.desktop" % n),
              desktop_entry(names.edition_name(n), "Colouring book", "Colour fifty pages with a click",
                            "tintwell %d" % n, "tintwell-%d" % n))
    copy(os.path.join(stage, "programs", "tintwell-pictures.exe"), os.path.join(lib, "tintwell-pictures.exe"))
    write(os.path.join(share, "applications/tintwell-pictures.desktop"),
          desktop_entry("Save the pictures", "Tintwell picture saver",
                        "Save every coloured Tintwell page as a picture in Documents/Tintwell/Pictures",
                        "tintwell pictures", "tintwell-1"))
    icons(root)
    write(os.path.join(root, "usr/bin/tintwell"), launcher(), 0o755)
    write(os.path.join(share, "man/man1/tintwell.1.gz"), gzipped(template("tintwell.1", VERSION=version)))
    doc = os.path.join(share, "doc/tintwell")
    with open(os.path.join(stage, "programs", "LICENCES.txt"), encoding="utf-8") as f:
        licences = f.read().replace("\r\n", "\n")
    write(os.path.join(doc, "copyright"),
          "Tintwell\n\nCopyright 2026 the Tintwell authors. The programs, their own drawings and\n"
          "their music are Tintwell's own work.\n\n" + licences)
    write(os.path.join(doc, "changelog.gz"), gzipped(
        "tintwell (%s) stable; urgency=medium\n\n  * This release.\n\n"
        " -- Tintwell <tintwell@example.org>  Thu, 01 Jan 2026 00:00:00 +0000\n" % version))


def control(root, version):
    size = 0
    sums = []
    for folder, dirs, files in os.walk(root):
        dirs.sort()
        for name in sorted(files):
            path = os.path.join(folder, name)
            size += os.path.getsize(path)
            with open(path, "rb") as f:
                sums.append("%s  %s\n" % (hashlib.md5(f.read()).hexdigest(), os.path.relpath(path, root)))
    debian = os.path.join(root, "DEBIAN")
    write(os.path.join(debian, "control"), template("control", VERSION=version, SIZE=str((size + 1023) // 1024)))
    write(os.path.join(debian, "md5sums"), "".join(sums))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    stage, dist, version = sys.argv[1:]
    root = os.path.join(stage, "deb")
    shutil.rmtree(root, ignore_errors=True)
    lay_out(stage, root, version)
    control(root, version)
    for folder, dirs, files in os.walk(root):
        os.chmod(folder, 0o755)
        for name in dirs + files:
            os.utime(os.path.join(folder, name), (MTIME, MTIME), follow_symlinks=False)
    os.utime(root, (MTIME, MTIME))
    target = os.path.join(dist, "tintwell_%s_all.deb" % version)
    subprocess.run(["dpkg-deb", "--root-owner-group", "-Zxz", "--build", root, target],
                   check=True, stdout=subprocess.DEVNULL, env=dict(os.environ, SOURCE_DATE_EPOCH=str(MTIME)))


if __name__ == "__main__":
    main()
