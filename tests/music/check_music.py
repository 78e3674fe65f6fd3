#!/usr/bin/python3
"""Checks the five committed songs as they sound, rendered with FluidSynth.

1. Regenerating them (tools/gen_music.py) reproduces every committed byte.
2. Played twice end to end, no song dips by 6 dB or more at its loop point (the median level
   of the 8 s before it against the quietest 500 ms window within 1.5 s of it): the loop
   carries on instead of ending and starting again.
3. The five songs are equally loud (RMS within 3 dB of each other) and leave headroom
   (peaks below -3 dBFS), so the wave sounds can be balanced against any of them.

    /usr/bin/python3 tests/music/check_music.py [--root DIR]

Exit code 0 when everything holds, 1 otherwise."""
import argparse
import os
import subprocess
import sys
import tempfile

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

from listen_music import FILES, dip_at, played_twice, render, song_duration, windows_db  # noqa: E402

SEAM_DIP_DB = 6.0


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=ROOT)
    args = ap.parse_args()
    failures, levels = [], {}
    with tempfile.TemporaryDirectory(prefix="tintwell-music-") as out:
        subprocess.run([sys.executable, os.path.join(args.root, "tools", "gen_music.py"), out], check=True,
                       stdout=subprocess.DEVNULL)
        for n, name in enumerate(FILES, 1):
            rel = os.path.join("editions", str(n), name)
            with open(os.path.join(args.root, rel), "rb") as f:
                data = f.read()
            with open(os.path.join(out, rel), "rb") as f:
                if f.read() != data:
                    failures.append("%s differs from what tools/gen_music.py makes" % rel)
            seconds = song_duration(data)
            twice = os.path.join(out, "twice.mid")
            with open(twice, "wb") as f:
                f.write(played_twice(data))
            rate, x = render(twice, os.path.join(out, "twice.wav"))
            centres, level = windows_db(x, rate)
            dip = dip_at(centres, level, seconds)
            first = x[:int(seconds * rate)]
            peak = 20 * np.log10(np.abs(first).max())
            levels[name] = 20 * np.log10(np.sqrt((first ** 2).mean()))
            print("%s: %.1f s a pass, RMS %.1f dBFS, peak %.1f dBFS, %.1f dB dip at the loop point"
                  % (name, seconds, levels[name], peak, dip))
            if dip >= SEAM_DIP_DB:
                failures.append("%s dips by %.1f dB at its loop point" % (name, dip))
            if peak >= -3:
                failures.append("%s peaks at %.1f dBFS" % (name, peak))
    spread = max(levels.values()) - min(levels.values())
    if spread > 3:
        failures.append("the songs' levels differ by %.1f dB: %s" % (spread, levels))
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
