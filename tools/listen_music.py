#!/usr/bin/python3
"""Listens to the five songs as a parent would hear them: renders each song played twice end
to end with FluidSynth and prints its length, its level and how the level moves across the
loop point, and saves a spectrogram of the seam.

    /usr/bin/python3 tools/listen_music.py [--root DIR] [--out DIR]

Figures per song: one pass in seconds; peak and RMS in dBFS; the seam dip, which is the
median level (RMS in 500 ms windows, 100 ms apart) of the 8 s before the loop point minus
the quietest window within 1.5 s of it; and the same dip at its worst anywhere inside the
song, for comparison. Needs fluidsynth, fluid-soundfont-gm and sox."""
import argparse
import os
import struct
import subprocess
import tempfile
import wave

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
FILES = ["tntwl.mid"] + ["tntwl%d.mid" % n for n in range(2, 6)]


def chunks(data, offset):
    while offset < len(data):
        kind, length = data[offset:offset + 4], struct.unpack(">I", data[offset + 4:offset + 8])[0]
        yield kind, data[offset + 8:offset + 8 + length]
        offset += 8 + length


def played_twice(data):
    """The song with every track's events written twice in a row, the second pass starting
    where End of Track was: what the program plays when it starts the song again."""
    head = data[:14]
    out = bytearray(head)
    for kind, body in chunks(data, 14):
        # The delta-time before End of Track becomes the delta-time of the second pass's first
        # event, which stands at tick 0 of its pass.
        assert kind == b"MTrk" and body.endswith(b"\xFF\x2F\x00") and body[0] == 0
        twice = body[:-3] + body[1:]
        out += b"MTrk" + struct.pack(">I", len(twice)) + twice
    return bytes(out)


def render(mid_path, wav_path):
    subprocess.run(["fluidsynth", "-ni", "-g", "1.0", "-F", wav_path, SOUNDFONT, mid_path], check=True,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with wave.open(wav_path) as w:
        rate, n, channels = w.getframerate(), w.getnframes(), w.getnchannels()
        x = np.frombuffer(w.readframes(n), dtype=np.int16).reshape(-1, channels).astype(float) / 32768
    return rate, x


def windows_db(x, rate, width=0.5, hop=0.1):
    mono = np.sqrt((x ** 2).mean(axis=1))
    size, step = int(width * rate), int(hop * rate)
    power = np.cumsum(np.concatenate([[0], mono ** 2]))
    starts = np.arange(0, len(mono) - size, step)
    rms = np.sqrt((power[starts + size] - power[starts]) / size)
    centres = (starts + size / 2) / rate
    return centres, 20 * np.log10(np.maximum(rms, 1e-6))


def dip_at(centres, level, t):
    before = level[(centres > t - 8) & (centres < t - 0.25)]
    near = level[np.abs(centres - t) <= 1.5]
    return float(np.median(before) - near.min())


def song_duration(data):
    """Seconds of one pass from the tempo and the tracks' lengths (one tempo for the song)."""
    division = struct.unpack(">h", data[12:14])[0]
    tempo, longest = 500000, 0
    for _, body in chunks(data, 14):
        i, ticks, running = 0, 0, 0
        while i < len(body):
            value = 0
            while True:
                b = body[i]
                i += 1
                value = (value << 7) | (b & 0x7F)
                if b < 0x80:
                    break
            ticks += value
            status = body[i]
            if status == 0xFF:
                kind, length = body[i + 1], body[i + 2]
                if kind == 0x51:
                    tempo = int.from_bytes(body[i + 3:i + 6], "big")
                if kind == 0x2F:
                    break
                i += 3 + length
                continue
            if status >= 0x80:
                running, i = status, i + 1
            i += 1 if running >> 4 in (0xC, 0xD) else 2
        longest = max(longest, ticks)
    return longest * tempo / division / 1e6


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=ROOT)
    ap.add_argument("--out", help="keep the renderings and spectrograms here")
    args = ap.parse_args()
    out = args.out or tempfile.mkdtemp(prefix="tintwell-music-")
    os.makedirs(out, exist_ok=True)
    print("%-10s %8s %8s %8s %10s %12s" % ("song", "pass s", "peak dB", "RMS dB", "seam dip", "worst inside"))
    for n, name in enumerate(FILES, 1):
        with open(os.path.join(args.root, "editions", str(n), name), "rb") as f:
            data = f.read()
        seconds = song_duration(data)
        twice = os.path.join(out, "twice-%d.mid" % n)
        with open(twice, "wb") as f:
            f.write(played_twice(data))
        wav = os.path.join(out, "twice-%d.wav" % n)
        rate, x = render(twice, wav)
        first = x[:int(seconds * rate)]
        peak = 20 * np.log10(np.abs(first).max())
        rms = 20 * np.log10(np.sqrt((first ** 2).mean()))
        centres, level = windows_db(x, rate)
        seam = dip_at(centres, level, seconds)
        inside = max(dip_at(centres, level, t) for t in np.arange(9.0, seconds - 2, 0.5))
        print("%-10s %8.1f %8.1f %8.1f %8.1f dB %9.1f dB" % (name, seconds, peak, rms, seam, inside))
        subprocess.run(["sox", wav, "-n", "trim", "%.1f" % max(0, seconds - 10), "20", "remix", "-",
                        "spectrogram", "-x", "1000", "-y", "257", "-t", "%s around the loop point" % name,
                        "-o", os.path.join(out, "seam-%d.png" % n)], check=True)
    print("renderings and spectrograms in", out)


if __name__ == "__main__":
    main()
