// The sequencer against a virtual clock and a recording output: when each message is
// sent, tempo changes, song end and restart, failures, and the timer thread meeting the
// interface thread.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdlib>
#include <thread>

#include "sound/sequencer.h"
#include "sound/virtual_midi.h"
#include "tests/unit/midi_bytes.h"

using namespace midi_bytes;

namespace {

// Division 500 at the default tempo (500,000 us a quarter) is one MIDI tick per 1 ms timer period.
constexpr int kOneTickPerMs = 500;

class SequencerTest : public ::testing::Test {
protected:
    SequencerTest() { LogCapture::Clear(); }

    // Plays bytes as "song.mid"; returns the clock time of the first tick.
    uint64_t PlaySong(const Bytes& bytes) {
        files_.Put("song.mid", bytes);
        EXPECT_TRUE(sequencer_.Play("song.mid"));
        return clock_.now() + 1;
    }
    // The messages sent, as (milliseconds after the first tick, message).
    std::vector<std::pair<uint64_t, uint32_t>> Sent(uint64_t firstTick) const {
        std::vector<std::pair<uint64_t, uint32_t>> out;
        for (const SentMidi& m : output_.sent()) out.push_back({m.time - firstTick, m.message});
        return out;
    }
    std::vector<uint32_t> Messages() const {
        std::vector<uint32_t> out;
        for (const SentMidi& m : output_.sent()) out.push_back(m.message);
        return out;
    }

    MemoryFiles files_;
    VirtualMidiTimer clock_{1};
    RecordingMidiOutput output_{&clock_};
    MidiSequencer sequencer_{output_, clock_, &LogCapture::Log, files_};
};

using Timed = std::vector<std::pair<uint64_t, uint32_t>>;

TEST_F(SequencerTest, OpenOutputResetsAndSetsProgramZeroOnEveryChannel) {
    sequencer_.OpenOutput();
    EXPECT_TRUE(sequencer_.outputOpen());
    EXPECT_EQ(output_.resets(), 1);
    Timed expected;
    for (uint32_t ch = 0; ch < 16; ++ch) expected.push_back({10 * ch, 0xC0 + ch});
    EXPECT_EQ(Sent(0), expected);
    EXPECT_GE(clock_.now(), 160u);
    EXPECT_TRUE(LogCapture::Snapshot().empty());
}

TEST_F(SequencerTest, EventsAtDeltaZeroSoundOnTheFirstTickAndLaterOnesCountDownFromTheSecond) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    const uint64_t first = PlaySong(Song0(Cat({{0x00, 0x90, 0x3C, 0x40},
                                               {0x00, 0x91, 0x40, 0x40},
                                               {0x0A, 0x80, 0x3C, 0x00},
                                               {0x05, 0x81, 0x40, 0x00},
                                               kEndOfTrack}),
                                          kOneTickPerMs));
    clock_.Advance(20);
    const Timed expected = {{0, Msg(0x90, 0x3C, 0x40)}, {0, Msg(0x91, 0x40, 0x40)},
                            {10, Msg(0x80, 0x3C)}, {15, Msg(0x81, 0x40)}};
    EXPECT_EQ(Sent(first), expected);
}

TEST_F(SequencerTest, TempoChangeAppliesFromTheTrackThatHoldsItOnward) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    // Both tempo events fall due in the tick at 5 ms. Track 0 sets 2 ticks/ms, track 1 then 4 ticks/ms.
    const uint64_t first = PlaySong(Song1({Cat({Tempo(5, 250000), {0x08, 0x90, 0x30, 0x40}, kEndOfTrack}),
                                           Cat({Tempo(5, 125000), {0x09, 0x91, 0x31, 0x40}, kEndOfTrack}),
                                           Cat({{0x0C, 0x92, 0x32, 0x40}, kEndOfTrack})},
                                          kOneTickPerMs));
    clock_.Advance(20);
    // Track 2, after both tempo tracks: 12 - 4x1 - 4 = 4 left after 5 ms, due at 6 ms.
    // Track 1 advanced at track 0's tempo in that tick (1 - 2 = -1), so its note is 8 ticks on: 7 ms.
    // Track 0 waits 8 ticks at 4 ticks/ms: 7 ms.
    const Timed expected = {{6, Msg(0x92, 0x32, 0x40)}, {7, Msg(0x90, 0x30, 0x40)}, {7, Msg(0x91, 0x31, 0x40)}};
    EXPECT_EQ(Sent(first), expected);
}

TEST_F(SequencerTest, TempoOfZeroIsIgnoredAndTempoEventsSkipTheirStatedLength) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    // A tempo event of length 4 (its fourth byte is not an event) and a tempo of 0.
    const uint64_t first = PlaySong(Song0(Cat({{0x00, 0xFF, 0x51, 0x04, 0x03, 0xD0, 0x90, 0x55},  // 250,000 us
                                               Tempo(0, 0),
                                               {0x14, 0x90, 0x3C, 0x40},
                                               {0x14, 0x3C, 0x00},
                                               kEndOfTrack}),
                                          kOneTickPerMs));
    clock_.Advance(30);
    const Timed expected = {{10, Msg(0x90, 0x3C, 0x40)}, {20, Msg(0x90, 0x3C, 0x00)}};
    EXPECT_EQ(Sent(first), expected);
}

TEST_F(SequencerTest, TenMinutesOfLongDeltasDoNotDrift) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    // Division 480 at 500,000 us: 0.96 MIDI ticks a period. A note every 15,360 ticks is due
    // every 16 s; rounding in the countdown may cost one period, never more, and never hastens one.
    Bytes events;
    for (int i = 0; i < 38; ++i) events = Cat({events, {0xF8, 0x00, 0x90, 0x3C, uint8_t(i + 1)}});  // 15,360
    const uint64_t first = PlaySong(Song0(Cat({events, kEndOfTrack}), 480));
    clock_.Advance(38 * 16000 + 2);
    const Timed sent = Sent(first);
    ASSERT_EQ(sent.size(), 38u);
    for (int i = 0; i < 38; ++i) {
        const uint64_t due = 16000u * (i + 1);
        EXPECT_EQ(sent[i].second, Msg(0x90, 0x3C, uint8_t(i + 1)));
        EXPECT_GE(sent[i].first, due) << "note " << i;
        EXPECT_LE(sent[i].first, due + 1) << "note " << i;
    }
}

TEST_F(SequencerTest, SystemExclusiveIsConsumedAndRunningStatusOutlivesMetaEvents) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    PlaySong(Song0(Cat({{0x00, 0x90, 0x3C, 0x40},
                        {0x00, 0xF0, 0x05, 0x7E, 0x7F, 0x09, 0x01, 0xF7},
                        {0x00, 0xFF, 0x01, 0x03, 'a', 'b', 'c'},
                        {0x00, 0x3E, 0x41},
                        {0x00, 0xF7, 0x02, 0x90, 0x40},
                        {0x00, 0x3C, 0x00},
                        {0x00, 0xC5, 0x07, 0x00, 0x08},  // program changes: one data byte each
                        {0x00, 0xD5, 0x20},
                        kEndOfTrack})));
    clock_.Advance(1);
    const std::vector<uint32_t> expected = {Msg(0x90, 0x3C, 0x40), Msg(0x90, 0x3E, 0x41), Msg(0x90, 0x3C, 0x00),
                                            Msg(0xC5, 0x07), Msg(0xC5, 0x08), Msg(0xD5, 0x20)};
    EXPECT_EQ(Messages(), expected);
}

TEST_F(SequencerTest, DataBytesBeforeAnyStatusAreNotSent) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    PlaySong(Song0(Cat({{0x00, 0x3C, 0x40, 0x00, 0x90, 0x3C, 0x40}, kEndOfTrack})));
    clock_.Advance(1);
    EXPECT_EQ(Messages(), std::vector<uint32_t>{Msg(0x90, 0x3C, 0x40)});
}

TEST_F(SequencerTest, SongRestartsAtTheEndOfTheTickInWhichItsLastTracksEnd) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    const int resetsBefore = output_.resets();
    // Both tracks end at 10 ticks: the same tick.
    const uint64_t first = PlaySong(Song1({Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0xFF, 0x2F, 0x00}}),
                                           Cat({{0x05, 0x91, 0x40, 0x40}, {0x05, 0xFF, 0x2F, 0x00}})},
                                          kOneTickPerMs));
    clock_.Advance(50);
    // Pass 2 starts 10 ms (the wait after the reset) plus one period after the tick at 10 ms.
    const Timed expected = {{0, Msg(0x90, 0x3C, 0x40)},  {5, Msg(0x91, 0x40, 0x40)},
                            {21, Msg(0x90, 0x3C, 0x40)}, {26, Msg(0x91, 0x40, 0x40)},
                            {42, Msg(0x90, 0x3C, 0x40)}, {47, Msg(0x91, 0x40, 0x40)}};
    EXPECT_EQ(Sent(first), expected);
    EXPECT_EQ(clock_.timersStarted(), 3);
    EXPECT_EQ(output_.resets() - resetsBefore, 2);  // one per restart
    EXPECT_EQ(clock_.periodsBegun(), clock_.periodsEnded() + 1);
    EXPECT_TRUE(LogCapture::Snapshot().empty());
}

TEST_F(SequencerTest, EachPassPlaysTheFileAsItIsWithoutReadingAnUnchangedOneAgain) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    // A song one tick long: read once, however many passes it plays.
    PlaySong(Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x01, 0x3C, 0x00}, kEndOfTrack}), kOneTickPerMs));
    clock_.Advance(1000);
    EXPECT_GT(clock_.timersStarted(), 50);
    EXPECT_EQ(files_.opens(), 1);

    files_.Put("song.mid", Song0(Cat({{0x00, 0x90, 0x40, 0x40}, {0x01, 0x40, 0x00}, kEndOfTrack}), kOneTickPerMs));
    output_.ClearSent();
    clock_.Advance(30);
    EXPECT_EQ(files_.opens(), 2);
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().back(), Msg(0x90, 0x40, 0x00));
}

TEST_F(SequencerTest, DeletedFilePlaysToItsEndLogsOnceAndStops) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    const uint64_t first = PlaySong(Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0x3C, 0x00}, kEndOfTrack}),
                                          kOneTickPerMs));
    files_.Remove("song.mid");
    clock_.Advance(500);
    const Timed expected = {{0, Msg(0x90, 0x3C, 0x40)}, {10, Msg(0x90, 0x3C, 0x00)}};
    EXPECT_EQ(Sent(first), expected);
    EXPECT_EQ(LogCapture::Snapshot(),
              std::vector<std::string>{"LoadMidiFile reports: File cannot be loaded for reading.\n"});
    EXPECT_EQ(clock_.liveTimer(), 0u);
    // The timer period begun for the song is still ended once, by the next Stop.
    EXPECT_TRUE(sequencer_.timerRunning());
    sequencer_.Stop();
    EXPECT_FALSE(sequencer_.timerRunning());
    EXPECT_EQ(clock_.periodsBegun(), clock_.periodsEnded());
}

TEST_F(SequencerTest, WithoutAnOutputDeviceSongsStillLoadAndLoopSilently) {
    RecordingMidiOutput absent(&clock_, false);
    MidiSequencer silent(absent, clock_, &LogCapture::Log, files_);
    silent.OpenOutput();
    EXPECT_EQ(LogCapture::Snapshot(),
              std::vector<std::string>{"The default MIDI output device cannot be opened at this time."});
    files_.Put("song.mid", Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0x3C, 0x00}, kEndOfTrack}), kOneTickPerMs));
    EXPECT_TRUE(silent.Play("song.mid"));
    clock_.Advance(100);
    EXPECT_GE(clock_.timersStarted(), 4);  // about one pass every 21 ms
    silent.Close();
    EXPECT_TRUE(absent.sent().empty());
    EXPECT_EQ(absent.resets(), 0);
    EXPECT_EQ(absent.closes(), 0);
    EXPECT_EQ(LogCapture::Snapshot().size(), 1u);
}

TEST_F(SequencerTest, SongWithoutLengthPlaysOnceAndWaitsForTheNextPlay) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    PlaySong(Header(1, 0, 96));  // no tracks at all
    clock_.Advance(100);
    EXPECT_EQ(clock_.timersStarted(), 1);
    EXPECT_EQ(clock_.liveTimer(), 0u);

    PlaySong(Song1({Cat({{0x00, 0xC0, 0x05}, kEndOfTrack}), kEndOfTrack}));  // everything at tick 0
    clock_.Advance(100);
    EXPECT_EQ(clock_.timersStarted(), 2);
    EXPECT_EQ(Messages(), std::vector<uint32_t>{Msg(0xC0, 0x05)});
    EXPECT_TRUE(LogCapture::Snapshot().empty());
    sequencer_.Stop();
    EXPECT_EQ(clock_.periodsBegun(), clock_.periodsEnded());
}

TEST_F(SequencerTest, FailedLoadLeavesThePlayingSongPlaying) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    const Bytes song = Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0x3C, 0x00}, kEndOfTrack}), kOneTickPerMs);
    const uint64_t first = PlaySong(song);
    clock_.Advance(3);
    files_.Put("bad.mid", Song0({0x00, 0x90}));
    EXPECT_FALSE(sequencer_.Play("bad.mid"));
    EXPECT_EQ(LogCapture::Snapshot(),
              std::vector<std::string>{"LoadMidiFile reports: Error encountered in file: Track 0 Offset 2: Message "
                                       "first data byte problem.\n"});
    clock_.Advance(8);
    const Timed expected = {{0, Msg(0x90, 0x3C, 0x40)}, {10, Msg(0x90, 0x3C, 0x00)}};
    EXPECT_EQ(Sent(first), expected);
    // The restart still reloads the last song that loaded; the clock stands after the restart's
    // 10 ms wait, one period before the new pass's first tick.
    output_.ClearSent();
    clock_.Advance(1);
    EXPECT_EQ(Messages(), std::vector<uint32_t>{Msg(0x90, 0x3C, 0x40)});
}

TEST_F(SequencerTest, PlayStartsFromTheBeginningAndWithoutAPathReplaysTheLastOne) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    const Bytes song = Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0x3C, 0x00}, {0x0A, 0x3E, 0x40}, kEndOfTrack}),
                             kOneTickPerMs);
    PlaySong(song);
    clock_.Advance(15);
    ASSERT_EQ(output_.sent().size(), 2u);
    EXPECT_TRUE(sequencer_.Play(nullptr));
    const uint64_t again = clock_.now() + 1;
    clock_.Advance(12);
    const Timed expected = {{0, Msg(0x90, 0x3C, 0x40)}, {10, Msg(0x90, 0x3C, 0x00)}};
    Timed tail = Sent(again);
    tail.erase(tail.begin(), tail.begin() + 2);
    EXPECT_EQ(tail, expected);
    EXPECT_EQ(output_.resets(), 2);  // at opening and at the Stop inside Play
}

TEST_F(SequencerTest, StopSilencesAndClosesTheOutputOnlyOnClose) {
    sequencer_.OpenOutput();
    output_.ClearSent();
    PlaySong(Song0(Cat({{0x00, 0x90, 0x3C, 0x40}, {0x0A, 0x3C, 0x00}, kEndOfTrack}), kOneTickPerMs));
    const uint32_t timer = clock_.liveTimer();
    clock_.Advance(2);
    sequencer_.Pause();
    EXPECT_FALSE(sequencer_.timerRunning());
    EXPECT_EQ(clock_.liveTimer(), 0u);
    EXPECT_EQ(output_.resets(), 2);
    EXPECT_EQ(clock_.periodsBegun(), clock_.periodsEnded());
    // A tick of the killed timer that was already on its way does nothing.
    sequencer_.Tick(timer);
    clock_.Advance(50);
    EXPECT_EQ(output_.sent().size(), 1u);
    sequencer_.Stop();  // nothing to stop
    EXPECT_EQ(output_.resets(), 2);

    sequencer_.Play("song.mid");
    sequencer_.Close();
    EXPECT_FALSE(sequencer_.outputOpen());
    EXPECT_EQ(output_.closes(), 1);
    EXPECT_EQ(clock_.periodsBegun(), clock_.periodsEnded());
    // Without an output the song plays on, silently.
    output_.ClearSent();
    sequencer_.Play("song.mid");
    clock_.Advance(30);
    EXPECT_TRUE(output_.sent().empty());
    EXPECT_GE(clock_.timersStarted(), 4);
}

// A periodic timer on a thread of its own, as the multimedia timer calls back: Kill does
// not wait, so one more callback of a killed timer can still arrive.
class ThreadTimer : public MidiTimer {
public:
    ThreadTimer() : thread_([this] { Run(); }) {}
    ~ThreadTimer() override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            quit_ = true;
        }
        thread_.join();
    }
    uint32_t MinPeriod() override { return 1; }
    void BeginPeriod(uint32_t) override { ++begun_; }
    void EndPeriod(uint32_t) override { ++ended_; }
    uint32_t Start(uint32_t, Callback callback, void* user) override {
        std::lock_guard<std::mutex> lock(mutex_);
        id_ = ++lastId_;
        callback_ = callback;
        user_ = user;
        return id_;
    }
    void Kill(uint32_t id) override {
        std::lock_guard<std::mutex> lock(mutex_);
        if (id == id_) id_ = 0;
    }
    void Sleep(uint32_t ms) override { std::this_thread::sleep_for(std::chrono::microseconds(ms * 20)); }
    int begun() const { return begun_; }
    int ended() const { return ended_; }
    long ticks() const { return ticks_; }

private:
    void Run() {
        for (;;) {
            uint32_t id;
            Callback callback;
            void* user;
            {
                std::lock_guard<std::mutex> lock(mutex_);
                if (quit_) return;
                id = id_;
                callback = callback_;
                user = user_;
            }
            if (id) {
                callback(id, user);
                ++ticks_;
            }
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
    }

    std::mutex mutex_;
    bool quit_ = false;
    uint32_t id_ = 0, lastId_ = 0;
    Callback callback_ = nullptr;
    void* user_ = nullptr;
    std::atomic<int> begun_{0}, ended_{0};
    std::atomic<long> ticks_{0};
    std::thread thread_;
};

TEST(SequencerThreads, InterfaceCallsMeetTicksAndRestartsWithoutOverlapOrDeadlock) {
    // A deadlock would hang the test run: fail it instead.
    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        for (int i = 0; i < 600 && !done; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(100));
        if (!done) {
            std::fprintf(stderr, "sequencer deadlocked\n");
            std::abort();
        }
    });
    LogCapture::Clear();
    MemoryFiles files;
    // A song of 3 ticks that restarts itself about every 4 ms of timer ticks.
    files.Put("song.mid", Song1({Cat({{0x00, 0x90, 0x3C, 0x40}, {0x03, 0x3C, 0x00}, kEndOfTrack}),
                                 Cat({{0x01, 0x91, 0x40, 0x40}, {0x01, 0x40, 0x00}, kEndOfTrack})},
                                kOneTickPerMs));
    {
        ThreadTimer timer;
        RecordingMidiOutput output;
        MidiSequencer sequencer(output, timer, &LogCapture::Log, files);
        sequencer.OpenOutput();
        std::srand(7);
        for (int round = 0; round < 300; ++round) {
            ASSERT_TRUE(sequencer.Play("song.mid"));
            std::this_thread::sleep_for(std::chrono::microseconds(std::rand() % 3000));
            if (round % 3 == 0)
                sequencer.Pause();
            else
                sequencer.Stop();
            // Once Stop has returned, no tick sends anything.
            const size_t sent = output.sent().size();
            const long ticks = timer.ticks();
            std::this_thread::sleep_for(std::chrono::microseconds(300));
            ASSERT_EQ(output.sent().size(), sent) << "round " << round;
            ASSERT_LE(timer.ticks(), ticks + 1);
        }
        sequencer.Play("song.mid");
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        sequencer.Close();
        EXPECT_EQ(timer.begun(), timer.ended());
        EXPECT_GT(output.sent().size(), 300u);
        EXPECT_TRUE(LogCapture::Snapshot().empty());
    }
    done = true;
    watchdog.join();
}

}  // namespace
