#!/usr/bin/python3
"""Writes the five editions' background tunes: editions/N/tntwl.mid (N=1), tntwlN.mid (N=2..5).

Each tune is a Standard MIDI File of format 1: a tempo track, then melody, bass, an
accompaniment and soft percussion on channel 10. The tunes are composed here from a few
rules (chord progressions, rhythm cells, stepwise melodies that land on chord tones) with a
fixed pseudo-random generator, so every run writes the same bytes. Every track ends on the
same bar line, so the song loops without a gap in the music.

Usage: tools/gen_music.py [REPO_ROOT]
"""
import os
import struct
import sys

DIVISION = 480          # ticks per quarter note
EIGHTH = DIVISION // 2
MAJOR = [0, 2, 4, 5, 7, 9, 11]


class Lcg:
    """A small fixed generator, the same on every Python."""

    def __init__(self, seed):
        self.state = seed & 0xFFFFFFFF

    def next(self):
        self.state = (self.state * 1664525 + 1013904223) & 0xFFFFFFFF
        return self.state >> 8

    def below(self, n):
        return self.next() % n

    def choice(self, items):
        return items[self.below(len(items))]


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []  # (tick, order, bytes); order puts note-offs before note-ons
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + varlen(len(data)) + data))

    def channel(self, tick, status, *data, order=2):
        self.events.append((tick, order, bytes([status]) + bytes(data)))

    def note(self, tick, length, channel, key, velocity):
        self.channel(tick, 0x90 | channel, key, velocity, order=2)
        self.channel(tick + length, 0x90 | channel, key, 0, order=1)  # note-on with velocity 0 ends it

    def encode(self, end_tick):
        out = bytearray()
        now = 0
        running = None
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            assert tick <= end_tick, "event after the loop point"
            out += varlen(tick - now)
            now = tick
            if data[0] < 0xF0 and data[0] == running:
                out += data[1:]  # running status
            else:
                out += data
                if data[0] < 0xF0:
                    running = data[0]
        out += varlen(end_tick - now) + b"\xFF\x2F\x00"
        return b"MTrk" + struct.pack(">I", len(out)) + bytes(out)


def midi_file(tracks, end_tick):
    head = b"MThd" + struct.pack(">IhhH", 6, 1, len(tracks), DIVISION)
    return head + b"".join(t.encode(end_tick) for t in tracks)


# Chords as scale degrees (0 = I). A phrase is eight bars; the last bar of a phrase is
# its cadence.
PROGRESSIONS = {
    "A": [0, 3, 4, 0, 0, 3, 4, 0],
    "A2": [0, 5, 3, 4, 0, 5, 4, 0],
    "B": [3, 0, 3, 4, 5, 3, 1, 4],
    "B2": [3, 4, 0, 5, 3, 0, 4, 4],
    "C": [5, 3, 0, 4, 5, 3, 4, 0],
}

RHYTHMS = {  # in eighth notes per bar
    4: [[2, 2, 2, 2], [2, 1, 1, 2, 2], [3, 1, 2, 2], [1, 1, 2, 2, 2], [2, 2, 1, 1, 2], [4, 2, 2], [2, 2, 4]],
    3: [[2, 2, 2], [3, 1, 2], [2, 1, 1, 2], [4, 2], [2, 4]],
}
CADENCE_RHYTHM = {4: [2, 2, 4], 3: [2, 4]}
FINAL_RHYTHM = {4: [8], 3: [6]}


def chord_tones(root):
    return {root % 7, (root + 2) % 7, (root + 4) % 7}


def nearest_chord_tone(position, root, low, high, rng):
    tones = chord_tones(root)
    candidates = [p for p in range(low, high + 1) if p % 7 in tones]
    best = min(abs(p - position) for p in candidates)
    near = [p for p in candidates if abs(p - position) == best]
    return rng.choice(near)


# Where the melody's bar starts aim within a phrase: up through the first half, down to
# the keynote at the end (scale positions, 0 = keynote, 7 = its octave).
CONTOUR = [2, 4, 5, 4, 4, 6, 3, 0]


def plan_starts(rng, chords, low, high):
    """The first note of every bar: a chord tone near the phrase's contour."""
    starts = []
    for bar, root in enumerate(chords):
        aim = CONTOUR[bar % 8] + (0 if bar % 8 in (3, 7) else rng.choice([-1, 0, 0, 1]))
        starts.append(nearest_chord_tone(aim, root, low, high, rng))
    return starts


def melody_bar(rng, rhythm, start, target, low, high):
    """Scale positions for one bar: runs of steps (now and then a third) from start that
    reach the note before the next bar's start one step away from it."""
    notes = [start]
    position = start
    direction = 1 if target >= start else -1
    for i in range(1, len(rhythm)):
        left = len(rhythm) - i  # notes still to play, the target not counted
        options = []
        for step in (direction, -direction, 2 * direction, -2 * direction):
            new = position + step
            if not low <= new <= high or abs(target - new) > 2 * left:
                continue
            if left == 1 and abs(target - new) != 1:
                continue
            options.append(step)
        if not options:
            step = 1 if target > position else -1
        elif rng.below(3) > 0:
            step = options[0]
        else:
            step = rng.choice(options)
        direction = 1 if step > 0 else -1
        position = max(low, min(high, position + step))
        notes.append(position)
    return list(zip(notes, rhythm))


def pitch(tonic, position):
    return tonic + 12 * (position // 7) + MAJOR[position % 7]


class Song:
    def __init__(self, number, title, seed, tonic, beats, bpm, form, programs, feel, level):
        self.number = number
        self.title = title
        self.seed = seed
        self.tonic = tonic          # MIDI key of the melody's scale position 0
        self.beats = beats          # 4 or 3 beats a bar
        self.bpm = bpm
        self.form = form            # progression names, one per phrase
        self.programs = programs    # melody, bass, accompaniment
        self.feel = feel            # "arpeggio", "waltz", "march" or "lullaby"
        self.level = level          # channel volume factor: the five tunes sound equally loud


SONGS = [
    Song(1, "Sunny Meadow", 11, 65, 4, 100, ["A", "A2", "B", "A"], (12, 32, 24), "arpeggio", 1.0),
    Song(2, "Little Boat", 23, 72, 3, 126, ["A", "A2", "B", "B2", "A"], (10, 45, 46), "waltz", 1.05),
    Song(3, "Teddy March", 37, 67, 4, 112, ["A", "A2", "B", "C", "A"], (71, 58, 9), "march", 0.74),
    Song(4, "Sleepy Stars", 41, 62, 3, 96, ["A", "B", "A2"], (11, 33, 0), "lullaby", 1.15),
    Song(5, "Puddle Jump", 53, 70, 4, 116, ["A", "B2", "A2", "C", "A"], (13, 32, 108), "arpeggio", 1.4),
]


def compose(song):
    rng = Lcg(song.seed)
    bar_ticks = song.beats * DIVISION
    chords = [c for name in song.form for c in PROGRESSIONS[name]]
    bars = len(chords)
    end_tick = bars * bar_ticks
    rhythms = RHYTHMS[song.beats]

    tempo = Track(song.title)
    tempo.meta(0, 0x58, bytes([song.beats, 2, 24, 8]))
    tempo.meta(0, 0x59, bytes([0, 0]))
    tempo.meta(0, 0x51, struct.pack(">I", round(60_000_000 / song.bpm))[1:])

    def instrument(name, channel, program, volume, pan):
        t = Track(name)
        t.channel(0, 0xC0 | channel, program, order=0)
        t.channel(0, 0xB0 | channel, 7, min(127, round(volume * song.level)), order=0)
        t.channel(0, 0xB0 | channel, 10, pan, order=0)
        t.channel(0, 0xB0 | channel, 91, 40, order=0)
        return t

    melody = instrument("Melody", 0, song.programs[0], 100, 64)
    bass = instrument("Bass", 1, song.programs[1], 88, 54)
    accomp = instrument("Accompaniment", 2, song.programs[2], 72, 78)
    drums = Track("Percussion")
    drums.channel(0, 0xB9, 7, min(127, round(70 * song.level)), order=0)

    # Melody: each phrase opens with the rhythm of its first two bars, heard again in bars 5-6.
    low, high = 0, 9
    starts = plan_starts(rng, chords, low, high)
    motifs = {}
    for bar in range(bars):
        in_phrase = bar % 8
        phrase = song.form[bar // 8]
        last = bar == bars - 1
        if last or in_phrase == 7:
            rhythm = FINAL_RHYTHM[song.beats] if last else CADENCE_RHYTHM[song.beats]
        elif in_phrase in (4, 5) and (phrase, in_phrase - 4) in motifs:
            rhythm = motifs[(phrase, in_phrase - 4)]
        else:
            rhythm = rng.choice(rhythms)
            if in_phrase < 2:
                motifs[(phrase, in_phrase)] = rhythm
        notes = melody_bar(rng, rhythm, starts[bar], starts[(bar + 1) % bars], low, high)
        tick = bar * bar_ticks
        for i, (pos, length) in enumerate(notes):
            strong = (sum(l for _, l in notes[:i]) % 4) == 0
            velocity = (84 if strong else 72) + rng.below(8)
            duration = length * EIGHTH - (20 if length <= 2 else 60)
            melody.note(tick, duration, 0, pitch(song.tonic, pos), velocity)
            tick += length * EIGHTH

    # Bass and accompaniment follow the chords.
    bass_tonic = song.tonic - 24 if song.tonic - 24 >= 36 else song.tonic - 12
    acc_tonic = song.tonic - 12
    for bar, root in enumerate(chords):
        tick = bar * bar_ticks
        root_key = pitch(bass_tonic, root)
        fifth_key = pitch(bass_tonic, root + 4)
        if fifth_key - root_key > 7:
            fifth_key -= 12
        triad = [pitch(acc_tonic, root + k) for k in (0, 2, 4)]
        last = bar == bars - 1
        if last:
            bass.note(tick, bar_ticks - 60, 1, root_key, 76)
            for key in triad:
                accomp.note(tick, bar_ticks - 60, 2, key, 50)
            continue
        if song.beats == 4:
            if song.feel == "march":
                for beat in range(4):
                    key = root_key if beat % 2 == 0 else fifth_key
                    bass.note(tick + beat * DIVISION, DIVISION - 60, 1, key, 74 if beat == 0 else 64)
                for beat in (1, 3):
                    for key in triad:
                        accomp.note(tick + beat * DIVISION, DIVISION // 2, 2, key + 12, 44)
            else:
                bass.note(tick, 2 * DIVISION - 40, 1, root_key, 74)
                bass.note(tick + 2 * DIVISION, 2 * DIVISION - 40, 1, fifth_key, 66)
                pattern = [0, 1, 2, 1, 0, 1, 2, 1]
                for step, k in enumerate(pattern):
                    accomp.note(tick + step * EIGHTH, EIGHTH - 20, 2, triad[k], 46 + (6 if step % 4 == 0 else 0))
        else:
            bass.note(tick, DIVISION - 40, 1, root_key, 72)
            if song.feel == "waltz":
                for beat in (1, 2):
                    for key in triad:
                        accomp.note(tick + beat * DIVISION, DIVISION - 120, 2, key, 42)
            else:  # lullaby: a slow broken chord
                for step, k in enumerate([0, 1, 2, 1, 2, 1]):
                    accomp.note(tick + step * EIGHTH, 2 * EIGHTH, 2, triad[k] + (12 if step == 2 else 0), 38)
                bass.note(tick + 2 * DIVISION, DIVISION - 40, 1, fifth_key, 60)

        # Soft percussion on channel 10: a light pulse, never loud.
        if song.beats == 4:
            drums.note(tick, 60, 9, 35 if song.feel != "march" else 36, 52)
            if song.feel == "march":
                drums.note(tick + 2 * DIVISION, 60, 9, 36, 44)
                for beat in (1, 3):
                    drums.note(tick + beat * DIVISION, 60, 9, 37, 40)
            for step in range(8):
                drums.note(tick + step * EIGHTH, 60, 9, 70 if song.feel != "march" else 42,
                           34 + (8 if step % 2 == 0 else 0))
        else:
            drums.note(tick, 120, 9, 81 if song.feel == "lullaby" else 75, 34)
            for beat in (1, 2):
                drums.note(tick + beat * DIVISION, 60, 9, 69 if song.feel == "waltz" else 70, 30)

    return midi_file([tempo, melody, bass, accomp, drums], end_tick), end_tick


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")
    for song in SONGS:
        data, end_tick = compose(song)
        name = "tntwl.mid" if song.number == 1 else "tntwl%d.mid" % song.number
        out_dir = os.path.join(root, "editions", str(song.number))
        os.makedirs(out_dir, exist_ok=True)
        with open(os.path.join(out_dir, name), "wb") as f:
            f.write(data)
        seconds = end_tick / DIVISION * 60 / song.bpm
        print("%s: %s, %d bars, %.1f s, %d bytes" % (name, song.title, end_tick // (song.beats * DIVISION),
                                                     seconds, len(data)))


if __name__ == "__main__":
    main()
