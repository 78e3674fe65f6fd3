// Fuzz target for the MIDI loader and sequencer: every file the loader accepts must play
// through the sequencer to its End of Track in every track, and every refused file must
// leave no tracks behind.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "sound/midifile.h"
#include "sound/sequencer.h"
#include "sound/virtual_midi.h"

namespace {

bool NoLog(const char*, ...) { return true; }

void Require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "midi_fuzz: %s\n", what);
    std::abort();
}

void Check(const std::vector<uint8_t>& bytes) {
    MemoryFiles files;
    files.Put("song.mid", bytes);
    MidiSong song;
    if (!LoadMidiFile("song.mid", &song, files).empty()) {
        Require(song.tracks.empty(), "a refused file left tracks");
        return;
    }
    Require(song.division >= 0, "accepted header out of range");
    bool timeless = true;
    for (const MidiTrack& track : song.tracks) timeless = timeless && track.totalTicks == 0;
    const int16_t division = song.division;

    // A very long timer period plays any song in a few thousand ticks: the slowest tempo and
    // division 1 still advance 256,000 MIDI ticks a period.
    VirtualMidiTimer clock(0xFFFFFFFFu);
    RecordingMidiOutput output(&clock);
    MidiSequencer sequencer(output, clock, &NoLog, files);
    sequencer.OpenOutput();
    Require(sequencer.Play("song.mid"), "an accepted file did not play");
    files.Remove("song.mid");  // the restart then fails and the finished pass stays to be checked
    const uint32_t timer = clock.liveTimer();
    for (int tick = 0; tick < 9000 && clock.liveTimer() == timer; ++tick) clock.RunUntilKilled(timer, 1);
    if (division == 0 && !timeless) return;  // no time passes: such a song never ends
    Require(clock.liveTimer() != timer, "the song did not end");
    for (const TrackPlayback& track : sequencer.playback()) {
        Require(track.ended, "a track did not end");
        const TrackReader& at = track.cursor;  // just past an End of Track's type byte
        Require(at.pos >= 2 && at.data[at.pos - 2] == 0xFF && at.data[at.pos - 1] == 0x2F,
                "a track ended away from its End of Track");
    }
    sequencer.Close();
}

// A small song with every kind of event, for inputs read as edits to it. Its cue point has
// a one-byte length of 0x82 (read as a variable-length quantity it would run off the track).
std::vector<uint8_t> Template() {
    const uint8_t t0[] = {0x00, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20, 0x00, 0xFF, 0x58, 0x04, 0x04, 0x02, 0x18,
                          0x08, 0x00, 0xFF, 0x03, 0x02, 'h', 'i', 0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90,
                          0x00, 0xFF, 0x2F, 0x00};
    const uint8_t t1[] = {0x00, 0xC0, 0x0B, 0x00, 0x90, 0x3C, 0x40, 0x30, 0x3C, 0x00, 0x00, 0xF0, 0x03, 0x7E,
                          0x7F, 0xF7, 0x00, 0x3E, 0x40, 0x00, 0xFF, 0x07, 0x02, 0x81, 0x00, 0x30, 0x3E, 0x00,
                          0x00, 0xD0, 0x20, 0x81, 0x00, 0xB0, 0x07, 0x64, 0x00, 0xFF, 0x2F, 0x00};
    std::vector<uint8_t> t2 = {0x00, 0xC1, 0x30, 0x00, 0xFF, 0x07, 0x82};
    for (int i = 0; i < 0x82; ++i) t2.push_back(i % 2 ? 0x40 : 0x91);
    const uint8_t tail[] = {0x10, 0x91, 0x40, 0x40, 0x10, 0x40, 0x00, 0x00, 0xFF, 0x2F, 0x00};
    t2.insert(t2.end(), tail, tail + sizeof tail);
    std::vector<uint8_t> out = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 3, 0, 0x60};
    for (const auto& t : {std::vector<uint8_t>(t0, t0 + sizeof t0), std::vector<uint8_t>(t1, t1 + sizeof t1), t2}) {
        const uint8_t head[] = {'M', 'T', 'r', 'k', 0, 0, uint8_t(t.size() >> 8), uint8_t(t.size())};
        out.insert(out.end(), head, head + 8);
        out.insert(out.end(), t.begin(), t.end());
    }
    return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(std::vector<uint8_t>(data, data + size));
    // The same bytes as (position, value) edits of a good song, so that even short random
    // runs reach the sequencer with nearly valid files.
    static const std::vector<uint8_t> good = Template();
    std::vector<uint8_t> edited = good;
    for (size_t i = 0; i + 1 < size && i < 16; i += 2) edited[data[i] % edited.size()] = data[i + 1];
    Check(edited);
    return 0;
}
