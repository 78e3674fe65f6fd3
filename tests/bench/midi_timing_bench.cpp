// Timing accuracy of the sequencer: a generated 10-minute song (four instrument tracks,
// a tempo track) played against the virtual clock with a 1 ms timer. Each message's send
// time is compared with its exact time from the tempo map. Prints the error (mean, p50,
// p99, max), the drift between the first and the last minute, and the cost of a tick.
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <vector>

#include "sound/midifile.h"
#include "sound/sequencer.h"
#include "sound/virtual_midi.h"

namespace {

constexpr int kDivision = 480;
constexpr double kSongMs = 600000;

bool NoLog(const char*, ...) { return true; }

struct Lcg {
    uint32_t state;
    uint32_t Below(uint32_t n) {
        state = state * 1664525u + 1013904223u;
        return (state >> 8) % n;
    }
};

void PutVarLen(std::vector<uint8_t>* out, uint32_t v) {
    uint8_t bytes[5];
    int n = 0;
    do {
        bytes[n++] = v & 0x7F;
        v >>= 7;
    } while (v);
    while (n-- > 0) out->push_back(bytes[n] | (n ? 0x80 : 0));
}

struct TempoChange {
    uint64_t tick;
    uint32_t tempo;
};

struct Generated {
    std::vector<uint8_t> file;
    std::vector<std::vector<double>> exactMs;  // per channel, the exact time of each message
};

// Milliseconds from the start of the song to tick, following the tempo map.
double ExactMs(const std::vector<TempoChange>& map, uint64_t tick) {
    double us = 0;
    for (size_t i = 0; i < map.size() && map[i].tick < tick; ++i) {
        const uint64_t until = i + 1 < map.size() ? std::min<uint64_t>(map[i + 1].tick, tick) : tick;
        us += double(until - map[i].tick) * map[i].tempo / kDivision;
    }
    return us / 1000.0;
}

Generated Generate(bool tempoChanges, uint32_t seed) {
    Lcg rng{seed};
    // Tempo track: a change every 8 bars among gentle tempi (some of them uneven in microseconds).
    const uint32_t tempi[] = {500000, 535714, 468750, 600000, 441176, 517241};
    std::vector<TempoChange> map = {{0, tempoChanges ? tempi[0] : 500000u}};
    uint64_t tick = 0;
    while (ExactMs(map, tick) < kSongMs) {
        tick += 8 * 4 * kDivision;
        if (tempoChanges) map.push_back({tick, tempi[rng.Below(6)]});
    }
    uint64_t end = 0;
    {  // the tick where the song reaches 10 minutes
        uint64_t lo = 0, hi = tick;
        while (lo < hi) {
            const uint64_t mid = (lo + hi) / 2;
            if (ExactMs(map, mid) < kSongMs) lo = mid + 1; else hi = mid;
        }
        end = lo;
    }
    while (!map.empty() && map.back().tick >= end) map.pop_back();

    Generated g;
    std::vector<std::vector<uint8_t>> tracks(5);
    uint64_t last = 0;
    for (const TempoChange& c : map) {
        PutVarLen(&tracks[0], uint32_t(c.tick - last));
        last = c.tick;
        const uint8_t ev[] = {0xFF, 0x51, 0x03, uint8_t(c.tempo >> 16), uint8_t(c.tempo >> 8), uint8_t(c.tempo)};
        tracks[0].insert(tracks[0].end(), ev, ev + 6);
    }
    PutVarLen(&tracks[0], uint32_t(end - last));
    g.exactMs.resize(4);
    // Four instruments with their own note lengths: eighths, triplets, dotted notes and odd ticks.
    const uint32_t steps[4][4] = {{240, 240, 480, 120}, {160, 160, 160, 320}, {720, 240, 360, 120}, {37, 101, 211, 53}};
    for (int ch = 0; ch < 4; ++ch) {
        std::vector<uint8_t>& t = tracks[size_t(ch) + 1];
        uint64_t at = 0, prev = 0;
        for (;;) {
            const uint32_t length = steps[ch][rng.Below(4)];
            if (at + length > end) break;
            const uint8_t key = uint8_t(48 + rng.Below(24));
            for (int on = 1; on >= 0; --on) {  // note on now, off after length
                const uint64_t when = on ? at : at + length;
                PutVarLen(&t, uint32_t(when - prev));
                prev = when;
                const uint8_t ev[] = {uint8_t(0x90 | ch), key, uint8_t(on ? 64 : 0)};
                t.insert(t.end(), ev, ev + 3);
                g.exactMs[size_t(ch)].push_back(ExactMs(map, when));
            }
            at += length;
        }
        PutVarLen(&t, uint32_t(end - prev));
    }
    const uint8_t head[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 5, kDivision >> 8, kDivision & 0xFF};
    g.file.assign(head, head + sizeof head);
    for (std::vector<uint8_t>& t : tracks) {
        const uint8_t eot[] = {0xFF, 0x2F, 0x00};
        t.insert(t.end(), eot, eot + 3);
        const uint32_t n = uint32_t(t.size());
        const uint8_t chunk[] = {'M', 'T', 'r', 'k', uint8_t(n >> 24), uint8_t(n >> 16), uint8_t(n >> 8), uint8_t(n)};
        g.file.insert(g.file.end(), chunk, chunk + 8);
        g.file.insert(g.file.end(), t.begin(), t.end());
    }
    return g;
}

double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[std::min(v.size() - 1, size_t(p * double(v.size())))];
}

void Run(const char* name, bool tempoChanges) {
    const Generated g = Generate(tempoChanges, 12345);
    MemoryFiles files;
    files.Put("long.mid", g.file);
    VirtualMidiTimer clock(1);
    RecordingMidiOutput output(&clock);
    MidiSequencer sequencer(output, clock, &NoLog, files);
    sequencer.OpenOutput();
    output.ClearSent();
    sequencer.Play("long.mid");
    const uint64_t firstTick = clock.now() + 1;
    const uint32_t timer = clock.liveTimer();
    const auto start = std::chrono::steady_clock::now();
    clock.RunUntilKilled(timer, 20 * 60 * 1000);
    const double cpuMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    const uint64_t ticks = clock.ticksFired();
    sequencer.Stop();

    std::vector<size_t> next(4, 0);
    std::vector<double> errors, absErrors;
    double firstMinute = 0, lastMinute = 0;
    int firstCount = 0, lastCount = 0;
    size_t unmatched = 0;
    for (const SentMidi& m : output.sent()) {
        const size_t ch = m.message & 0x0F;
        if (ch >= 4 || next[ch] >= g.exactMs[ch].size()) {
            ++unmatched;
            continue;
        }
        const double exact = g.exactMs[ch][next[ch]++];
        const double error = double(m.time - firstTick) - exact;
        errors.push_back(error);
        absErrors.push_back(std::fabs(error));
        if (exact < 60000) firstMinute += error, ++firstCount;
        if (exact >= kSongMs - 60000) lastMinute += error, ++lastCount;
    }
    for (size_t ch = 0; ch < 4; ++ch) unmatched += g.exactMs[ch].size() - next[ch];
    double mean = 0;
    for (double e : errors) mean += e;
    mean /= double(errors.size());
    std::printf("%s: %zu messages, %llu ticks, song end at %.1f s of clock\n", name, errors.size(),
                static_cast<unsigned long long>(ticks), double(clock.now() - firstTick) / 1000.0);
    std::printf("  error ms: mean %+.3f  p50 %.3f  p99 %.3f  max %.3f  (min %+.3f)  unmatched %zu\n", mean,
                Percentile(absErrors, 0.5), Percentile(absErrors, 0.99), Percentile(absErrors, 1.0),
                *std::min_element(errors.begin(), errors.end()), unmatched);
    std::printf("  drift: mean error first minute %+.3f ms, last minute %+.3f ms (change %+.3f ms)\n",
                firstMinute / firstCount, lastMinute / lastCount, lastMinute / lastCount - firstMinute / firstCount);
    std::printf("  cost: %.0f ns a tick (%.1f ms for the whole song)\n", cpuMs * 1e6 / double(ticks), cpuMs);
    // One row of the summary that tools/bench.sh prints at the end.
    std::printf("table: | MIDI timing, %.0f-minute song on a 1 ms clock, %s | error mean %+.3f ms, p99 %.3f ms, max %.3f ms; "
                "drift %+.3f ms from the first minute to the last | none set |\n",
                kSongMs / 60000.0, name, mean, Percentile(absErrors, 0.99), Percentile(absErrors, 1.0),
                lastMinute / lastCount - firstMinute / firstCount);
}

}  // namespace

int main() {
    Run("steady tempo", false);
    Run("tempo change every 8 bars", true);
    return 0;
}
