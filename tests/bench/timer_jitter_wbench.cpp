// The multimedia timer as the sequencer uses it (finest period, TIME_PERIODIC), measured
// for 5 seconds: the interval between callbacks (p50, p99, max), how far the callbacks
// fall behind the ideal schedule, and the sequencer's own timing error on the real timer.
#include <windows.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <mutex>
#include <string>
#include <vector>

#include "sound/midifile.h"
#include "sound/sequencer.h"
#include "sound/winmm_midi.h"
#include "tests/support/timed_midi_output.h"

namespace {

bool NoLog(const char*, ...) { return true; }

std::vector<double> gStamps;
std::atomic<bool> gStop{false};

void Record(uint32_t, void*) {
    if (!gStop) gStamps.push_back(NowMs());
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

void RawTimer() {
    WinmmMidiTimer timer;
    const uint32_t period = timer.MinPeriod();
    gStamps.reserve(20000);
    timer.BeginPeriod(period);
    const double start = NowMs();
    const uint32_t id = timer.Start(period, &Record, nullptr);
    Sleep(5000);
    gStop = true;
    timer.Kill(id);
    timer.EndPeriod(period);
    Sleep(50);
    std::vector<double> gaps;
    for (size_t i = 1; i < gStamps.size(); ++i) gaps.push_back(gStamps[i] - gStamps[i - 1]);
    // Lateness against the ideal schedule start + n x period.
    double worstLate = 0;
    for (size_t i = 0; i < gStamps.size(); ++i)
        worstLate = std::max(worstLate, gStamps[i] - (start + double(i + 1) * period));
    const double span = gStamps.back() - start;
    std::printf("timer: period %u ms, %zu callbacks in %.0f ms (%.1f a second)\n", period, gStamps.size(), span,
                double(gStamps.size()) * 1000.0 / span);
    std::printf("  interval ms: p50 %.3f  p99 %.3f  max %.3f  min %.3f\n", Percentile(gaps, 0.5),
                Percentile(gaps, 0.99), Percentile(gaps, 1.0), Percentile(gaps, 0.0));
    std::printf("  behind the ideal schedule: at most %.2f ms; at the end %.2f ms\n", worstLate,
                gStamps.back() - (start + double(gStamps.size()) * period));
}

// The sequencer itself on the real timer: a note every 10 ms for 5 s, each send compared
// with start of the first tick + its exact time.
void Sequencer() {
    std::vector<uint8_t> events;
    const int notes = 500;
    for (int i = 0; i <= notes; ++i) {
        const uint8_t ev[] = {uint8_t(i ? 0x0A : 0x00), 0x90, 0x3C, uint8_t(i % 128)};
        events.insert(events.end(), ev, ev + 4);
    }
    const uint8_t eot[] = {0x00, 0xFF, 0x2F, 0x00};
    events.insert(events.end(), eot, eot + 4);
    std::vector<uint8_t> file = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0x01, 0xF4,  // division 500
                                 'M', 'T', 'r', 'k', 0, 0, uint8_t(events.size() >> 8), uint8_t(events.size())};
    file.insert(file.end(), events.begin(), events.end());
    MemoryFiles files;
    files.Put("bench.mid", file);
    WinmmMidiTimer timer;
    TimedOutput output;
    MidiSequencer sequencer(output, timer, &NoLog, files);
    sequencer.OpenOutput();
    output.clear();
    const double start = NowMs();
    sequencer.Play("bench.mid");
    Sleep(5300);
    sequencer.Stop();
    const auto stamps = output.sent();
    std::vector<double> errors;
    const double first = stamps.empty() ? start : stamps.front().first;
    for (size_t i = 0; i < stamps.size() && i <= size_t(notes); ++i)
        errors.push_back(stamps[i].first - first - 10.0 * double(i));
    std::vector<double> absErrors;
    for (double e : errors) absErrors.push_back(std::fabs(e));
    std::printf("sequencer on the timer: %zu notes, first %.2f ms after Play\n", errors.size(), first - start);
    std::printf("  error against the first note, ms: p50 %.3f  p99 %.3f  max %.3f; last note %+.3f\n",
                Percentile(absErrors, 0.5), Percentile(absErrors, 0.99), Percentile(absErrors, 1.0), errors.back());
    // One row of the summary that tools/bench.sh prints at the end.
    std::printf("table: | MIDI timing on Wine's multimedia timer, a note every 10 ms for 5 s | error p50 %.3f ms, "
                "p99 %.3f ms, max %.3f ms; last note %+.3f ms | none set |\n",
                Percentile(absErrors, 0.5), Percentile(absErrors, 0.99), Percentile(absErrors, 1.0), errors.back());
}

}  // namespace

int main() {
    RawTimer();
    Sequencer();
    return 0;
}
