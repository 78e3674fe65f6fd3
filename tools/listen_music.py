#!/usr/bin/python3
"""Listens to the five songs as a parent would hear them: renders each song with FluidSynth
(FluidR3 GM, gain 1.0) and measures what an hour of it sounds like. Also the library of
measures that tests/music/check_music.py holds the songs to.

    /usr/bin/python3 tools/listen_music.py [--root DIR] [--out DIR]

The song is rendered in three parts that add up to the whole: the tune alone, the harmony
line alone, and everything else (accompaniment, bass, drums). Figures per song:
- one pass in seconds, peak and RMS in dBFS;
- per 8-bar section, the tune's margin: the tune's level against all the other parts
  together, and against the harmony line alone, both over the moments the tune sounds;
- strong-beat clashes: an accompanying note a semitone (or a semitone and octaves) from a
  sounding tune note on beat one or three, or struck anywhere against a sounding tune note
  (a walking bass's passing note on a weak beat that steps on excepted);
- out-of-key bass notes: outside the major scale of the key signature in force, other than
  approach notes on weak beats that start under no held tune note;
- the seam dip: the median level (RMS in 500 ms windows, 100 ms apart) of the 8 s before
  the loop point minus the quietest window within 1.5 s of it, on the pass followed by
  itself (cut off at the loop point, as the program resets the synthesiser there), and the
  same dip at its worst anywhere inside the song, for comparison.
With --out, saves the renderings and, per song, a spectrogram of the seam and a plot of the
parts' levels by section. Needs fluidsynth, fluid-soundfont-gm and sox."""
import argparse
import os
import struct
import subprocess
import tempfile
import wave
import zlib

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
FILES = ["tntwl.mid"] + ["tntwl%d.mid" % n for n in range(2, 6)]
SECTION_BARS = 8
RATE = 22050   # enough for levels, and half the work of 44.1 kHz
BASS_PROGRAMS = set(range(32, 40)) | {43, 58}   # the basses, contrabass and tuba
MAJOR = (0, 2, 4, 5, 7, 9, 11)
FLATS_SHARPS_TO_KEY = {0: 0, 1: 7, 2: 2, 3: 9, 4: 4, 5: 11, 6: 6, -1: 5, -2: 10, -3: 3, -4: 8, -5: 1, -6: 6}


def chunks(data, offset):
    while offset < len(data):
        kind, length = data[offset:offset + 4], struct.unpack(">I", data[offset + 4:offset + 8])[0]
        yield kind, data[offset + 8:offset + 8 + length]
        offset += 8 + length


def events(body):
    """[(absolute tick, event bytes with its status written out)] of one track, up to End of Track."""
    out, i, tick, running = [], 0, 0, 0
    while i < len(body):
        value = 0
        while True:
            b = body[i]
            i += 1
            value = (value << 7) | (b & 0x7F)
            if b < 0x80:
                break
        tick += value
        status = body[i]
        if status == 0xFF:
            length, j = 0, i + 2
            while True:
                length = (length << 7) | (body[j] & 0x7F)
                j += 1
                if body[j - 1] < 0x80:
                    break
            out.append((tick, body[i:j + length]))
            if body[i + 1] == 0x2F:
                break
            i = j + length
            continue
        if status >= 0x80:
            running, i = status, i + 1
        size = 1 if running >> 4 in (0xC, 0xD) else 2
        out.append((tick, bytes([running]) + body[i:i + size]))
        i += size
    return out


class Song:
    """A song file read for listening: its tracks' events and notes, tempo and keys."""

    def __init__(self, data):
        self.data = data
        self.division = struct.unpack(">h", data[12:14])[0]
        self.tempo = 500000
        self.tracks, self.names, self.programs, self.keys = [], [], {}, []
        self.end = 0
        for _, body in chunks(data, 14):
            evs = events(body)
            self.tracks.append(evs)
            self.end = max(self.end, evs[-1][0])
            name = ""
            for tick, e in evs:
                if e[0] == 0xFF and e[1] == 0x03:
                    name = e[3:].decode("ascii")
                elif e[0] == 0xFF and e[1] == 0x51:
                    self.tempo = int.from_bytes(e[3:6], "big")
                elif e[0] == 0xFF and e[1] == 0x59:
                    self.keys.append((tick, FLATS_SHARPS_TO_KEY[struct.unpack("b", e[3:4])[0]]))
                elif e[0] >> 4 == 0xC:
                    self.programs[e[0] & 0x0F] = e[1]
            self.names.append(name)
        self.notes = [self._notes(evs) for evs in self.tracks]   # per track: (start, end, channel, key)
        self.seconds = self.end * self.tempo / self.division / 1e6

    @staticmethod
    def _notes(evs):
        held, out = {}, []
        for tick, e in evs:
            kind, channel = e[0] >> 4, e[0] & 0x0F
            if kind == 0x9 and e[2] > 0:
                held.setdefault((channel, e[1]), []).append(tick)
            elif kind in (0x8, 0x9):
                out.append((held[(channel, e[1])].pop(0), tick, channel, e[1]))
        return sorted(out)

    def part(self, name):
        return self.notes[self.names.index(name)] if name in self.names else []

    def seconds_at(self, tick):
        return tick * self.tempo / self.division / 1e6

    def key_at(self, tick):
        key = 0
        for at, k in self.keys:
            if at <= tick:
                key = k
        return key

    def sections(self):
        """(first tick, end tick) of each 8-bar section; a short last one joins the one before."""
        size = SECTION_BARS * 4 * self.division
        bounds = list(range(0, self.end, size)) + [self.end]
        if len(bounds) > 2 and bounds[-1] - bounds[-2] < size // 2:
            del bounds[-2]
        return list(zip(bounds, bounds[1:]))

    def only(self, keep):
        """The file with the notes of every track not named in `keep` taken out; all set-up
        and timing stays."""
        out = bytearray(self.data[:14])
        for name, evs in zip(self.names, self.tracks):
            body, now = bytearray(), 0
            for tick, e in evs:
                if name not in keep and e[0] >> 4 in (0x8, 0x9):
                    continue
                value, vl = tick - now, [(tick - now) & 0x7F]
                value >>= 7
                while value:
                    vl.append(0x80 | (value & 0x7F))
                    value >>= 7
                body += bytes(reversed(vl)) + e
                now = tick
            out += b"MTrk" + struct.pack(">I", len(body)) + body
        return bytes(out)


def rubs(a, b):
    return (a - b) % 12 in (1, 11)


def sounding(notes, tick):
    return [n for n in notes if n[0] <= tick < n[1]]


def clashes(song):
    """Accompanying notes that rub a semitone against the tune, as (tick, tune key, other key)."""
    tune = song.part("Tune")
    others = [n for name, notes in zip(song.names, song.notes) if name not in ("Tune", "Drums") for n in notes
              if n[2] != 9]
    by_channel = {}
    for n in others:
        by_channel.setdefault(n[2], []).append(n)
    found = set()
    beat2 = 2 * song.division
    for tick in range(0, song.end, beat2):          # beats one and three
        for t in sounding(tune, tick):
            for n in sounding(others, tick):
                if rubs(t[3], n[3]):
                    found.add((tick, t[3], n[3]))
    for n in others:                                 # struck against a sounding tune note
        for t in sounding(tune, n[0]):
            if not rubs(t[3], n[3]):
                continue
            line = by_channel[n[2]]
            after = line[line.index(n) + 1] if line.index(n) + 1 < len(line) else None
            passing = (song.programs.get(n[2]) in BASS_PROGRAMS and n[0] % beat2 != 0
                       and n[1] - n[0] <= song.division and after is not None and 0 < abs(after[3] - n[3]) <= 2)
            if not passing:
                found.add((n[0], t[3], n[3]))
    return sorted(found)


def bass_out_of_key(song):
    """Bass notes outside the key, other than approach notes on weak beats under no held tune note."""
    tune = song.part("Tune")
    out = []
    for name, notes in zip(song.names, song.notes):
        for start, end, channel, key in notes:
            if name == "Drums" or song.programs.get(channel) not in BASS_PROGRAMS:
                continue
            if (key - song.key_at(start)) % 12 in MAJOR:
                continue
            weak = start % (2 * song.division) != 0 and end - start <= song.division
            held = any(t[0] < start < t[1] for t in tune)
            if not weak or held:
                out.append((start, key))
    return out


def render(mid_path, wav_path):
    subprocess.run(["fluidsynth", "-ni", "-g", "1.0", "-r", str(RATE), "-F", wav_path, SOUNDFONT, mid_path],
                   check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    with wave.open(wav_path) as w:
        rate, n, channels = w.getframerate(), w.getnframes(), w.getnchannels()
        x = np.frombuffer(w.readframes(n), dtype=np.int16).reshape(-1, channels).astype(float) / 32768
    return rate, x


def render_parts(song, out):
    """{"tune", "harmony", "rest"}: the stereo renderings of the parts, one pass long each."""
    parts = {"tune": {"Tune"}, "harmony": {"Harmony"}, "rest": set(song.names) - {"Tune", "Harmony"}}
    audio, rate = {}, RATE
    for part, keep in parts.items():
        mid, wav = os.path.join(out, part + ".mid"), os.path.join(out, part + ".wav")
        with open(mid, "wb") as f:
            f.write(song.only(keep))
        rate, x = render(mid, wav)
        audio[part] = x
    n = int(round(song.seconds * rate))
    for part in audio:   # the program resets the synthesiser at the loop point: nothing sounds past it
        x = audio[part][:n]
        audio[part] = np.vstack([x, np.zeros((n - len(x), 2))])
    return rate, audio


def level_db(x):
    return 10 * np.log10(max(float((x ** 2).mean()), 1e-12))


def margins(song, rate, audio):
    """Per section: (first bar, last bar, tune over all else in dB, tune over the harmony in dB or None)."""
    mask_tune = np.zeros(len(audio["tune"]), bool)
    mask_harm = np.zeros(len(audio["tune"]), bool)
    for mask, notes in ((mask_tune, song.part("Tune")), (mask_harm, song.part("Harmony"))):
        for start, end, _, _ in notes:
            mask[int(song.seconds_at(start) * rate):int(song.seconds_at(end) * rate)] = True
    both = mask_tune & mask_harm
    rest = audio["rest"] + audio["harmony"]
    bar = 4 * song.division
    out = []
    for a, b in song.sections():
        span = slice(int(song.seconds_at(a) * rate), int(song.seconds_at(b) * rate))
        m = mask_tune[span]
        tune = level_db(audio["tune"][span][m])
        over_all = tune - level_db(rest[span][m])
        hm = both[span]
        over_harmony = None
        if hm.sum() > rate:   # the harmony line plays for at least a second of the section
            over_harmony = level_db(audio["tune"][span][hm]) - level_db(audio["harmony"][span][hm])
        out.append((a // bar + 1, b // bar, over_all, over_harmony))
    return out


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


class Listening:
    """Everything measured of one song."""

    def __init__(self, data, out):
        song = self.song = Song(data)
        self.seconds = song.seconds
        self.rate, self.audio = render_parts(song, out)
        mix = self.audio["tune"] + self.audio["harmony"] + self.audio["rest"]
        self.mix = mix
        self.peak = 20 * np.log10(np.abs(mix).max())
        self.rms = level_db(mix)
        self.margins = margins(song, self.rate, self.audio)
        self.clashes = clashes(song)
        self.bass_out_of_key = bass_out_of_key(song)
        centres, level = windows_db(np.vstack([mix, mix]), self.rate)
        self.seam = dip_at(centres, level, self.seconds)
        self.inside = max(dip_at(centres, level, t) for t in np.arange(9.0, self.seconds - 2, 0.5))

    def lowest_margin(self):
        return min(m[2] for m in self.margins)

    def lowest_harmony_margin(self):
        return min((m[3] for m in self.margins if m[3] is not None), default=None)

    def plot(self, path):
        """A PNG of the parts' levels in 2 s windows over the pass (tune red, harmony green, the
        rest blue; -10 dBFS at the top, -50 at the bottom), with a grey line at each section."""
        width, height = 1000, 300
        img = np.full((height, width, 3), 255, np.uint8)
        colours = {"tune": (200, 30, 30), "harmony": (30, 120, 30), "rest": (40, 40, 200)}
        step = len(self.mix) / width
        for part, colour in colours.items():
            x = self.audio[part]
            for px in range(width):
                seg = x[int(px * step):int(px * step + 2 * self.rate)]
                db = level_db(seg) if len(seg) else -120
                y = int(np.clip((-db - 10) / 40 * height, 0, height - 1))
                img[max(0, y - 1):y + 1, px] = colour
        for a, _ in self.song.sections():
            img[:, int(self.song.seconds_at(a) / self.seconds * (width - 1))] = (180, 180, 180)
        raw = b"".join(b"\x00" + row.tobytes() for row in img)

        def chunk(kind, body):
            return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))
        with open(path, "wb") as f:
            f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
                    + chunk(b"IDAT", zlib.compress(raw)) + chunk(b"IEND", b""))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--root", default=ROOT)
    ap.add_argument("--out", help="keep the renderings, level plots and spectrograms here")
    args = ap.parse_args()
    out = args.out or tempfile.mkdtemp(prefix="tintwell-music-")
    os.makedirs(out, exist_ok=True)
    rows = []
    for n, name in enumerate(FILES, 1):
        with open(os.path.join(args.root, "editions", str(n), name), "rb") as f:
            data = f.read()
        work = os.path.join(out, str(n))
        os.makedirs(work, exist_ok=True)
        heard = Listening(data, work)
        print("%s: %.1f s a pass, RMS %.1f dBFS, peak %.1f dBFS" % (name, heard.seconds, heard.rms, heard.peak))
        for first, last, over_all, over_harmony in heard.margins:
            print("  bars %3d-%3d: tune %+5.1f dB over the rest%s" % (
                first, last, over_all, "" if over_harmony is None else ", %+5.1f dB over the harmony" % over_harmony))
        rows.append((name, heard))
        with wave.open(os.path.join(work, "mix.wav"), "wb") as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(heard.rate)
            w.writeframes((np.clip(np.vstack([heard.mix, heard.mix]), -1, 1) * 32767).astype(np.int16).tobytes())
        heard.plot(os.path.join(out, "levels-%d.png" % n))
        subprocess.run(["sox", os.path.join(work, "mix.wav"), "-n", "trim", "%.1f" % max(0, heard.seconds - 10), "20",
                        "remix", "-", "spectrogram", "-x", "1000", "-y", "257", "-t",
                        "%s around the loop point" % name, "-o", os.path.join(out, "seam-%d.png" % n)], check=True)
    print()
    print("| song | length | lowest tune margin | lowest margin over harmony | strong-beat clashes | "
          "out-of-key bass | seam dip | worst dip inside | passes an hour |")
    print("|---|---|---|---|---|---|---|---|---|")
    for name, h in rows:
        hm = h.lowest_harmony_margin()
        print("| %s | %d:%02d | %+.1f dB | %s | %d | %d | %.1f dB | %.1f dB | %.1f |" % (
            name, h.seconds // 60, h.seconds % 60, h.lowest_margin(), "-" if hm is None else "%+.1f dB" % hm,
            len(h.clashes), len(h.bass_out_of_key), h.seam, h.inside, 3600 / h.seconds))
    print("renderings, level plots and spectrograms in", out)


if __name__ == "__main__":
    main()
