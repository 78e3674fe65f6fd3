// The five editions' music files: each is the file its edition names, loads, and plays one
// pass of four to six minutes that sets its instruments first, sounds on the percussion
// channel, leaves no note hanging across the loop, ends every track together, and keeps
// playing into the loop point instead of ending on a held chord.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "editions/edition.h"
#include "sound/midifile.h"
#include "sound/sequencer.h"
#include "sound/virtual_midi.h"

namespace {

bool NoLog(const char*, ...) { return true; }

std::string RepoRoot() {
    const std::string here = __FILE__;
    return here.substr(0, here.rfind("tests/unit/"));
}

class MusicFiles : public ::testing::TestWithParam<int> {};

TEST_P(MusicFiles, LoadsAndPlaysOneGentleLoopablePass) {
    const EditionInfo& edition = kEditions[GetParam() - 1];
    const std::string path = RepoRoot() + "editions/" + std::to_string(GetParam()) + "/" + edition.musicFile;
    MidiSong song;
    ASSERT_EQ(LoadMidiFile(path.c_str(), &song), "") << path;
    EXPECT_EQ(song.format, 1);
    EXPECT_GE(song.tracks.size(), 3u);  // a tempo track and two to four parts
    EXPECT_LE(song.tracks.size(), 5u);
    for (size_t i = 1; i < song.tracks.size(); ++i)
        EXPECT_EQ(song.tracks[i].totalTicks, song.tracks[0].totalTicks) << "track " << i << " ends elsewhere";

    VirtualMidiTimer clock(1);
    RecordingMidiOutput output(&clock);
    MidiSequencer sequencer(output, clock, &NoLog);
    sequencer.OpenOutput();
    output.ClearSent();
    ASSERT_TRUE(sequencer.Play(path.c_str()));
    const uint64_t first = clock.now() + 1;
    const uint32_t timer = clock.liveTimer();
    ASSERT_TRUE(clock.RunUntilKilled(timer, 400000));
    const double seconds = double(clock.now() - first) / 1000.0;
    EXPECT_GE(seconds, 240.0);
    EXPECT_LE(seconds, 360.0);
    const uint64_t loopPoint = clock.now();

    std::map<int, bool> programSet;  // channel -> a program change came before its first note
    std::map<int, int> sounding;     // (channel << 8 | key) -> notes on
    int percussion = 0;
    int tunedInLastSecond = 0, drumsInLastSecond = 0;  // a held last chord starts nothing here
    for (const SentMidi& m : output.sent()) {
        const int status = m.message & 0xF0, channel = m.message & 0x0F;
        const int key = (m.message >> 8) & 0x7F, velocity = (m.message >> 16) & 0x7F;
        if (status == 0xC0) {
            EXPECT_EQ(m.time, first) << "program change after the start";
            programSet[channel] = true;
        }
        if (status == 0x90 && velocity > 0) {
            if (channel != 9) {
                EXPECT_TRUE(programSet[channel]) << "channel " << channel << " plays unset";
            }
            EXPECT_LE(velocity, 100) << "too loud for background music";
            percussion += channel == 9;
            if (m.time + 1000 > loopPoint) ++(channel == 9 ? drumsInLastSecond : tunedInLastSecond);
            ++sounding[channel << 8 | key];
        } else if (status == 0x80 || status == 0x90) {
            --sounding[channel << 8 | key];
        }
    }
    EXPECT_GE(programSet.size(), 2u);
    EXPECT_GT(percussion, 0);
    EXPECT_GT(tunedInLastSecond, 0) << "the tune stops before the loop point";
    EXPECT_GT(drumsInLastSecond, 0) << "the drums stop before the loop point";
    for (const auto& [note, count] : sounding) EXPECT_EQ(count, 0) << "note " << std::hex << note << " hangs";
    sequencer.Close();
}

INSTANTIATE_TEST_SUITE_P(Editions, MusicFiles, ::testing::Range(1, kEditionCount + 1));

}  // namespace
