// The sequencer on the real multimedia timer: Tick runs periodically on the timer's thread,
// songs restart there, Stop and Close return promptly and nothing ticks after them, and
// the program's music functions run without a MIDI device. Durations are printed, not
// asserted.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "editions/edition.h"
#include "sound/music.h"
#include "sound/sequencer.h"
#include "sound/winmm_midi.h"
#include "support/log.h"
#include "tests/support/timed_midi_output.h"
#include "tests/unit/midi_bytes.h"

using namespace midi_bytes;

namespace {

// The winmm timer, counting the callbacks it delivers and the timers started.
class CountingTimer : public MidiTimer {
public:
    uint32_t MinPeriod() override { return real_.MinPeriod(); }
    void BeginPeriod(uint32_t p) override { real_.BeginPeriod(p); }
    void EndPeriod(uint32_t p) override { real_.EndPeriod(p); }
    uint32_t Start(uint32_t period, Callback callback, void* user) override {
        callback_ = callback;
        user_ = user;
        ++starts;
        return real_.Start(period, &Trampoline, this);
    }
    void Kill(uint32_t id) override { real_.Kill(id); }
    void Sleep(uint32_t ms) override { real_.Sleep(ms); }

    std::atomic<long> ticks{0};
    std::atomic<long> starts{0};

private:
    static void Trampoline(uint32_t id, void* self) {
        CountingTimer* t = static_cast<CountingTimer*>(self);
        ++t->ticks;
        t->callback_(id, t->user_);
    }
    WinmmMidiTimer real_;
    Callback callback_ = nullptr;
    void* user_ = nullptr;
};

std::string TempFile(const char* name, const Bytes& bytes) {
    char dir[MAX_PATH];
    GetTempPathA(sizeof dir, dir);
    const std::string path = std::string(dir) + name;
    FILE* f = std::fopen(path.c_str(), "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
    return path;
}

// Notes every 10 ms for the given length (division 500: one MIDI tick per millisecond).
Bytes NotesEvery10Ms(int notes) {
    Bytes events;
    for (int i = 0; i < notes; ++i) events = Cat({events, {0x0A, 0x90, 0x3C, uint8_t(i % 128)}});
    return Song0(Cat({{0x00, 0x90, 0x3C, 0x7F}, events, kEndOfTrack}), 500);
}

struct Figures {
    double stopMs;
    long ticksAfterStop;
    size_t sentAfterStop;
};

// Stops, then watches for 100 ms that no tick and no message follows.
template <typename Fn>
Figures StopAndWatch(CountingTimer& timer, TimedOutput& output, Fn stop) {
    const double t0 = NowMs();
    stop();
    const double stopMs = NowMs() - t0;
    const long ticks = timer.ticks;
    const size_t sent = output.count();
    Sleep(100);
    // One callback already on its way when the timer was killed may still arrive, and does nothing.
    return {stopMs, timer.ticks - ticks, output.count() - sent};
}

TEST(MidiTimer, RealTimerRunsTickEveryPeriodAndStopReturnsPromptly) {
    LogCapture::Clear();
    const std::string path = TempFile("tw_midi_timer_long.mid", NotesEvery10Ms(300));  // 3 s
    CountingTimer timer;
    TimedOutput output;
    MidiSequencer sequencer(output, timer, &LogCapture::Log);
    sequencer.OpenOutput();
    const size_t opening = output.count();
    const double start = NowMs();
    ASSERT_TRUE(sequencer.Play(path.c_str()));
    Sleep(1000);
    const long ticks = timer.ticks;
    const double elapsed = NowMs() - start;
    const Figures f = StopAndWatch(timer, output, [&] { sequencer.Stop(); });
    const auto sent = output.sent();
    const size_t notes = sent.size() - opening;

    std::printf("  [figures] period %u ms, %ld ticks in %.0f ms, %zu notes sent, Stop took %.2f ms\n",
                timer.MinPeriod(), ticks, elapsed, notes, f.stopMs);
    EXPECT_GT(ticks, 100);  // the timer does call Tick, many times a second
    EXPECT_GT(notes, 10u);
    for (size_t i = opening + 1; i < sent.size(); ++i) EXPECT_GE(sent[i].first, sent[i - 1].first);
    EXPECT_LE(f.ticksAfterStop, 1);
    EXPECT_EQ(f.sentAfterStop, 0u);
    EXPECT_FALSE(sequencer.timerRunning());
    EXPECT_TRUE(LogCapture::Snapshot().empty());
    sequencer.Close();
    DeleteFileA(path.c_str());
}

TEST(MidiTimer, SongRestartsOnTheTimerThreadAndCloseStopsIt) {
    LogCapture::Clear();
    const std::string path = TempFile("tw_midi_timer_short.mid", NotesEvery10Ms(3));  // 30 ms a pass
    CountingTimer timer;
    TimedOutput output;
    MidiSequencer sequencer(output, timer, &LogCapture::Log);
    sequencer.OpenOutput();
    ASSERT_TRUE(sequencer.Play(path.c_str()));
    Sleep(1000);
    const long passes = timer.starts;
    const Figures f = StopAndWatch(timer, output, [&] { sequencer.Close(); });
    std::printf("  [figures] %ld passes in 1 s, Close took %.2f ms\n", passes, f.stopMs);
    EXPECT_GE(passes, 5);  // each pass is 30 ms plus the 10 ms wait and the reload
    EXPECT_LE(f.ticksAfterStop, 1);
    EXPECT_EQ(f.sentAfterStop, 0u);
    EXPECT_FALSE(sequencer.outputOpen());
    EXPECT_TRUE(LogCapture::Snapshot().empty());
    DeleteFileA(path.c_str());
}

TEST(MidiTimer, PlayAndStopFromTheInterfaceThreadWhileTheSongRestartsItself) {
    LogCapture::Clear();
    const std::string path = TempFile("tw_midi_timer_race.mid", NotesEvery10Ms(1));  // restarts every ~20 ms
    CountingTimer timer;
    TimedOutput output;
    MidiSequencer sequencer(output, timer, &LogCapture::Log);
    sequencer.OpenOutput();
    std::atomic<bool> done{false};
    std::thread watchdog([&done] {
        for (int i = 0; i < 600 && !done; ++i) Sleep(100);
        if (!done) {
            std::fprintf(stderr, "sequencer deadlocked\n");
            ExitProcess(3);
        }
    });
    double worstStop = 0, totalStop = 0;
    const int rounds = 60;
    for (int round = 0; round < rounds; ++round) {
        ASSERT_TRUE(sequencer.Play(path.c_str()));
        Sleep(DWORD(5 + (round * 7) % 30));  // lands before, during and after restarts
        const double t0 = NowMs();
        sequencer.Stop();
        const double took = NowMs() - t0;
        worstStop = took > worstStop ? took : worstStop;
        totalStop += took;
        const size_t sent = output.count();
        Sleep(5);
        ASSERT_EQ(output.count(), sent) << "round " << round;
    }
    sequencer.Close();
    done = true;
    watchdog.join();
    std::printf("  [figures] %d Play/Stop rounds, %ld timers started, Stop mean %.2f ms, worst %.2f ms\n", rounds,
                long(timer.starts), totalStop / rounds, worstStop);
    EXPECT_GT(timer.starts, rounds);  // some rounds met restarts
    EXPECT_TRUE(LogCapture::Snapshot().empty());
    DeleteFileA(path.c_str());
}

TEST(MidiTimer, WinmmOutputOpensDeviceZeroOrReportsIt) {
    WinmmMidiOutput output;
    const bool opened = output.Open();
    EXPECT_EQ(opened, midiOutGetNumDevs() > 0);
    if (opened) output.Close();
    // Without a device, sending and resetting are harmless.
    output.Reset();
    output.Send(0x00403C90);
}

TEST(MidiTimer, ProgramMusicRunsWithoutADeviceAndLogsWhatHappens) {
    if (midiOutGetNumDevs() > 0) GTEST_SKIP() << "a MIDI device is present";
    char dir[MAX_PATH], before[MAX_PATH];
    GetCurrentDirectoryA(sizeof before, before);
    GetTempPathA(sizeof dir, dir);
    const std::string work = std::string(dir) + "tw_music_test";
    CreateDirectoryA(work.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryA(work.c_str()));
    DeleteFileA("log.txt");
    FILE* f = std::fopen(gEdition.musicFile, "wb");
    const Bytes song = NotesEvery10Ms(3);
    std::fwrite(song.data(), 1, song.size(), f);
    std::fclose(f);

    gLogEnabled = true;
    OnActivateApp(true);  // before StartMusic: no path yet
    StartMusic(gEdition.musicFile);
    Sleep(200);  // a few silent passes
    OnActivateApp(false);
    OnActivateApp(true);
    StopMusic();
    gLogEnabled = false;

    std::vector<std::string> lines;
    if (FILE* log = std::fopen("log.txt", "r")) {
        char line[512];
        while (std::fgets(line, sizeof line, log)) {
            std::string text(line);
            const size_t colon = text.find(":  ");
            lines.push_back(colon == std::string::npos ? text : text.substr(colon + 3));
        }
        std::fclose(log);
    }
    const std::vector<std::string> expected = {
        "WM_ACTIVATEAPP 0\n",
        "LoadMidiFile reports: File cannot be loaded for reading.\n",
        "\n",
        "The default MIDI output device cannot be opened at this time.\n",
        "WM_ACTIVATEAPP 1\n",
        "WM_ACTIVATEAPP 0\n",
    };
    EXPECT_EQ(lines, expected);
    DeleteFileA("log.txt");
    DeleteFileA(gEdition.musicFile);
    SetCurrentDirectoryA(before);
    RemoveDirectoryA(work.c_str());
}

}  // namespace
