#!/usr/bin/python3
"""Writes the five editions' background songs: editions/N/tntwl.mid (N=1), tntwlN.mid (N=2..5).

Each song arranges two or three traditional tunes (named in CREDITS.md) for a General MIDI
player, as a loop of four to five minutes that a parent can bear for an hour: the tunes come
round in different settings (lead, harmony, accompaniment, groove), there is a quiet bridge
and a gentle breakdown, and the last statements are a tone higher. The last bar or two of
every song is a turnaround in the home key that leads back into the first bar, with no held
ending, because the program plays the file over and over.

The tune is always on top: the chords are voiced below its lowest note, the harmony line
plays well under it, and no accompanying note rubs a semitone against a sounding tune note
(such notes are moved to another chord tone, cut short or left out). The bass keeps to the
key. Channel volumes even out how loud each General MIDI instrument is in FluidR3 GM, so a
lead carries because of its velocity, not because of a lucky instrument.

Every instrument has its own channel with its program, volume, pan and reverb set at the
start, so a restart from the beginning always sounds the same. The file is a Standard MIDI
File of format 1: a tempo track (tempo, and the key signature of each section), the tune,
the harmony line, the accompaniment with the bass, and the drums, all ending on the same bar
line. The output is the same bytes on every run.

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


def halved(piece):
    """The tune and chords at twice the pace: one syllable an eighth note, as marched."""
    notes, chord_list = piece
    return ([(key, length / 2) for key, length in notes],
            [(start / 2, length / 2, root, intervals) for start, length, root, intervals in chord_list])


TUNES = {
    # Mary Had a Little Lamb
    "mary": (tune("E2 D2 C2 D2 | E2 E2 E4 | D2 D2 D4 | E2 G2 G4 | E2 D2 C2 D2 | E2 E2 E2 E2 | D2 D2 E2 D2 | C8"),
             chords("C | C | G | C | C | C | G7 | C")),
    # London Bridge Is Falling Down
    "london": (tune("G3 A1 G2 F2 | E2 F2 G4 | D2 E2 F4 | E2 F2 G4 | G3 A1 G2 F2 | E2 F2 G4 | D4 G4 | E2 C6"),
               chords("C | C | G | C | C | C | G7 | C")),
    # Hot Cross Buns
    "buns": (tune("E2 D2 C4 | E2 D2 C4 | C1 C1 C1 C1 D1 D1 D1 D1 | E2 D2 C4"),
             chords("C G C C | C G C C | C G | C G C C")),
    # Yankee Doodle, verse and chorus, one syllable an eighth note
    "yankee": halved((tune("C2 C2 D2 E2 | C2 E2 D2 G,2 | C2 C2 D2 E2 | C4 B,4 |"
                           "C2 C2 D2 E2 | F2 E2 D2 C2 | B,2 G,2 A,2 B,2 | C4 C4"),
                      chords("C | C G | C | C G | C | F C | G | C"))),
    "doodle": halved((tune("A3 B1 A2 G2 | A2 B2 C'4 | G3 A1 G2 F2 | E4 G4 |"
                           "A3 B1 A2 G2 | A2 B2 C'2 A2 | G2 C'2 B2 D'2 | C'4 C'4"),
                      chords("F | F C | G7 | C | F | F | C G | C"))),
    # Ode to Joy (Beethoven, Ninth Symphony)
    "joy": (tune("E2 E2 F2 G2 | G2 F2 E2 D2 | C2 C2 D2 E2 | E3 D1 D4 |"
                 "E2 E2 F2 G2 | G2 F2 E2 D2 | C2 C2 D2 E2 | D3 C1 C4 |"
                 "D2 D2 E2 C2 | D2 E1 F1 E2 C2 | D2 E1 F1 E2 D2 | C2 D2 G,4 |"
                 "E2 E2 F2 G2 | G2 F2 E2 D2 | C2 C2 D2 E2 | D3 C1 C4"),
            chords("C | G | C | G | C | G | C | G C | G C | G C | G C | C G | C | G | C | G C")),
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
    # Frere Jacques, as a round: the second voice comes in two bars later, over the tonic
    # with the dominant only under "dang"
    "jacques": (tune("C2 D2 E2 C2 | C2 D2 E2 C2 | E2 F2 G4 | E2 F2 G4 |"
                     "G1 A1 G1 F1 E2 C2 | G1 A1 G1 F1 E2 C2 | C2 G,2 C4 | C2 G,2 C4"),
                chords("C | C | C | C | C | C | C G C C | C G C C | C G C C | C G C C")),
    # The Alphabet Song, which is also "Twinkle, Twinkle, Little Star" and "Baa, Baa, Black Sheep"
    "abc": (tune("C2 C2 G2 G2 | A2 A2 G4 | F2 F2 E2 E2 | D1 D1 D1 D1 C4 | G2 G2 F4 | E2 E2 D4 |"
                 "G1 G1 G2 F4 | E2 E2 D4 | C2 C2 G2 G2 | A2 A2 G4 | F2 F2 E2 E2 | D2 D2 C4"),
            chords("C | F C | F C | G C | C G | C G | C G | C G | C | F C | F C | G C")),
    # This Old Man
    "oldman": (tune("G2 E2 G4 | G2 E2 G4 | A2 G2 F2 E2 | D2 E2 F4 |"
                    "E1 F1 G2 C1 C1 C1 C1 | C1 D1 E1 F1 G4 | G2 D2 D2 F2 | E2 D2 C4"),
               chords("C | C | F | G7 | C | C | G7 | G C")),
}
TUNES["twinkle"] = TUNES["abc"]

# One bar on the dominant seventh of the key that follows: the lift into the last statements.
LIFT = (tune("G2 F2 D2 B,2"), chords("G7"))


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
# Instruments: the General MIDI program and how loud FluidR3 GM plays it (RMS dBFS of a
# stepwise phrase at velocity 90 and channel volume 100, mean of the octaves from middle C
# and above). The channel volume makes up the difference, so that every instrument in a
# role (tune, harmony, chords) sounds about as loud as the others in it. Instruments far
# below the rest (xylophone, glockenspiel, banjo) stay weak even at full volume and only
# colour the accompaniment.

PROGRAMS = {
    "piano": (0, -31.4), "celesta": (8, -28.0), "glock": (9, -32.5), "musicbox": (10, -28.4),
    "vibes": (11, -31.7), "marimba": (12, -27.7), "xylo": (13, -39.2), "accordion": (21, -28.6),
    "harmonica": (22, -28.2), "nylon": (24, -31.1), "guitar": (25, -30.6), "bass": (32, -28.2),
    "pizz": (45, -27.7), "harp": (46, -33.1), "strings": (48, -27.6), "slowstrings": (49, -26.1),
    "trumpet": (56, -27.4), "trombone": (57, -22.0), "tuba": (58, -24.0), "mutedtrumpet": (59, -25.1),
    "horn": (60, -22.5), "brass": (61, -24.7), "oboe": (68, -24.6), "bassoon": (70, -24.6),
    "clarinet": (71, -23.0), "flute": (73, -24.0), "recorder": (74, -23.6), "whistle": (78, -20.0),
    "ocarina": (79, -23.0), "pad": (89, -29.2), "banjo": (105, -34.5), "fiddle": (110, -26.0),
}
BASSES = {"bass", "tuba"}

# Velocities by role. The harmony line is about 10 dB under the tune (velocity to loudness in
# General MIDI goes roughly as 40 log10 of the velocity); chords and bass sit lower still
# (their velocities are in the figures below), the bass most of all because its low notes
# carry far more energy than the ear gives them credit for.
TUNE_VELOCITY, HARMONY_VELOCITY, CANON_VELOCITY = 92, 50, 80
SEMITONE = (1, 11)   # intervals, modulo the octave, that rub


# ---------------------------------------------------------------------------------------
# Songs. A section plays one tune with one lead (an instrument and an octave shift), an
# optional second voice in harmony under it or in canon with it, an accompaniment figure, a
# bass figure and a groove, in the song's key moved by `transpose` semitones. `soft` scales
# the accompaniment and drums for a quiet bridge or a breakdown.

class Section:
    """tune: a name in TUNES, or (notes, chords) of a turnaround's or lift's own bar(s)."""

    def __init__(self, tune, lead, octave=0, accomp=None, bass="root", groove=None, harmony=None, canon=None,
                 velocity=TUNE_VELOCITY, transpose=0, soft=1.0):
        self.tune = TUNES[tune] if isinstance(tune, str) else tune
        self.lead, self.octave, self.velocity = lead, octave, velocity
        self.accomp, self.bass, self.groove = accomp or [], bass, groove
        self.harmony, self.canon = harmony, canon
        self.transpose, self.soft = transpose, soft


class Song:
    # level: dB added to every channel's loudness, to bring the song to about -23 dBFS RMS
    def __init__(self, number, title, key, bpm, level, instruments, sections, turnaround):
        self.number, self.title, self.key, self.bpm, self.level = number, title, key, bpm, level
        self.instruments = instruments  # name -> (channel, pan); the program from PROGRAMS
        self.sections = sections + [turnaround]     # the turnaround: the last bar(s), back to the start


def lift(lead, transpose, accomp, groove="fill", bass="walk"):
    """The bar that carries the song up into the key of its last statements."""
    return Section(LIFT, lead, accomp=accomp, bass=bass, groove=groove, transpose=transpose)


S = Section
UP = 2   # the last statements are a tone higher

SONGS = [
    Song(1, "Mary's Lamb and London Bridge", 5, 116, -2.0,
         {"flute": (0, 58), "clarinet": (1, 50), "marimba": (2, 70), "celesta": (3, 72), "piano": (4, 64),
          "guitar": (5, 78), "pizz": (6, 48), "bass": (7, 64), "musicbox": (8, 60), "recorder": (10, 66),
          "strings": (11, 40), "glock": (12, 76)},
         [S("mary", "flute", harmony="marimba", accomp=[("piano", "arp")], bass="walk", groove="pop"),
          S("london", "clarinet", accomp=[("guitar", "strum")], bass="walk", groove="pop"),
          S("mary", "marimba", octave=12, harmony="clarinet", accomp=[("pizz", "offbeat")], groove="light", soft=0.85),
          S("london", "flute", harmony="celesta", accomp=[("piano", "arp"), ("guitar", "strum")], bass="walk",
            groove="pop2"),
          S("buns", "celesta", octave=12, accomp=[("pizz", "offbeat")], bass="long", groove="breeze", soft=0.8),
          S("buns", "recorder", accomp=[("glock", "arp"), ("strings", "pad")], bass="long", groove="breeze",
            soft=0.8),
          S("mary", "musicbox", octave=12, accomp=[("strings", "pad")], bass="long", groove="breeze", soft=0.7),
          S("london", "recorder", harmony="celesta", accomp=[("pizz", "offbeat")], groove="sway", soft=0.85),
          S("mary", "clarinet", harmony="marimba", accomp=[("piano", "arp")], bass="walk", groove="light"),
          S("london", "marimba", octave=12, accomp=[("guitar", "strum")], bass="walk", groove="pop", soft=0.85),
          S("mary", "recorder", harmony="clarinet", accomp=[("guitar", "strum"), ("pizz", "offbeat")],
            groove="pop", soft=0.85),
          S("london", "flute", harmony="marimba", accomp=[("piano", "arp")], bass="walk", groove="pop2"),
          lift("clarinet", UP, [("piano", "arp")]),
          S("mary", "flute", harmony="clarinet", accomp=[("piano", "arp"), ("guitar", "strum")], bass="walk",
            groove="pop2", transpose=UP),
          S("london", "clarinet", harmony="marimba", accomp=[("pizz", "offbeat")], bass="walk", groove="pop",
            transpose=UP),
          S("mary", "marimba", octave=12, accomp=[("guitar", "strum")], bass="walk", groove="light",
            transpose=UP),
          S("london", "flute", harmony="celesta", accomp=[("piano", "arp"), ("guitar", "strum")], bass="walk",
            groove="pop", transpose=UP)],
         S((tune("G2 A2 B2 D'2 | C'1 B1 A1 G1 F2 D2"), chords("C G | G7")), "flute",
           accomp=[("piano", "arp"), ("guitar", "strum")], bass="walk", groove="fill")),

    Song(2, "Yankee Doodle Stomp", 5, 104, -2.0,
         {"horn": (0, 58), "trumpet": (1, 70), "clarinet": (2, 56), "trombone": (3, 44), "brass": (4, 74),
          "pizz": (5, 80), "tuba": (6, 64), "strings": (7, 40), "flute": (8, 84), "oboe": (10, 66),
          "marimba": (11, 52)},
         [S("yankee", "trumpet", accomp=[("brass", "pah")], bass="oompah", groove="stomp"),
          S("doodle", "trumpet", harmony="horn", accomp=[("brass", "pah")], bass="oompah", groove="march"),
          S("yankee", "clarinet", accomp=[("pizz", "offbeat")], bass="oompah", groove="tiptoe", soft=0.85),
          S("doodle", "clarinet", harmony="marimba", accomp=[("pizz", "offbeat")], bass="oompah", groove="tiptoe"),
          S("yankee", "horn", accomp=[("strings", "pad"), ("pizz", "offbeat")], bass="walk", groove="march2"),
          S("doodle", "horn", harmony="trombone", accomp=[("strings", "pad"), ("pizz", "offbeat")], bass="walk",
            groove="march2"),
          S("yankee", "flute", octave=12, accomp=[("pizz", "offbeat"), ("strings", "pad")], bass="oompah",
            groove="march"),
          S("doodle", "flute", octave=12, harmony="clarinet", accomp=[("pizz", "offbeat"), ("strings", "pad")],
            bass="oompah", groove="march"),
          S("yankee", "trumpet", harmony="horn", accomp=[("brass", "pah")], bass="walk", groove="march2"),
          S("doodle", "trumpet", harmony="horn", accomp=[("brass", "pah"), ("strings", "pad")], bass="walk",
            groove="march2"),
          S("joy", "horn", accomp=[("strings", "pad"), ("pizz", "offbeat")], bass="root", groove="march", soft=0.9),
          S("joy", "oboe", harmony="clarinet", accomp=[("strings", "pad")], bass="long", groove="tiptoe",
            soft=0.75),
          S("yankee", "clarinet", accomp=[("strings", "pad")], bass="long", groove="tiptoe", soft=0.7),
          S("doodle", "oboe", accomp=[("pizz", "offbeat")], bass="root", groove="tiptoe", soft=0.8),
          S("yankee", "flute", octave=12, accomp=[("pizz", "offbeat")], bass="oompah", groove="march"),
          S("doodle", "trumpet", harmony="trombone", accomp=[("brass", "pah")], bass="oompah", groove="march"),
          lift("horn", UP, [("brass", "pah")]),
          S("yankee", "trumpet", accomp=[("brass", "pah"), ("strings", "pad")], bass="oompah", groove="stomp",
            transpose=UP),
          S("doodle", "trumpet", harmony="horn", accomp=[("brass", "pah"), ("strings", "pad")], bass="walk",
            groove="march2", transpose=UP),
          S("joy", "horn", harmony="trombone", accomp=[("brass", "pah"), ("strings", "pad")], bass="oompah",
            groove="march", transpose=UP),
          S("yankee", "flute", octave=12, harmony="clarinet", accomp=[("pizz", "offbeat")], bass="oompah",
            groove="march", transpose=UP),
          S("doodle", "trumpet", harmony="horn", accomp=[("brass", "pah")], bass="walk", groove="march2",
            transpose=UP)],
         S((tune("G,2 A,2 B,2 D2 | C1 B,1 A,1 G,1 F,2 G,2"), chords("C G | G7")), "trumpet",
           accomp=[("brass", "pah")], bass="walk", groove="fill")),

    Song(3, "Old MacDonald's Barn Dance", 7, 126, -2.0,
         {"fiddle": (0, 60), "clarinet": (1, 52), "trumpet": (2, 76), "oboe": (3, 70), "banjo": (4, 44),
          "accordion": (5, 84), "guitar": (6, 76), "piano": (7, 56), "bass": (8, 64), "tuba": (10, 64),
          "harmonica": (11, 50), "whistle": (12, 66)},
         [S("macdonald", "fiddle", accomp=[("banjo", "arp")], bass="root", groove="twostep"),
          S("macdonald", "clarinet", harmony="oboe", accomp=[("accordion", "offbeat")], bass="walk", groove="barn"),
          S("macdonald", "trumpet", accomp=[("guitar", "strum"), ("banjo", "arp")], bass="oompah",
            groove="barn2"),
          S("twinkle", "harmonica", accomp=[("guitar", "strum")], bass="root", groove="twostep", soft=0.85),
          S("twinkle", "whistle", harmony="clarinet", accomp=[("banjo", "arp")], bass="long", groove="sway",
            soft=0.75),
          S("macdonald", "oboe", accomp=[("accordion", "offbeat")], bass="long", groove="sway", soft=0.75),
          S("macdonald", "fiddle", harmony="clarinet", accomp=[("piano", "offbeat"), ("accordion", "offbeat")],
            bass="walk", groove="barn2"),
          lift("fiddle", UP, [("banjo", "arp")]),
          S("macdonald", "trumpet", harmony="clarinet", accomp=[("guitar", "strum")], bass="oompah",
            groove="barn", transpose=UP),
          S("twinkle", "whistle", accomp=[("banjo", "arp"), ("accordion", "offbeat")], bass="walk",
            groove="barn2", transpose=UP),
          S("macdonald", "fiddle", harmony="oboe", accomp=[("piano", "offbeat"), ("guitar", "strum")],
            bass="walk", groove="barn2", transpose=UP)],
         S((tune("B,1 C1 D1 E1 F1 E1 D1 B,1"), chords("G7")), "fiddle", accomp=[("banjo", "arp")],
           bass="walk", groove="fill")),

    Song(4, "Moonlit Garden", 5, 92, -3.0,
         {"flute": (0, 56), "clarinet": (1, 74), "celesta": (2, 64), "oboe": (3, 48), "harp": (4, 80),
          "strings": (5, 40), "pizz": (6, 72), "bass": (7, 64), "pad": (8, 64), "musicbox": (10, 60),
          "recorder": (11, 52)},
         [S("lune", "flute", octave=12, accomp=[("harp", "harp"), ("strings", "pad")], bass="long",
            groove="breeze"),
          S("jacques", "flute", octave=12, canon=("clarinet", 0, 16), accomp=[("pizz", "offbeat")], bass="root",
            groove="sway"),
          S("lune", "clarinet", harmony="celesta", accomp=[("harp", "harp"), ("pad", "pad")], bass="long",
            groove="sway", soft=0.85),
          S("twinkle", "musicbox", octave=12, accomp=[("strings", "pad")], bass="long", groove="breeze",
            soft=0.75),
          S("jacques", "oboe", octave=12, canon=("flute", 12, 16), accomp=[("harp", "harp")], bass="root",
            groove="breeze"),
          S("twinkle", "recorder", octave=12, harmony="clarinet", accomp=[("pizz", "offbeat")], bass="root",
            groove="sway", soft=0.85),
          S("lune", "oboe", octave=12, accomp=[("pad", "pad")], bass="long", groove="breeze", soft=0.75),
          lift("flute", UP, [("harp", "harp"), ("strings", "pad")], groove="softfill", bass="root"),
          S("lune", "flute", octave=12, harmony="clarinet", accomp=[("harp", "harp"), ("strings", "pad")],
            bass="long", groove="sway", transpose=UP),
          S("jacques", "clarinet", octave=12, canon=("flute", 12, 16), accomp=[("pizz", "offbeat")], bass="root",
            groove="sway", transpose=UP)],
         S((tune("G2 A2 B2 D'2 | C'2 B2 A2 G2"), chords("C G | G7")), "flute",
           accomp=[("harp", "harp"), ("strings", "pad")], bass="root", groove="softfill")),

    Song(5, "Alphabet Train", 2, 120, -2.0,
         {"clarinet": (0, 52), "whistle": (1, 64), "flute": (2, 58), "trumpet": (3, 50), "piano": (4, 60),
          "banjo": (5, 44), "accordion": (6, 84), "bass": (7, 64), "marimba": (8, 70), "horn": (10, 60),
          "celesta": (11, 72), "strings": (12, 40)},
         [S("abc", "marimba", octave=12, harmony="clarinet", accomp=[("piano", "arp"), ("accordion", "offbeat")],
            bass="walk", groove="train"),
          S("oldman", "clarinet", accomp=[("banjo", "arp")], bass="walk", groove="train2"),
          S("abc", "whistle", harmony="clarinet", accomp=[("accordion", "offbeat")], bass="oompah",
            groove="train"),
          S("oldman", "trumpet", accomp=[("piano", "offbeat"), ("banjo", "arp")], bass="walk", groove="train2"),
          S("joy", "horn", harmony="clarinet", accomp=[("strings", "pad"), ("banjo", "arp")], bass="root",
            groove="train", soft=0.85),
          S("abc", "celesta", octave=12, accomp=[("strings", "pad")], bass="long", groove="breeze", soft=0.7),
          S("oldman", "flute", harmony="marimba", accomp=[("piano", "arp")], bass="walk", groove="train2"),
          S("joy", "whistle", accomp=[("accordion", "offbeat"), ("banjo", "arp")], bass="oompah", groove="train"),
          lift("whistle", UP, [("piano", "arp"), ("accordion", "offbeat")]),
          S("abc", "flute", harmony="clarinet", accomp=[("banjo", "arp"), ("accordion", "offbeat")], bass="walk",
            groove="train2", transpose=UP),
          S("oldman", "trumpet", harmony="clarinet", accomp=[("piano", "arp")], bass="walk", groove="train",
            transpose=UP),
          S("abc", "whistle", harmony="marimba", accomp=[("piano", "offbeat"), ("banjo", "arp")], bass="walk",
            groove="train2", transpose=UP, soft=0.85)],
         S((tune("G2 r2 G2 r1 G1 | A1 B1 C'1 D'1 B2 G2"), chords("C G | G7")), "whistle",
           accomp=[("piano", "arp"), ("accordion", "offbeat")], bass="walk", groove="fill")),
]


# ---------------------------------------------------------------------------------------
# Arranging

MAJOR = (0, 2, 4, 5, 7, 9, 11)


def chord_keys(root, intervals, low):
    """The chord's notes from the lowest one at or above `low`, upward."""
    base = low + (root - low) % 12
    return [base + i for i in intervals]


def chord_at(chord_list, eighth):
    for start, length, root, intervals in chord_list:
        if start <= eighth < start + length:
            return root, intervals
    return chord_list[-1][2], chord_list[-1][3]


def key_signature(key):
    """Sharps (positive) or flats (negative) of the major key on pitch class `key`."""
    sharps = {0: 0, 7: 1, 2: 2, 9: 3, 4: 4, 11: 5, 6: 6, 1: -5, 8: -4, 3: -3, 10: -2, 5: -1}[key % 12]
    return bytes([sharps & 0xFF, 0])


class Note:
    def __init__(self, tick, length, channel, key, velocity, role, others=()):
        self.tick, self.length, self.channel, self.key = round(tick), round(length), channel, key
        self.velocity, self.role, self.others = velocity, role, others   # others: keys that could stand in

    @property
    def end(self):
        return self.tick + self.length


def rubs(a, b):
    return (a - b) % 12 in SEMITONE


def clear_of_tune(notes):
    """Every accompanying note that would rub a semitone against a tune note sounding with it
    takes another of its chord's notes if it has one, or is cut short where the tune note
    begins, or is left out."""
    tune = sorted((n for n in notes if n.role == "tune"), key=lambda n: n.tick)
    starts = [n.tick for n in tune]
    longest = max(n.length for n in tune)
    kept = []
    for n in notes:
        if n.role in ("tune", "drums"):
            kept.append(n)
            continue
        lo = next((i for i, s in enumerate(starts) if s > n.tick - longest), len(starts))
        over = [t for t in tune[lo:] if t.tick < n.end and n.tick < t.end]
        at_onset = [t for t in over if t.tick <= n.tick]
        key = next((k for k in (n.key,) + tuple(n.others) if not any(rubs(k, t.key) for t in at_onset)), None)
        if key is None:
            continue
        later = [t.tick for t in over if t.tick > n.tick and rubs(key, t.key)]
        length = min([n.length] + [t - n.tick - 10 for t in later])
        if length >= EIGHTH // 2:
            n.key, n.length = key, length
            kept.append(n)
    return kept


class Arranger:
    def __init__(self, song):
        self.song = song
        self.notes = []
        self.channels = song.instruments
        self.key = song.key

    def ch(self, name):
        return self.channels[name][0]

    def add(self, *args, **kw):
        self.notes.append(Note(*args, **kw))

    def melody(self, notes, start, name, shift, velocity, role="tune", legato=0.9):
        tick = start
        key0 = 60 + self.key + shift
        for key, length in notes:
            if key is not None:
                strong = round(tick) % (2 * DIVISION) == 0
                duration = length * EIGHTH * legato - 10
                self.add(tick, duration, self.ch(name), key0 + key, velocity + (6 if strong else 0), role)
            tick += length * EIGHTH
        return tick

    def harmony(self, notes, chord_list, start, name, shift, velocity):
        """A second voice a third to a sixth under the tune, on the chord's notes; never a
        tritone, which sounds sour in a nursery tune."""
        tick, at = start, 0
        key0 = 60 + self.key + shift
        for key, length in notes:
            if key is not None:
                root, intervals = chord_at(chord_list, at)
                under = next((key - d for d in (3, 4, 8, 9, 5, 7) if (key - d - root) % 12 in intervals), None)
                if under is not None:
                    self.add(tick, length * EIGHTH * 0.9 - 10, self.ch(name), key0 + under, velocity, "harmony")
            tick += length * EIGHTH
            at += length

    def accompaniment(self, chord_list, start, name, figure, ceiling, soft):
        """One figure over the chords, voiced as high as it goes below `ceiling`."""
        channel = self.ch(name)
        low = 60 + self.key - 17
        out = []   # (tick, length, key, velocity)
        for at, length, root, intervals in chord_list:
            tick = start + at * EIGHTH
            keys = chord_keys(root + self.key, intervals[:3], low)
            if figure == "arp":        # broken chord in eighths: 1 5 3 5
                for step in range(int(length)):
                    out.append((tick + step * EIGHTH, EIGHTH - 20, keys[[0, 2, 1, 2][step % 4]],
                                42 + (6 if step % 4 == 0 else 0)))
            elif figure == "strum":    # a chord on every beat
                for beat in range(0, int(length), 2):
                    for j, k in enumerate(keys + [keys[0] + 12]):
                        out.append((tick + beat * EIGHTH + 8 * j, 2 * EIGHTH - 50 - 8 * j, k,
                                    30 if beat % 4 == 0 else 25))
            elif figure == "offbeat":  # short chords between the beats
                for step in range(1, int(length), 2):
                    out += [(tick + step * EIGHTH, EIGHTH - 60, k, 38) for k in keys]
            elif figure == "pah":      # the "pah" of an oom-pah on beats two and four
                for beat in range(2, int(length), 4):
                    out += [(tick + beat * EIGHTH, 2 * EIGHTH - 80, k, 40) for k in keys]
            elif figure == "pad":      # held chord
                out += [(tick, length * EIGHTH - 30, k, 34) for k in keys]
            elif figure == "harp":     # rising broken chord over an octave and a third
                seq = keys + [keys[0] + 12, keys[1] + 12, keys[0] + 12, keys[2]]
                for step in range(int(length)):
                    out.append((tick + step * EIGHTH, min(2, length - step) * EIGHTH - 20, seq[step % len(seq)],
                                38 + (6 if step % 8 == 0 else 0)))
            else:
                raise ValueError(figure)
        top = max(k for _, _, k, _ in out)
        drop = 12 * -((ceiling - top) // 12) if top > ceiling else 0
        for tick, length, key, velocity in out:
            self.add(tick, length, channel, key - drop, round(velocity * soft), "chords")

    def bassline(self, chord_list, start, figure, next_root, soft):
        tuba = "tuba" in self.channels and (figure == "oompah" or "bass" not in self.channels)
        channel = self.ch("tuba" if tuba else "bass")
        low = 33    # the bass keeps to A1..G#2 for its roots
        scale = {(self.key + s) % 12 for s in MAJOR}

        def add(tick, length, key, velocity, chord):
            others = sorted((k for k in chord if k != key), key=lambda k: abs(k - key))
            self.add(tick, length, channel, key, round(velocity * soft), "bass", others)

        for i, (at, length, root, intervals) in enumerate(chord_list):
            tick = start + at * EIGHTH
            r = low + (root + self.key - low) % 12
            fifth = r + 7 if r + 7 <= low + 14 else r - 5
            chord = [r, r + intervals[1], fifth]
            following = chord_list[i + 1][2] + self.key if i + 1 < len(chord_list) else next_root
            target = low + (following - low) % 12
            if figure == "long":
                add(tick, length * EIGHTH - 40, r, 42, chord)
            elif figure in ("root", "oompah"):   # root and fifth on beats one and three
                for beat in range(0, int(length), 4):
                    held = min(4 * EIGHTH - 60 if figure == "root" else 3 * EIGHTH // 2, (length - beat) * EIGHTH - 30)
                    add(tick + beat * EIGHTH, held, r if beat == 0 else fifth, 46 if beat == 0 else 41, chord)
            elif figure == "walk":     # quarter notes: chord notes, then a step of the scale into the next chord
                if target > r:
                    approach = target - 1 if (target - 1) % 12 in scale else target - 2
                else:
                    approach = target + 1 if (target + 1) % 12 in scale else target + 2
                steps = [r, r + intervals[1], r + 7, approach] if length == 8 else [r, approach]
                for beat in range(0, int(length), 2):
                    add(tick + beat * EIGHTH, 2 * EIGHTH - 50, steps[beat // 2], 44 if beat == 0 else 40, chord)
            else:
                raise ValueError(figure)

    def groove(self, name, bars, start, soft):
        for bar in range(bars):
            pattern = GROOVES[name]
            tick = start + bar * BAR * EIGHTH
            for drum, steps in sorted(pattern.items()):
                if drum == "crash" and bar % 8:
                    continue                 # a cymbal only at the top of each phrase
                for i, c in enumerate(steps):
                    if c in LOUDNESS:
                        self.add(tick + i * EIGHTH // 2, 60, DRUMS, KIT[drum], round(64 * LOUDNESS[c] * soft),
                                 "drums")

    def section(self, sec, start, next_root):
        self.key = self.song.key + sec.transpose
        notes, chord_list = sec.tune
        last = chord_list[-1]
        bars = -(-round(last[0] + last[1]) // BAR)
        self.melody(notes, start, sec.lead, sec.octave, sec.velocity)
        lowest = 60 + self.key + sec.octave + min(k for k, _ in notes if k is not None)
        if sec.harmony:
            self.harmony(notes, chord_list, start, sec.harmony, sec.octave, HARMONY_VELOCITY)
        if sec.canon:
            # The second voice enters `delay` eighths later; meanwhile the first voice
            # repeats the tune's last notes under the second voice's ending.
            name, shift, delay = sec.canon
            self.melody(notes, start + delay * EIGHTH, name, shift, CANON_VELOCITY)
            tail, length = [], 0
            while length < delay:
                tail.insert(0, notes[-1 - len(tail)])
                length += tail[0][1]
            self.melody(tail, start + (sum(n[1] for n in notes)) * EIGHTH, sec.lead, sec.octave, CANON_VELOCITY)
            lowest = min(lowest, lowest - sec.octave + shift)
        for name, figure in sec.accomp:
            self.accompaniment(chord_list, start, name, figure, lowest - 1, sec.soft)
        self.bassline(chord_list, start, sec.bass, next_root, sec.soft)
        self.groove(sec.groove, bars, start, sec.soft)
        return start + bars * BAR * EIGHTH


def channel_volume(song, name):
    """Channel volume that brings the instrument to a common loudness, scaled by the song's level."""
    _, loudness = PROGRAMS[name]
    return min(127, round(100 * 10 ** ((-25.0 + song.level - loudness) / 40)))


def compose(song):
    arr = Arranger(song)
    tempo = Track(song.title)
    tempo.meta(0, 0x58, bytes([4, 2, 24, 8]))
    tempo.meta(0, 0x51, struct.pack(">I", round(60_000_000 / song.bpm))[1:])
    tracks = {role: Track(name) for role, name in (("tune", "Tune"), ("harmony", "Harmony"),
                                                     ("chords", "Accompaniment"), ("drums", "Drums"))}
    tracks["bass"] = tracks["chords"]
    # All set-up goes in the first instrument track, so it is sent before any note at tick 0.
    setup = tracks["tune"]
    for name, (channel, pan) in sorted(song.instruments.items(), key=lambda i: i[1][0]):
        setup.channel(0, 0xC0 | channel, PROGRAMS[name][0], order=0)
        setup.channel(0, 0xB0 | channel, 7, channel_volume(song, name), order=0)
        setup.channel(0, 0xB0 | channel, 10, pan, order=0)
        setup.channel(0, 0xB0 | channel, 91, 48, order=0)
    tracks["drums"].channel(0, 0xB0 | DRUMS, 7, min(127, round(90 * 10 ** (song.level / 40))), order=0)
    tracks["drums"].channel(0, 0xB0 | DRUMS, 91, 30, order=0)

    tick, key = 0, None
    for i, sec in enumerate(song.sections):
        if song.key + sec.transpose != key:
            key = song.key + sec.transpose
            tempo.meta(round(tick), 0x59, key_signature(key))
        following = song.sections[(i + 1) % len(song.sections)]     # the last leads back to the first
        tick = arr.section(sec, tick, following.tune[1][0][2] + song.key + following.transpose)
    end_tick = tick
    for n in clear_of_tune(arr.notes):
        tracks[n.role].note(n.tick, n.length, n.channel, n.key, n.velocity)
    order = [tempo, tracks["tune"], tracks["harmony"], tracks["chords"], tracks["drums"]]
    return midi_file(order, end_tick), end_tick


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
