// midicheck FILE         prints "ok" when the program's MIDI loader accepts FILE, otherwise its message.
// midicheck --play FILE  also plays one pass against a virtual clock with a 1 ms timer and prints
//                        each message sent: milliseconds since the first tick, then the bytes in hex.
// Exit status: 0 accepted, 1 refused, 2 usage.
#include <cstdio>
#include <cstring>
#include <string>

#include "sound/midifile.h"
#include "sound/sequencer.h"
#include "sound/virtual_midi.h"

namespace {

bool NoLog(const char*, ...) { return true; }

int PlayOnePass(const char* path) {
    VirtualMidiTimer clock(1);
    RecordingMidiOutput output(&clock);
    MidiSequencer sequencer(output, clock, &NoLog);
    sequencer.OpenOutput();
    output.ClearSent();
    if (!sequencer.Play(path)) return 1;
    const uint32_t timer = clock.liveTimer();
    const uint64_t firstTick = clock.now() + clock.MinPeriod();
    // The longest a pass can take: its longest track at the slowest tempo.
    const MidiSong& song = sequencer.song();
    uint64_t longest = 0;
    for (const MidiTrack& track : song.tracks)
        if (uint64_t(track.totalTicks) > longest) longest = uint64_t(track.totalTicks);
    const uint64_t limit = song.division ? longest * 0xFFFFFF / (1000ull * song.division) + 2 : (longest ? 0 : 2);
    // The pass ends when the song kills its own timer to restart.
    if (!clock.RunUntilKilled(timer, limit)) {
        std::fprintf(stderr, "midicheck: the song did not end\n");
        return 1;
    }
    for (const SentMidi& m : output.sent()) {
        std::printf("%llu", static_cast<unsigned long long>(m.time - firstTick));
        for (int i = 0; i < ShortMessageLength(m.message); ++i) std::printf(" %02X", (m.message >> (8 * i)) & 0xFF);
        std::printf("\n");
    }
    sequencer.Close();
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const bool play = argc == 3 && std::strcmp(argv[1], "--play") == 0;
    if (!(argc == 2 && argv[1][0] != '-') && !play) {
        std::fprintf(stderr, "usage: midicheck [--play] FILE\n");
        return 2;
    }
    const char* path = argv[argc - 1];
    MidiSong song;
    const std::string problem = LoadMidiFile(path, &song);
    if (!problem.empty()) {
        std::printf("%s\n", problem.c_str());
        return 1;
    }
    if (play) return PlayOnePass(path);
    std::printf("ok\n");
    return 0;
}
