// The program at rest: the real program (edition 1) on its colouring screen,
// its processor time and the Wine server's over 20 s, and its memory; then the
// program's own music player (sequencer and Wine's multimedia timer) playing
// edition 1's song for 20 s in this process, to a recording output, because
// this machine has no MIDI device and the real program then plays no music.
// Processor time and memory come from /proc of the Linux processes.
#include <windows.h>

#include <cstdio>
#include <string>

#include "sound/sequencer.h"
#include "sound/winmm_midi.h"
#include "tests/e2e/support/linux_process.h"
#include "tests/e2e/support/session.h"
#include "tests/support/timed_midi_output.h"

using namespace e2e;

namespace {

constexpr DWORD kSpanMs = 20000;

bool NoLog(const char*, ...) { return true; }

struct Load {
    double percent = -1, serverPercent = -1;  // of one core
};

// Processor time of a Linux process and of the Wine server over kSpanMs.
Load Measure(const std::string& pid, const std::string& server) {
    const double cpu0 = LinuxCpuSeconds(pid), server0 = LinuxCpuSeconds(server), start = NowMs();
    Sleep(kSpanMs);
    const double cpu1 = LinuxCpuSeconds(pid), server1 = LinuxCpuSeconds(server), seconds = (NowMs() - start) / 1000;
    Load load;
    if (cpu0 >= 0 && cpu1 >= 0) load.percent = 100 * (cpu1 - cpu0) / seconds;
    if (server0 >= 0 && server1 >= 0) load.serverPercent = 100 * (server1 - server0) / seconds;
    return load;
}

}  // namespace

int main() {
    const std::string server = LinuxWineServer();
    {
        Session s;
        if (!s.window() || !s.DismissIntro() || !s.WaitForSettled()) {
            std::printf("idle benchmark: the program did not reach its colouring screen\n");
            return 1;
        }
        const std::string program = LinuxProcessOf("tintwell.exe");
        Sleep(2000);
        const Load idle = Measure(program, server);
        const long rssAnon = LinuxStatusKb(program, "RssAnon"), vmRss = LinuxStatusKb(program, "VmRSS");
        std::printf("tintwell.exe at rest on its colouring screen, %u s: program %.2f%% of a core, Wine server %.2f%%\n",
                    unsigned(kSpanMs / 1000), idle.percent, idle.serverPercent);
        std::printf("  its memory: RssAnon %ld kB, VmRSS %ld kB\n", rssAnon, vmRss);
        // Rows of the summary that tools/bench.sh prints at the end.
        std::printf("table: | At rest on the colouring screen (no MIDI device here, so no music) | program %.2f%% of "
                    "a core, Wine server %.2f%% (%u s) | none set |\n",
                    idle.percent, idle.serverPercent, unsigned(kSpanMs / 1000));
        std::printf("table: | Memory of the program on its colouring screen | RssAnon %.1f MB, VmRSS %.1f MB | none set |\n",
                    rssAnon / 1024.0, vmRss / 1024.0);
        s.Quit();
    }

    TimedOutput output;
    WinmmMidiTimer timer;
    MidiSequencer sequencer(output, timer, &NoLog);
    const std::string song = std::string("Z:") + TW_SOURCE_DIR + "/editions/1/tntwl.mid";
    sequencer.OpenOutput();
    if (!sequencer.Play(song.c_str())) {
        std::printf("idle benchmark: the song %s did not play\n", song.c_str());
        return 1;
    }
    Sleep(1000);
    const size_t before = output.count();
    const Load music = Measure("self", server);
    const size_t messages = output.count() - before;
    sequencer.Close();
    std::printf("the music player playing editions/1/tntwl.mid, %u s, %zu messages: this process %.2f%% of a core, "
                "Wine server %.2f%%\n",
                unsigned(kSpanMs / 1000), messages, music.percent, music.serverPercent);
    std::printf("table: | Music: the program's player on Wine's timer, edition 1's song | %.2f%% of a core, Wine "
                "server %.2f%% (%u s, %zu messages) | none set |\n",
                music.percent, music.serverPercent, unsigned(kSpanMs / 1000), messages);
    return 0;
}
