// The MIDI file loader: header rules in their order, track validation with the exact
// messages and offsets, and nothing left allocated after a failure.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>

#include "sound/midi_events.h"
#include "sound/midifile.h"
#include "tests/unit/midi_bytes.h"

using namespace midi_bytes;

namespace {

struct Loaded {
    std::string message;
    MidiSong song;
};

Bytes TrackBytes(const MidiTrack& track) { return Bytes(track.data.get(), track.data.get() + track.size); }

class MidiFileTest : public ::testing::Test {
protected:
    const Loaded& Load(const Bytes& bytes) {
        files_.Put("song.mid", bytes);
        loaded_.message = LoadMidiFile("song.mid", &loaded_.song, files_);
        if (!loaded_.message.empty()) {
            // A failed load hands back no tracks.
            EXPECT_TRUE(loaded_.song.tracks.empty()) << loaded_.message;
        }
        return loaded_;
    }
    std::string Message(const Bytes& bytes) { return Load(bytes).message; }
    // The message for a format 0 file holding one track with these events.
    std::string TrackMessage(const Bytes& events) { return Message(Song0(events)); }

    MemoryFiles files_;
    Loaded loaded_;
};

const char kHeaderRead[] = "Error encountered when reading the MIDI file header.";
const char kHeaderChunk[] = "Error encountered when reading the MIDI header chunk.";
const char kSmpte[] = "The SMPTE time codes used in this file are not supported by this program.";
const char kInconsistent[] = "Error due to inconsistent information in MIDI header chunk.";
const char kFormat[] = "The format of this MIDI file is not supported by this program.";
const char kMemory[] = "Error encountered when allocating memory for this file.";
const char kTrackChunk[] = "Error encountered when reading track chunk.";

TEST_F(MidiFileTest, PlainFileLoadsWithItsHeaderAndTrackBytesUnchanged) {
    const Bytes t0 = Cat({Tempo(0, 400000), kEndOfTrack});
    const Bytes t1 = Cat({{0x00, 0xC1, 0x05, 0x60, 0x91, 0x3C, 0x40}, {0x83, 0x60, 0x3C, 0x00}, kEndOfTrack});
    const Loaded& l = Load(Song1({t0, t1}, 96));
    ASSERT_EQ(l.message, "");
    EXPECT_EQ(l.song.format, 1);
    EXPECT_EQ(l.song.division, 96);
    ASSERT_EQ(l.song.tracks.size(), 2u);
    EXPECT_EQ(TrackBytes(l.song.tracks[0]), t0);
    EXPECT_EQ(TrackBytes(l.song.tracks[1]), t1);
    EXPECT_EQ(l.song.tracks[0].totalTicks, 0);
    EXPECT_EQ(l.song.tracks[1].totalTicks, 0x60 + 480);
}

TEST_F(MidiFileTest, MissingFileAndShortHeaders) {
    MidiSong song;
    EXPECT_EQ(LoadMidiFile("absent.mid", &song, files_), "File cannot be loaded for reading.");
    EXPECT_EQ(Message({}), kHeaderRead);
    const Bytes good = Song0(kEndOfTrack);
    EXPECT_EQ(Message(Bytes(good.begin(), good.begin() + 13)), kHeaderRead);
    // Wrapped: the six skipped bytes or the 14 after them missing.
    EXPECT_EQ(Message(Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D', 'd', 'a', 't'}), kHeaderRead);
    const Bytes riff = Riff(good);
    EXPECT_EQ(Message(Bytes(riff.begin(), riff.begin() + 33)), kHeaderRead);
}

TEST_F(MidiFileTest, RiffWrapperIsTakenAtByteTwentyWhateverItsLabelsSay) {
    const Bytes smf = Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, kEndOfTrack}));
    EXPECT_EQ(Message(Riff(smf)), "");
    EXPECT_EQ(Message(Riff(smf, "WAVE", "fmt ")), "");
    EXPECT_EQ(loaded_.song.tracks.size(), 1u);
    // Any other layout: an extra chunk before "data" moves the header away from byte 20.
    const Bytes moved = Cat({{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D', 'L', 'I', 'S', 'T', 0, 0, 0, 4,
                              'x', 'x', 'x', 'x', 'd', 'a', 't', 'a', 0, 0, 0, 0},
                             smf});
    EXPECT_EQ(Message(moved), kHeaderChunk);
    // Only one wrapper is recognised.
    EXPECT_EQ(Message(Riff(Riff(smf))), kHeaderChunk);
}

TEST_F(MidiFileTest, HeaderChunkRulesInTheirOrder) {
    const Bytes track = Track(kEndOfTrack);
    EXPECT_EQ(Message(Cat({Chunk("MTrk", Be32(0)), track})), kHeaderChunk);
    // A longer header would be legal elsewhere; here only 6 is.
    EXPECT_EQ(Message(Cat({Header(0, 1, 96, 8), Be16(0), track})), kHeaderChunk);
    // SMPTE timing is refused before the format is looked at.
    EXPECT_EQ(Message(Cat({Header(2, 1, -25 * 256 + 40), track})), kSmpte);
    EXPECT_EQ(Message(Cat({Header(1, 1, 0xE728), track})), kSmpte);
    EXPECT_EQ(Message(Cat({Header(0, 2, 96), track, track})), kInconsistent);
    EXPECT_EQ(Message(Cat({Header(0, 0, 96)})), kInconsistent);
    EXPECT_EQ(Message(Cat({Header(3, 1, 96), track})), kInconsistent);
    EXPECT_EQ(Message(Cat({Header(-1, 1, 96), track})), kInconsistent);
    EXPECT_EQ(Message(Cat({Header(2, 1, 96), track})), kFormat);
}

TEST_F(MidiFileTest, FormatOneWithoutTracksLoadsAsAnEmptySong) {
    const Loaded& l = Load(Header(1, 0, 96));
    EXPECT_EQ(l.message, "");
    EXPECT_TRUE(l.song.tracks.empty());
}

TEST_F(MidiFileTest, TrackCountOf32768OrMoreCannotBeHeld) {
    EXPECT_EQ(Message(Header(1, 0x8000, 96)), kMemory);
    EXPECT_EQ(Message(Header(1, 0xFFFF, 96)), kMemory);
}

TEST_F(MidiFileTest, TrackChunksFollowEachOtherWithoutSkipping) {
    const Bytes track = Track(kEndOfTrack);
    EXPECT_EQ(Message(Cat({Header(1, 2, 96), track, Chunk("XFIH", {1, 2, 3}), track})), kTrackChunk);
    EXPECT_EQ(Message(Cat({Header(1, 3, 96), track, track})), kTrackChunk);            // one missing
    EXPECT_EQ(Message(Cat({Header(1, 1, 96), {'M', 'T', 'r', 'k', 0, 0}})), kTrackChunk);  // short chunk header
    const Bytes full = Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, kEndOfTrack}));
    EXPECT_EQ(Message(Bytes(full.begin(), full.end() - 1)), kTrackChunk);  // body cut short
    // A length the file cannot supply, even a huge one.
    EXPECT_EQ(Message(Cat({Header(0, 1, 96), {'M', 'T', 'r', 'k', 0xFF, 0xFF, 0xFF, 0xFF}, kEndOfTrack})), kTrackChunk);
    // Bytes after the last track chunk are never read.
    EXPECT_EQ(Message(Cat({full, {'j', 'u', 'n', 'k'}})), "");
}

TEST_F(MidiFileTest, EventsAfterEndOfTrackAreIgnored) {
    EXPECT_EQ(TrackMessage(Cat({kEndOfTrack, {0xF8, 0xF8, 0x80}})), "");
    // The End of Track's own length byte is not read either.
    EXPECT_EQ(TrackMessage({0x00, 0xFF, 0x2F}), "");
}

TEST_F(MidiFileTest, TrackWithoutEndOfTrackFailsAtItsSize) {
    const Bytes events = {0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00};
    EXPECT_EQ(TrackMessage(events), "Error encountered in file: Track 0 Offset 8: Delta-time problem.");
    EXPECT_EQ(TrackMessage({}), "Error encountered in file: Track 0 Offset 0: Delta-time problem.");
    // The track index counts from 0 in file order.
    EXPECT_EQ(Message(Song1({kEndOfTrack, kEndOfTrack, {0x00, 0xC0}})),
              "Error encountered in file: Track 2 Offset 2: Message first data byte problem.");
}

TEST_F(MidiFileTest, MetaEventLengthsFollowTheirType) {
    // Types 7 to 0x7E take ONE length byte: 0x82 0x00 is a length of 0x82, and the 0x00 is data.
    EXPECT_EQ(TrackMessage(Cat({{0x00, 0xFF, 0x07, 0x82}, Repeat(0x41, 0x82), kEndOfTrack})), "");
    // (Read as a variable-length quantity, 0x82 0x41 would be 321 and run off the track.)
    EXPECT_EQ(TrackMessage(Cat({{0x00, 0xFF, 0x07, 0x82, 0x00}, Repeat(0x41, 0x7F)})),
              "Error encountered in file: Track 0 Offset 132: Data problem on meta-event.");
    // Types 0 to 6 and 0x7F take a variable-length length.
    for (uint8_t type : {0x00, 0x01, 0x03, 0x06, 0x7F}) {
        EXPECT_EQ(TrackMessage(Cat({{0x00, 0xFF, type, 0x81, 0x00}, Repeat(0x41, 128), kEndOfTrack})), "")
            << int(type);
    }
    EXPECT_EQ(TrackMessage(Cat({Tempo(0, 500000), {0x00, 0xFF, 0x58, 0x04, 4, 2, 24, 8}, kEndOfTrack})), "");
}

TEST_F(MidiFileTest, RunningStatusSurvivesMetaAndSystemExclusiveEvents) {
    EXPECT_EQ(TrackMessage(Cat({{0x00, 0x90, 0x3C, 0x40},
                                {0x00, 0xFF, 0x01, 0x02, 'h', 'i'},
                                {0x10, 0x3C, 0x00},
                                {0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7},
                                {0x00, 0x3E, 0x40},
                                {0x00, 0xF7, 0x00},
                                {0x10, 0x3E, 0x00},
                                kEndOfTrack})),
              "");
    // Program change and channel pressure carry one data byte, under running status too.
    EXPECT_EQ(TrackMessage(Cat({{0x00, 0xC3, 0x10, 0x00, 0x11}, {0x00, 0xD3, 0x40, 0x00, 0x41}, kEndOfTrack})), "");
    // Before any status byte a data byte starts a message with two data bytes.
    EXPECT_EQ(TrackMessage(Cat({{0x00, 0x3C, 0x40}, kEndOfTrack})), "");
}

TEST_F(MidiFileTest, SystemMessagesOtherThanSysExAreRefusedJustPastTheByte) {
    for (int b = 0xF1; b <= 0xFE; ++b) {
        if (b == 0xF7) continue;
        EXPECT_EQ(TrackMessage(Cat({{0x00, 0x90, 0x3C, 0x40, 0x00, uint8_t(b)}, kEndOfTrack})),
                  "Error encountered in file: Track 0 Offset 6: Incorrect first byte.")
            << std::hex << b;
    }
}

TEST_F(MidiFileTest, TotalTicksMustFitInASignedInteger) {
    const Bytes longest = {0x83, 0xFF, 0xFF, 0xFF, 0x7F};  // 0x3FFFFFFF, five bytes
    const Bytes note = {0x90, 0x3C, 0x40};
    // Exactly 2,147,483,647 fits.
    const Loaded& l = Load(Song0(Cat({longest, note, longest, note, {0x01, 0x3C, 0x00}, kEndOfTrack})));
    EXPECT_EQ(l.message, "");
    ASSERT_EQ(l.song.tracks.size(), 1u);
    EXPECT_EQ(l.song.tracks[0].totalTicks, INT_MAX);
    // One tick more does not; the offset is just past the delta-time that overflows.
    EXPECT_EQ(TrackMessage(Cat({longest, note, longest, note, {0x02, 0x3C, 0x00}, kEndOfTrack})),
              "Error encountered in file: Track 0 Offset 17: Total ticks can't fit in integer.");
}

TEST_F(MidiFileTest, FiveByteDeltaTimes) {
    EXPECT_EQ(TrackMessage(Cat({{0x80, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})), "");
    // The first four bytes already give 0x800000: a fifth is refused.
    EXPECT_EQ(TrackMessage(Cat({{0x84, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})),
              "Error encountered in file: Track 0 Offset 5: Delta-time problem.");
}

TEST_F(MidiFileTest, EveryTrackMessageWithItsOffset) {
    struct Case {
        Bytes events;
        const char* message;
    };
    const Case cases[] = {
        {{0x00}, "Track 0 Offset 1: First byte problem."},
        {{0x00, 0xFF}, "Track 0 Offset 2: Second byte problem on meta-event."},
        {{0x00, 0xFF, 0x01}, "Track 0 Offset 3: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x7F, 0x81}, "Track 0 Offset 4: Variable-length problem on meta-event."},
        {{0x00, 0xFF, 0x01, 0x05, 'a', 'b'}, "Track 0 Offset 6: Variable-length data on meta-event."},
        {{0x00, 0xFF, 0x51}, "Track 0 Offset 3: Length problem on meta-event."},
        {{0x00, 0xFF, 0x51, 0x03, 0x07}, "Track 0 Offset 5: Data problem on meta-event."},
        {{0x00, 0xF0}, "Track 0 Offset 2: Variable-length problem on SysEx message."},
        {{0x00, 0xF0, 0x88, 0x80, 0x80, 0x80, 0x00}, "Track 0 Offset 7: Variable-length problem on SysEx message."},
        {{0x00, 0xF7, 0x04, 0x01, 0x02}, "Track 0 Offset 5 Variable-Length data on SysEx message."},
        {{0x00, 0xF4}, "Track 0 Offset 2: Incorrect first byte."},
        {{0x00, 0x90}, "Track 0 Offset 2: Message first data byte problem."},
        {{0x00, 0x90, 0x80, 0x40}, "Track 0 Offset 3: Message first data byte problem."},
        {{0x00, 0x90, 0x3C}, "Track 0 Offset 3: Message second data byte problem."},
        {{0x00, 0x90, 0x3C, 0xFF, 0x2F, 0x00}, "Track 0 Offset 4: Message second data byte problem."},
        {{0x00, 0x90, 0x3C, 0x40, 0x00, 0x3C}, "Track 0 Offset 6: Message second data byte problem."},
        {{0x00, 0x3C}, "Track 0 Offset 2: Message second data byte problem."},
        {{0x00, 0xC0, 0x05, 0x00, 0x99}, "Track 0 Offset 5: Message first data byte problem."},
        {{0x81}, "Track 0 Offset 1: Delta-time problem."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TrackMessage(c.events), std::string("Error encountered in file: ") + c.message);
}

TEST(MidiTrackReaders, ReadsStopAtTheEndOfTheData) {
    const uint8_t data[] = {0x7F, 0x81, 0x00, 0xFF, 0xFF, 0xFF, 0x7F, 0x80};
    TrackReader r{data, sizeof data, 0};
    uint32_t v = 0;
    ASSERT_TRUE(ReadVarLen(&r, &v));
    EXPECT_EQ(v, 0x7Fu);
    ASSERT_TRUE(ReadVarLen(&r, &v));
    EXPECT_EQ(v, 0x80u);
    ASSERT_TRUE(ReadVarLen(&r, &v));
    EXPECT_EQ(v, 0x0FFFFFFFu);
    EXPECT_EQ(r.pos, 7u);
    EXPECT_FALSE(ReadVarLen(&r, &v));  // 0x80 and then nothing
    EXPECT_EQ(r.pos, 8u);
    uint8_t byte = 0x55;
    EXPECT_FALSE(ReadTrackByte(&r, &byte));
    EXPECT_EQ(r.pos, 8u);
    EXPECT_EQ(byte, 0x55);

    const uint8_t largest[] = {0x83, 0xFF, 0xFF, 0xFF, 0x7F};
    TrackReader big{largest, sizeof largest, 0};
    ASSERT_TRUE(ReadVarLen(&big, &v));
    EXPECT_EQ(v, 0x3FFFFFFFu);
}

TEST(MidiDiskFiles, LoadsFromDiskAndReportsMissingFiles) {
    const std::string path = ::testing::TempDir() + "midifile_test.mid";
    const Bytes bytes = Song0(Cat({{0x00, 0x90, 0x3C, 0x40, 0x10, 0x3C, 0x00}, kEndOfTrack}));
    FILE* f = std::fopen(path.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    MidiSong song;
    EXPECT_EQ(LoadMidiFile(path.c_str(), &song), "");
    ASSERT_EQ(song.tracks.size(), 1u);
    EXPECT_EQ(song.tracks[0].totalTicks, 0x10);
    std::remove(path.c_str());
    EXPECT_EQ(LoadMidiFile(path.c_str(), &song), "File cannot be loaded for reading.");
}

}  // namespace
