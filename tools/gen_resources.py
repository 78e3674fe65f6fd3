#!/usr/bin/python3
"""Regenerates every bitmap, icon, the cursor, the wave sounds and their resource scripts
under editions/, and the contact sheets under docs/contact-sheets/.

    /usr/bin/python3 tools/gen_resources.py [--root DIR] [--no-sheets]

The output is the same, byte for byte, on every run (fonts from fonts-dejavu-core and
fonts-liberation, Python 3 with PIL, numpy and scipy)."""
import argparse
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from resources.build import build_all  # noqa: E402


def write_files(files, out_root):
    for rel, data in sorted(files.items()):
        path = os.path.join(out_root, rel)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=os.path.dirname(HERE), help="repository root (default: this tree)")
    ap.add_argument("--out", help="write the resource files under this directory instead of --root")
    ap.add_argument("--no-sheets", action="store_true", help="skip the contact sheets")
    args = ap.parse_args()
    files = build_all(args.root)
    write_files(files, args.out or args.root)
    print("wrote %d resource files" % len(files))
    if not args.no_sheets:
        from resources.resource_sheets import write_sheets
        for path in write_sheets(files, args.root, os.path.join(args.out or args.root, "docs", "contact-sheets")):
            print("wrote", os.path.relpath(path, args.out or args.root))


if __name__ == "__main__":
    main()
