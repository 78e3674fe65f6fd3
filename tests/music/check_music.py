#!/usr/bin/python3
"""Checks the five committed songs note by note and as they sound, rendered with FluidSynth.

1. Regenerating them (tools/gen_music.py) reproduces every committed byte.
2. Each pass lasts four to six minutes, so that an hour is a dozen or so passes rather than
   thirty.
3. The tune stands out: in every 8-bar section it is at least 3 dB above all the other parts
   together and at least 6 dB above the harmony line (FluidR3 GM, gain 1.0, over the moments
   the tune sounds), and no chord note sounds above a tune note it accompanies.
4. The harmony is clean: no accompanying note a semitone (or a semitone and octaves) from a
   sounding tune note on beat one or three, or struck against one anywhere (a walking bass's
   passing note on a weak beat excepted); no bass note outside the key other than an
   approach note on a weak beat under no held tune note.
5. Played into its own beginning, no song dips by 6 dB or more at its loop point (the median
   level of the 8 s before it against the quietest 500 ms window within 1.5 s of it): the
   loop carries on instead of ending and starting again.
6. The five songs sit about -23 dBFS RMS (within 3 dB of it and of each other) and leave
   headroom (peaks below -3 dBFS), so the wave sounds can be balanced against any of them.

    /usr/bin/python3 tests/music/check_music.py [--root DIR]

Exit code 0 when everything holds, 1 otherwise."""
import argparse
import os
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "tools"))

from listen_music import FILES, BASS_PROGRAMS, Listening  # noqa: E402

SECONDS = (240, 360)
TUNE_MARGIN_DB, HARMONY_MARGIN_DB = 3.0, 6.0
SEAM_DIP_DB = 6.0
LEVEL_DB, LEVEL_SPREAD_DB, PEAK_DB = -23.0, 3.0, -3.0


def chords_above_tune(song):
    """Chord notes (not the bass) that sound above a tune note they overlap."""
    tune = song.part("Tune")
    out = []
    for start, end, channel, key in song.part("Accompaniment"):
        if song.programs.get(channel) in BASS_PROGRAMS:
            continue
        if any(t[0] < end and start < t[1] and key >= t[3] for t in tune):
            out.append((start, key))
    return out


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
            heard = Listening(data, out)
            song = heard.song
            levels[name] = heard.rms
            worst = min(heard.margins, key=lambda m: m[2])
            print("%s: %.1f s a pass, RMS %.1f dBFS, peak %.1f dBFS, tune at least %+.1f dB over the rest "
                  "(bars %d-%d), %d clashes, %d bass notes out of key, %.1f dB dip at the loop point"
                  % (name, heard.seconds, heard.rms, heard.peak, worst[2], worst[0], worst[1], len(heard.clashes),
                     len(heard.bass_out_of_key), heard.seam))
            if not SECONDS[0] <= heard.seconds <= SECONDS[1]:
                failures.append("%s lasts %.1f s a pass, not %d to %d" % (name, heard.seconds, *SECONDS))
            for first, last, over_all, over_harmony in heard.margins:
                if over_all < TUNE_MARGIN_DB:
                    failures.append("%s bars %d-%d: the tune is only %+.1f dB over the rest"
                                    % (name, first, last, over_all))
                if over_harmony is not None and over_harmony < HARMONY_MARGIN_DB:
                    failures.append("%s bars %d-%d: the harmony line is only %.1f dB under the tune"
                                    % (name, first, last, over_harmony))
            bar = 4 * song.division
            for tick, tune_key, other in heard.clashes[:5]:
                failures.append("%s bar %d beat %g: %d rubs against the tune's %d"
                                % (name, tick // bar + 1, tick % bar / song.division + 1, other, tune_key))
            for tick, key in heard.bass_out_of_key[:5]:
                failures.append("%s bar %d: bass note %d is out of key" % (name, tick // bar + 1, key))
            for tick, key in chords_above_tune(song)[:5]:
                failures.append("%s bar %d: chord note %d above the tune" % (name, tick // bar + 1, key))
            if heard.seam >= SEAM_DIP_DB:
                failures.append("%s dips by %.1f dB at its loop point" % (name, heard.seam))
            if heard.peak >= PEAK_DB:
                failures.append("%s peaks at %.1f dBFS" % (name, heard.peak))
            if abs(heard.rms - LEVEL_DB) > LEVEL_SPREAD_DB:
                failures.append("%s plays at %.1f dBFS RMS" % (name, heard.rms))
    spread = max(levels.values()) - min(levels.values())
    if spread > LEVEL_SPREAD_DB:
        failures.append("the songs' levels differ by %.1f dB: %s" % (spread, levels))
    for f in failures:
        print("FAIL:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
