// The music controller: the song's path, playing only while the program is active,
// starting again from the beginning on each activation, and closing on Quit.
#include <gtest/gtest.h>

#include "sound/music.h"
#include "sound/virtual_midi.h"
#include "tests/unit/midi_bytes.h"

using namespace midi_bytes;

namespace {

const char kMissing[] = "LoadMidiFile reports: File cannot be loaded for reading.\n";

class MusicTest : public ::testing::Test {
protected:
    MusicTest() {
        LogCapture::Clear();
        // One tick per millisecond: a note at 0, its end at 10, the song's end at 30.
        song_ = Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0x3C, 0x00}, {0x14, 0xFF, 0x2F, 0x00}}), 500);
    }
    size_t NoteOns() const {
        size_t n = 0;
        for (const SentMidi& m : output_.sent()) n += m.message == Msg(0x90, 0x3C, 0x40);
        return n;
    }

    Bytes song_;
    MemoryFiles files_;
    VirtualMidiTimer clock_{1};
    RecordingMidiOutput output_{&clock_};
    MidiSequencer sequencer_{output_, clock_, &LogCapture::Log, files_};
    MusicController music_{sequencer_, &LogCapture::Log};
};

TEST_F(MusicTest, PathIsTheCurrentDirectoryABackslashAndTheName) {
    music_.StartMusic({"tntwl3.mid"}, "C:\\Games\\Tintwell");
    ASSERT_EQ(music_.songs().size(), 1u);
    EXPECT_EQ(music_.songs()[0].fileName, "tntwl3.mid");
    EXPECT_EQ(music_.songs()[0].path, "C:\\Games\\Tintwell\\tntwl3.mid");
    // A drive root keeps its own backslash: two in a row, passed on unchanged.
    music_.StartMusic({"tntwl.mid"}, "D:\\");
    EXPECT_EQ(music_.songs()[0].path, "D:\\\\tntwl.mid");
    files_.Put("D:\\\\tntwl.mid", song_);
    music_.OnActivateApp(true);
    clock_.Advance(1);
    EXPECT_EQ(NoteOns(), 1u);
}

TEST_F(MusicTest, PathTooLongToHoldLeavesTheProgramWithoutMusic) {
    const std::string dir = "C:\\" + std::string(246, 'd');  // 249 + 1 + 9 = 259 characters: still held
    music_.StartMusic({"tntwl.mid"}, dir.c_str());
    EXPECT_EQ(music_.songs()[0].path.size(), 259u);
    music_.StartMusic({"tntwl.mid"}, (dir + "d").c_str());
    EXPECT_EQ(music_.songs()[0].path, "");
    music_.OnActivateApp(true);
    EXPECT_EQ(LogCapture::Snapshot(), (std::vector<std::string>{"WM_ACTIVATEAPP 0", kMissing}));
    EXPECT_EQ(clock_.timersStarted(), 0);
}

TEST_F(MusicTest, StartMusicOpensTheOutputAndWaitsForActivation) {
    files_.Put("C:\\tw\\tntwl.mid", song_);
    music_.StartMusic({"tntwl.mid"}, "C:\\tw");
    EXPECT_TRUE(sequencer_.outputOpen());
    EXPECT_EQ(output_.sent().size(), 16u);  // program 0 on every channel
    clock_.Advance(100);
    EXPECT_EQ(NoteOns(), 0u);

    music_.OnActivateApp(true);
    EXPECT_EQ(LogCapture::Snapshot(), std::vector<std::string>{"WM_ACTIVATEAPP 0"});
    clock_.Advance(1);
    EXPECT_EQ(NoteOns(), 1u);
}

TEST_F(MusicTest, ActivationBeforeStartMusicIsLoggedAndMusicStartsWithStartMusic) {
    music_.OnActivateApp(true);
    EXPECT_TRUE(music_.active());
    EXPECT_EQ(LogCapture::Snapshot(), (std::vector<std::string>{"WM_ACTIVATEAPP 0", kMissing}));
    files_.Put("C:\\tw\\tntwl.mid", song_);
    music_.StartMusic({"tntwl.mid"}, "C:\\tw");
    clock_.Advance(1);
    EXPECT_EQ(NoteOns(), 1u);
}

TEST_F(MusicTest, LosingActivationStopsAndRegainingItStartsFromTheBeginning) {
    files_.Put("C:\\tw\\tntwl.mid", song_);
    music_.StartMusic({"tntwl.mid"}, "C:\\tw");
    music_.OnActivateApp(true);
    clock_.Advance(5);  // into the note
    const int resets = output_.resets();
    music_.OnActivateApp(false);
    EXPECT_FALSE(sequencer_.timerRunning());
    EXPECT_EQ(output_.resets(), resets + 1);  // all sound off
    clock_.Advance(100);
    EXPECT_EQ(output_.sent().size(), 17u);  // nothing after the first note
    music_.OnActivateApp(true);
    clock_.Advance(1);
    EXPECT_EQ(NoteOns(), 2u);  // from the beginning, not from 5 ms in
    EXPECT_EQ(LogCapture::Snapshot(),
              (std::vector<std::string>{"WM_ACTIVATEAPP 0", "WM_ACTIVATEAPP 1", "WM_ACTIVATEAPP 0"}));
}

TEST_F(MusicTest, StopMusicClosesTheOutput) {
    files_.Put("C:\\tw\\tntwl.mid", song_);
    music_.StartMusic({"tntwl.mid"}, "C:\\tw");
    music_.OnActivateApp(true);
    clock_.Advance(3);
    music_.StopMusic();
    EXPECT_FALSE(sequencer_.outputOpen());
    EXPECT_FALSE(sequencer_.timerRunning());
    EXPECT_EQ(output_.closes(), 1);
}

TEST_F(MusicTest, MissingMusicFileOnlyReachesTheLog) {
    music_.StartMusic({"tntwl.mid"}, "C:\\elsewhere");
    music_.OnActivateApp(true);
    clock_.Advance(100);
    EXPECT_EQ(NoteOns(), 0u);
    EXPECT_EQ(LogCapture::Snapshot(), (std::vector<std::string>{"WM_ACTIVATEAPP 0", kMissing}));
}

}  // namespace
