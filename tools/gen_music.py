#!/usr/bin/python3
"""Writes the five editions' background songs: editions/N/tntwl.mid (N=1), tntwlN.mid (N=2..5).

Each song arranges one or two traditional children's tunes (named in CREDITS.md) for a
General MIDI player: a verse and a refrain, each heard several times with a different lead
instrument, accompaniment and drum pattern, so that an hour of it does not wear thin. The
last bar of every song is a turnaround that leads back into the first bar, with no held
ending, because the program plays the file over and over.

Every instrument has its own channel with its program, volume, pan and reverb set at the
start, so a restart from the beginning always sounds the same. The file is a Standard MIDI
File of format 1: a tempo track, the tune, the accompaniment and the drums, all ending on
the same bar line. The output is the same bytes on every run.

Usage: tools/gen_music.py [REPO_ROOT]
"""
import os
import struct
import sys

DIVISION = 480          # ticks per quarter note
EIGHTH = DIVISION // 2
BAR = 8                 # eighths in a bar: every song is in 4/4
DRUMS = 9               # General MIDI percussion channel


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.append(0x80 | (value & 0x7F))
        value >>= 7
    return bytes(reversed(out))


class Track:
    def __init__(self, name):
        self.events = []  # (tick, order, bytes); order puts set-up first and note-offs before note-ons
        self.meta(0, 0x03, name.encode("ascii"))

    def meta(self, tick, kind, data):
        self.events.append((tick, 0, bytes([0xFF, kind]) + varlen(len(data)) + data))

    def channel(self, tick, status, *data, order=2):
        self.events.append((tick, order, bytes([status]) + bytes(data)))

    def note(self, tick, length, channel, key, velocity):
        assert 0 < velocity <= 100 and 0 <= key < 128 and length > 0
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


# ---------------------------------------------------------------------------------------
# Tunes, written in C major from middle C: a note name, "," for each octave down and "'"
# for each octave up, "#" or "b", then its length in eighths; "r" is a rest.

STEPS = {"C": 0, "D": 2, "E": 4, "F": 5, "G": 7, "A": 9, "B": 11}


def tune(text):
    """[(key offset from middle C or None for a rest, length in eighths)]."""
    notes = []
    for token in text.replace("|", " ").split():
        name, rest = token[0], token[1:]
        key = None if name == "r" else STEPS[name]
        while rest and rest[0] in ",'#b":
            if key is not None:
                key += {",": -12, "'": 12, "#": 1, "b": -1}[rest[0]]
            rest = rest[1:]
        notes.append((key, int(rest)))
    return notes


# Chords, one symbol per bar or two ("F C") splitting it in halves. Each is a root step
# and the intervals of its notes.
QUALITY = {"": (0, 4, 7), "m": (0, 3, 7), "7": (0, 4, 7, 10)}


def chords(text):
    """[(start eighth, length in eighths, root offset from C, intervals)]."""
    out = []
    for bar, cell in enumerate(text.split("|")):
        symbols = cell.split()
        length = BAR // len(symbols)
        for i, sym in enumerate(symbols):
            root = STEPS[sym[0]] + (1 if sym[1:2] == "#" else 0)
            out.append((bar * BAR + i * length, length, root, QUALITY[sym[1 + (sym[1:2] == "#"):]]))
    return out


TUNES = {
    # Mary Had a Little Lamb
    "mary": (tune("E2 D2 C2 D2 | E2 E2 E4 | D2 D2 D4 | E2 G2 G4 | E2 D2 C2 D2 | E2 E2 E2 E2 | D2 D2 E2 D2 | C8"),
             chords("C | C | G | C | C | C | G7 | C")),
    # London Bridge Is Falling Down
    "london": (tune("G3 A1 G2 F2 | E2 F2 G4 | D2 E2 F4 | E2 F2 G4 | G3 A1 G2 F2 | E2 F2 G4 | D4 G4 | E2 C6"),
               chords("C | C | G | C | C | C | G7 | C")),
    # Yankee Doodle, verse and chorus
    "yankee": (tune("C2 C2 D2 E2 | C2 E2 D2 G,2 | C2 C2 D2 E2 | C4 B,4 |"
                    "C2 C2 D2 E2 | F2 E2 D2 C2 | B,2 G,2 A,2 B,2 | C4 C4"),
               chords("C | C G | C | C G | C | F C | G | C")),
    "doodle": (tune("A3 B1 A2 G2 | A2 B2 C'4 | G3 A1 G2 F2 | E4 G4 |"
                    "A3 B1 A2 G2 | A2 B2 C'2 A2 | G2 C'2 B2 D'2 | C'4 C'4"),
               chords("F | F C | G7 | C | F | F | C G | C")),
    # Old MacDonald Had a Farm
    "macdonald": (tune("C2 C2 C2 G,2 | A,2 A,2 G,4 | E2 E2 D2 D2 | C6 G,2 |"
                       "C2 C2 C2 G,2 | A,2 A,2 G,4 | E2 E2 D2 D2 | C6 G,1 G,1 |"
                       "C2 C2 C2 G,1 G,1 | C2 C2 C4 | C1 C1 C2 C1 C1 C2 | C1 C1 C1 C1 C2 C2 |"
                       "C2 C2 C2 G,2 | A,2 A,2 G,4 | E2 E2 D2 D2 | C8"),
                  chords("C | F C | G | C | C | F C | G | C | C | C | C | C | C | F C | G | C")),
    # Au clair de la lune
    "lune": (tune("C2 C2 C2 D2 | E4 D4 | C2 E2 D2 D2 | C8 | C2 C2 C2 D2 | E4 D4 | C2 E2 D2 D2 | C8 |"
                  "D2 D2 D2 D2 | A,4 A,4 | D2 C2 B,2 A,2 | G,8 | C2 C2 C2 D2 | E4 D4 | C2 E2 D2 D2 | C8"),
             chords("C | C G | C G | C | C | C G | C G | C | G | Dm | G | G | C | C G | C G | C")),
    # Frere Jacques, as a round: the second voice comes in two bars later
    "jacques": (tune("C2 D2 E2 C2 | C2 D2 E2 C2 | E2 F2 G4 | E2 F2 G4 |"
                     "G1 A1 G1 F1 E2 C2 | G1 A1 G1 F1 E2 C2 | C2 G,2 C4 | C2 G,2 C4"),
                chords("C | C | C | C | C | C | C G | C G | C | C")),
    # The Alphabet Song
    "abc": (tune("C2 C2 G2 G2 | A2 A2 G4 | F2 F2 E2 E2 | D1 D1 D1 D1 C4 | G2 G2 F4 | E2 E2 D4 |"
                 "G1 G1 G2 F4 | E2 E2 D4 | C2 C2 G2 G2 | A2 A2 G4 | F2 F2 E2 E2 | D2 D2 C4"),
            chords("C | F C | F C | G C | C G | C G | C G | C G | C | F C | F C | G C")),
    # This Old Man
    "oldman": (tune("G2 E2 G4 | G2 E2 G4 | A2 G2 F2 E2 | D2 E2 F4 |"
                    "E1 F1 G2 C1 C1 C1 C1 | C1 D1 E1 F1 G4 | G2 D2 D2 F2 | E2 D2 C4"),
               chords("C | C | F C | G7 | C | C | G7 | G C")),
}


# ---------------------------------------------------------------------------------------
# Drum patterns: sixteen steps a bar; "X" accent, "x" normal, "o" soft.

KIT = {"kick": 36, "stick": 37, "snare": 38, "clap": 39, "floor": 41, "hat": 42, "tomlo": 45,
       "pedal": 44, "openhat": 46, "tommid": 47, "crash": 49, "tomhi": 50, "ride": 51, "tamb": 54,
       "cowbell": 56, "shaker": 70, "claves": 75, "block": 76, "triangle": 81}
LOUDNESS = {"X": 1.0, "x": 0.8, "o": 0.55}

GROOVES = {
    "quiet": {"kick": "x.......x.......", "hat": "..o...o...o...o."},
    "pop": {"kick": "x.......x.x.....", "snare": "....x.......x...", "hat": "x.o.x.o.x.o.x.o."},
    "pop2": {"kick": "x.....x.x.......", "snare": "....x.......x..o", "hat": "x.x.x.x.x.x.x.x.",
             "tamb": "....x.......x..."},
    "light": {"kick": "x.......x.......", "stick": "....o.......o...", "shaker": "x.o.x.o.x.o.x.o."},
    "stomp": {"kick": "X.......X.......", "floor": "X.......X.......", "snare": "....o.......o..."},
    "march": {"kick": "x.......x.......", "snare": "X...x.o.X...x.oo", "crash": "x..............."},
    "march2": {"kick": "X...x...X...x...", "snare": "..o.X.o...o.X.oo", "ride": "x.x.x.x.x.x.x.x."},
    "tiptoe": {"tomlo": "x.......x.......", "stick": "....o.......o...", "block": "..o.......o....."},
    "twostep": {"kick": "x.......x.......", "stick": "....x.......x...", "hat": "x.x.x.x.x.x.x.x."},
    "barn": {"kick": "x.......x.......", "snare": "....x.......x...", "hat": "x.x.x.x.x.x.x.x.",
             "cowbell": "x.......x......."},
    "barn2": {"kick": "x.....x.x.......", "snare": "....x.......x...", "tamb": "..o...o...o...o.",
              "hat": "x.x.x.x.x.x.x.x.", "cowbell": "x.......x...o..."},
    "breeze": {"shaker": "o.o.o.o.o.o.o.o.", "triangle": "x..............."},
    "sway": {"kick": "o.......o.......", "stick": "....o.......o...", "shaker": "o.o.o.o.o.o.o.o."},
    "train": {"kick": "x.......x.......", "snare": "X.oox.ooX.oox.oo", "pedal": "....x.......x..."},
    "train2": {"kick": "x...x...x...x...", "snare": "X.oox.ooX.oox.oo", "hat": "..x...x...x...x.",
               "crash": "x..............."},
    "fill": {"kick": "x.......x.......", "snare": "....x.....x.xxxx", "hat": "x.x.x.x.........",
             "tomhi": "..........x.x...", "tomlo": "..............x."},
    "softfill": {"kick": "o.......o.......", "stick": "....o.......o...", "shaker": "o.o.o.o.o.o.o.o.",
                 "tomlo": "..........o.o.oo"},
}


# ---------------------------------------------------------------------------------------
# Songs. A section plays one tune with one lead (channel name and octave shift), an optional
# second lead in harmony or in canon, an accompaniment figure, a bass figure and a groove.

class Section:
    """tune: a name in TUNES, or (notes, chords) of a turnaround's own bar(s)."""

    def __init__(self, tune, lead, octave=0, accomp=None, bass="root", groove=None, harmony=None, canon=None,
                 velocity=80):
        self.tune = TUNES[tune] if isinstance(tune, str) else tune
        self.lead, self.octave, self.velocity = lead, octave, velocity
        self.accomp, self.bass, self.groove = accomp or [], bass, groove
        self.harmony, self.canon = harmony, canon


class Song:
    def __init__(self, number, title, key, bpm, level, instruments, sections, turnaround):
        self.number, self.title, self.key, self.bpm, self.level = number, title, key, bpm, level
        self.instruments = instruments  # name -> (channel, program, volume, pan)
        self.sections = sections + [turnaround]     # the turnaround: the last bar(s), back to the start


SONGS = [
    Song(1, "Mary's Lamb and London Bridge", 5, 116, 1.0,
         {"glock": (0, 9, 112, 70), "flute": (1, 73, 104, 58), "marimba": (2, 12, 108, 70),
          "clarinet": (3, 71, 80, 50), "piano": (4, 0, 80, 64), "guitar": (5, 25, 76, 78),
          "pizz": (6, 45, 92, 48), "bass": (7, 32, 100, 64), "xylo": (8, 13, 88, 72)},
         [Section("mary", "glock", harmony="marimba", accomp=[("piano", "arp", -12)], bass="walk", groove="pop"),
          Section("london", "flute", accomp=[("guitar", "strum", -12)], bass="walk", groove="pop"),
          Section("mary", "marimba", harmony="clarinet", accomp=[("pizz", "offbeat", -12)], bass="root",
                  groove="light"),
          Section("london", "flute", harmony="glock", accomp=[("piano", "arp", -12), ("guitar", "strum", -12)],
                  bass="walk", groove="pop2"),
          Section("mary", "xylo", harmony="marimba", accomp=[("guitar", "strum", -12), ("pizz", "offbeat", -12)],
                  bass="root", groove="pop"),
          Section("london", "glock", harmony="flute", accomp=[("piano", "arp", -12)], bass="walk", groove="pop")],
         Section((tune("G2 A2 B2 D'2 | C'1 B1 A1 G1 F2 D2"), chords("C G | G7")), "flute",
                 accomp=[("piano", "arp", -12), ("guitar", "strum", -12)], bass="walk", groove="fill", velocity=78)),

    Song(2, "Yankee Doodle Stomp", -2, 104, 1.0,
         {"horn": (0, 60, 96, 58), "trumpet": (1, 56, 76, 70), "bassoon": (2, 70, 100, 56),
          "trombone": (3, 57, 80, 44), "brass": (4, 61, 64, 74), "pizz": (5, 45, 96, 80),
          "tuba": (6, 58, 104, 64), "strings": (7, 48, 64, 40), "piccolo": (8, 72, 76, 84),
          "xylo": (10, 13, 80, 80)},
         [Section("yankee", "horn", accomp=[("brass", "pah", -12)], bass="oompah", groove="stomp"),
          Section("doodle", "trumpet", harmony="trombone", accomp=[("brass", "pah", -12)], bass="oompah",
                  groove="march"),
          Section("yankee", "bassoon", octave=-12, accomp=[("pizz", "offbeat", -12)], bass="oompah",
                  groove="tiptoe"),
          Section("doodle", "horn", harmony="trombone", accomp=[("strings", "pad", -12), ("pizz", "offbeat", -12)],
                  bass="walk", groove="march2"),
          Section("yankee", "piccolo", octave=12, harmony="xylo",
                  accomp=[("pizz", "offbeat", 0), ("strings", "pad", -12)], bass="oompah", groove="march"),
          Section("doodle", "trumpet", harmony="horn", accomp=[("brass", "pah", -12), ("strings", "pad", -12)],
                  bass="walk", groove="march2")],
         Section((tune("G,2 A,2 B,2 D2 | C1 B,1 A,1 G,1 F,2 G,2"), chords("C G | G7")), "bassoon",
                 accomp=[("brass", "pah", -12)], bass="walk", groove="fill", velocity=78)),

    Song(3, "Old MacDonald's Barn Dance", 7, 126, 1.05,
         {"fiddle": (0, 110, 88, 60), "clarinet": (1, 71, 92, 52), "trumpet": (2, 59, 84, 76),
          "oboe": (3, 68, 84, 70), "banjo": (4, 105, 84, 44), "accordion": (5, 21, 68, 84),
          "guitar": (6, 25, 84, 76), "piano": (7, 0, 80, 56), "bass": (8, 32, 100, 64),
          "tuba": (10, 58, 90, 64)},
         [Section("macdonald", "fiddle", accomp=[("banjo", "arp", -12)], bass="root", groove="twostep"),
          Section("macdonald", "clarinet", harmony="oboe", accomp=[("accordion", "offbeat", -12)], bass="walk",
                  groove="barn"),
          Section("macdonald", "trumpet", accomp=[("guitar", "strum", -12), ("banjo", "arp", -12)],
                  bass="oompah", groove="barn2"),
          Section("macdonald", "fiddle", harmony="clarinet", accomp=[("piano", "offbeat", -12),
                                                                     ("accordion", "offbeat", -12)],
                  bass="walk", groove="barn2")],
         Section((tune("B,1 C1 D1 E1 F1 E1 D1 B,1"), chords("G7")), "fiddle", accomp=[("banjo", "arp", -12)],
                 bass="walk", groove="fill", velocity=78)),

    Song(4, "Moonlit Garden", 5, 92, 1.05,
         {"flute": (0, 73, 84, 56), "clarinet": (1, 71, 80, 74), "celesta": (2, 8, 96, 64),
          "oboe": (3, 68, 72, 48), "harp": (4, 46, 92, 80), "strings": (5, 49, 54, 40),
          "pizz": (6, 45, 84, 72), "bass": (7, 32, 84, 64), "pad": (8, 89, 52, 64)},
         [Section("lune", "flute", octave=12, accomp=[("harp", "harp", -12), ("strings", "pad", -12)],
                  bass="long", groove="breeze"),
          Section("jacques", "flute", octave=12, canon=("clarinet", 0, 16), accomp=[("pizz", "offbeat", -12)],
                  bass="root", groove="sway"),
          Section("lune", "clarinet", harmony="celesta", accomp=[("harp", "harp", -12), ("pad", "pad", -12)],
                  bass="long", groove="sway"),
          Section("jacques", "oboe", octave=12, canon=("flute", 12, 16), accomp=[("harp", "harp", -12)],
                  bass="root", groove="breeze")],
         Section((tune("G2 A2 B2 D'2 | C'2 B2 A2 G2"), chords("C | G7")), "flute",
                 accomp=[("harp", "harp", -12), ("strings", "pad", -12)], bass="root", groove="softfill", velocity=78)),

    Song(5, "Alphabet Train", 2, 120, 1.0,
         {"glock": (0, 9, 100, 70), "clarinet": (1, 71, 92, 52), "whistle": (2, 78, 84, 64),
          "xylo": (3, 13, 104, 76), "piano": (4, 0, 96, 60), "banjo": (5, 105, 80, 44),
          "accordion": (6, 21, 64, 84), "bass": (7, 32, 100, 64), "flute": (8, 73, 88, 58),
          "trumpet": (10, 56, 60, 50)},
         [Section("abc", "glock", harmony="clarinet", accomp=[("piano", "arp", -12), ("accordion", "offbeat", -12)],
                  bass="walk", groove="train"),
          Section("oldman", "clarinet", accomp=[("banjo", "arp", -12)], bass="walk", groove="train2"),
          Section("abc", "whistle", harmony="clarinet", accomp=[("accordion", "offbeat", -12)], bass="oompah",
                  groove="train"),
          Section("oldman", "xylo", accomp=[("piano", "offbeat", -12), ("banjo", "arp", -12)], bass="walk",
                  groove="train2"),
          Section("abc", "flute", harmony="glock", accomp=[("banjo", "arp", -12), ("accordion", "offbeat", -12)],
                  bass="walk", groove="train2"),
          Section("oldman", "trumpet", harmony="clarinet", accomp=[("piano", "arp", -12)], bass="walk",
                  groove="train")],
         Section((tune("G2 r2 G2 r1 G1 | A1 B1 C'1 D'1 B2 G2"), chords("C G | G7")), "whistle",
                 accomp=[("piano", "arp", -12), ("accordion", "offbeat", -12)], bass="walk", groove="fill",
                 velocity=78)),
]


# ---------------------------------------------------------------------------------------
# Arranging

def chord_keys(root, intervals, low):
    """The chord's notes from the lowest one at or above `low`, upward."""
    base = low + (root - low) % 12
    return [base + i for i in intervals]


def chord_at(chord_list, eighth):
    for start, length, root, intervals in chord_list:
        if start <= eighth < start + length:
            return root, intervals
    return chord_list[-1][2], chord_list[-1][3]


class Arranger:
    def __init__(self, song):
        self.song = song
        self.lead = Track("Tune")
        self.accomp = Track("Accompaniment")
        self.drums = Track("Drums")
        self.channels = song.instruments

    def ch(self, name):
        return self.channels[name][0]

    def melody(self, notes, start, name, shift, velocity, legato=0.9):
        tick = start
        key0 = 60 + self.song.key + shift
        for i, (key, length) in enumerate(notes):
            if key is not None:
                strong = (tick // EIGHTH) % 4 == 0
                duration = int(length * EIGHTH * legato) - 10
                self.lead.note(tick, duration, self.ch(name), key0 + key, velocity + (6 if strong else 0))
            tick += length * EIGHTH
        return tick

    def harmony(self, notes, chord_list, start, name, shift, velocity):
        """A second voice a third to a sixth under the tune, on the chord's notes."""
        tick, at = start, 0
        key0 = 60 + self.song.key + shift
        for key, length in notes:
            if key is not None:
                root, intervals = chord_at(chord_list, at)
                under = next((key - d for d in range(3, 10) if (key - d - root) % 12 in intervals), None)
                if under is not None:
                    self.lead.note(tick, int(length * EIGHTH * 0.9) - 10, self.ch(name), key0 + under, velocity)
            tick += length * EIGHTH
            at += length

    def accompaniment(self, chord_list, start, name, figure, shift):
        channel = self.ch(name)
        low = 60 + self.song.key + shift - 5   # the chords sit around the octave below middle C
        for at, length, root, intervals in chord_list:
            tick = start + at * EIGHTH
            keys = chord_keys(root + self.song.key, intervals[:3], low)
            if figure == "arp":        # broken chord in eighths: 1 5 3 5
                for step in range(length):
                    k = keys[[0, 2, 1, 2][step % 4]]
                    self.accomp.note(tick + step * EIGHTH, EIGHTH - 20, channel, k, 50 + (8 if step % 4 == 0 else 0))
            elif figure == "strum":    # a chord on every beat
                for beat in range(0, length, 2):
                    for j, k in enumerate(keys + [keys[0] + 12]):
                        self.accomp.note(tick + beat * EIGHTH + 8 * j, 2 * EIGHTH - 50 - 8 * j, channel, k,
                                         54 if beat % 4 == 0 else 44)
            elif figure == "offbeat":  # short chords between the beats
                for step in range(1, length, 2):
                    for k in keys:
                        self.accomp.note(tick + step * EIGHTH, EIGHTH - 60, channel, k + 12, 46)
            elif figure == "pah":      # the "pah" of an oom-pah on beats two and four
                for beat in range(2, length, 4):
                    for k in keys:
                        self.accomp.note(tick + beat * EIGHTH, 2 * EIGHTH - 80, channel, k + 12, 52)
            elif figure == "pad":      # held chord
                for k in keys:
                    self.accomp.note(tick, length * EIGHTH - 30, channel, k, 40)
            elif figure == "harp":     # rising broken chord over two octaves
                seq = keys + [k + 12 for k in keys] + [keys[0] + 24, keys[2] + 12]
                for step in range(length):
                    self.accomp.note(tick + step * EIGHTH, min(2, length - step) * EIGHTH - 20, channel,
                                     seq[step % len(seq)],
                                     44 + (8 if step % 8 == 0 else 0))
            else:
                raise ValueError(figure)

    def bassline(self, chord_list, start, figure, next_root):
        tuba = "tuba" in self.channels and (figure == "oompah" or "bass" not in self.channels)
        channel = self.ch("tuba" if tuba else "bass")
        low = 33    # the bass keeps to A1..G#2 for its roots
        for i, (at, length, root, intervals) in enumerate(chord_list):
            tick = start + at * EIGHTH
            r = low + (root + self.song.key - low) % 12
            fifth = r + 7 if r + 7 <= low + 14 else r - 5
            following = chord_list[i + 1][2] if i + 1 < len(chord_list) else next_root
            target = low + (following + self.song.key - low) % 12
            if figure == "long":
                self.accomp.note(tick, length * EIGHTH - 40, channel, r, 70)
            elif figure in ("root", "oompah"):   # root and fifth on beats one and three
                held = 4 * EIGHTH - 60 if figure == "root" else 3 * EIGHTH // 2
                for beat in range(0, length, 4):
                    self.accomp.note(tick + beat * EIGHTH, held, channel, r if beat == 0 else fifth,
                                     76 if beat == 0 else 68)
            elif figure == "walk":     # quarter notes: chord notes, then a step into the next chord
                approach = target - 1 if target > r else target + 1
                steps = [r, r + intervals[1], r + 7, approach] if length == 8 else [r, approach]
                for beat in range(0, length, 2):
                    self.accomp.note(tick + beat * EIGHTH, 2 * EIGHTH - 50, channel, steps[beat // 2],
                                     74 if beat == 0 else 66)
            else:
                raise ValueError(figure)

    def groove(self, name, bars, start):
        for bar in range(bars):
            pattern = GROOVES[name]
            tick = start + bar * BAR * EIGHTH
            for drum, steps in sorted(pattern.items()):
                if drum == "crash" and bar % 8:
                    continue                 # a cymbal only at the top of each phrase
                for i, c in enumerate(steps):
                    if c in LOUDNESS:
                        self.drums.note(tick + i * EIGHTH // 2, 60, DRUMS, KIT[drum], round(64 * LOUDNESS[c]))

    def section(self, sec, start, next_root):
        notes, chord_list = sec.tune
        bars = chord_list[-1][0] // BAR + 1
        self.melody(notes, start, sec.lead, sec.octave, sec.velocity)
        if sec.harmony:
            self.harmony(notes, chord_list, start, sec.harmony, sec.octave, 58)
        if sec.canon:
            # The second voice enters `delay` eighths later; meanwhile the first voice
            # repeats the tune's last notes under the second voice's ending.
            name, shift, delay = sec.canon
            self.melody(notes, start + delay * EIGHTH, name, shift, 70)
            tail, length = [], 0
            while length < delay:
                tail.insert(0, notes[-1 - len(tail)])
                length += tail[0][1]
            self.melody(tail, start + (sum(n[1] for n in notes)) * EIGHTH, sec.lead, sec.octave, 70)
        for name, figure, shift in sec.accomp:
            self.accompaniment(chord_list, start, name, figure, shift)
        self.bassline(chord_list, start, sec.bass, next_root)
        self.groove(sec.groove, bars, start)
        return start + bars * BAR * EIGHTH


def compose(song):
    arr = Arranger(song)
    tempo = Track(song.title)
    tempo.meta(0, 0x58, bytes([4, 2, 24, 8]))
    tempo.meta(0, 0x59, bytes([0, 0]))
    tempo.meta(0, 0x51, struct.pack(">I", round(60_000_000 / song.bpm))[1:])
    # All set-up goes in the first instrument track, so it is sent before any note at tick 0.
    for name, (channel, program, volume, pan) in sorted(song.instruments.items(), key=lambda i: i[1][0]):
        arr.lead.channel(0, 0xC0 | channel, program, order=0)
        arr.lead.channel(0, 0xB0 | channel, 7, min(127, round(volume * song.level)), order=0)
        arr.lead.channel(0, 0xB0 | channel, 10, pan, order=0)
        arr.lead.channel(0, 0xB0 | channel, 91, 48, order=0)
    arr.drums.channel(0, 0xB0 | DRUMS, 7, min(127, round(100 * song.level)), order=0)
    arr.drums.channel(0, 0xB0 | DRUMS, 91, 30, order=0)

    tick = 0
    for i, sec in enumerate(song.sections):
        following = song.sections[(i + 1) % len(song.sections)]     # the last leads back to the first
        tick = arr.section(sec, tick, following.tune[1][0][2])
    end_tick = tick
    tracks = [tempo, arr.lead, arr.accomp, arr.drums]
    return midi_file(tracks, end_tick), end_tick


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
        print("%s: %s, %d bars, %.1f s, %d bytes" % (name, song.title, end_tick // (BAR * EIGHTH), seconds,
                                                     len(data)))


if __name__ == "__main__":
    main()
