// What the sequencer sends, stamped with the real clock, as if a device were
// present. Shared by the Win32 timer test and the timer benchmark.
#pragma once

#include <windows.h>

#include <cstdint>
#include <mutex>
#include <utility>
#include <vector>

#include "sound/sequencer.h"

// Milliseconds of the performance counter.
inline double NowMs() {
    LARGE_INTEGER f, c;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&c);
    return double(c.QuadPart) * 1000.0 / double(f.QuadPart);
}

class TimedOutput : public MidiOutput {
public:
    bool Open() override { return true; }
    void Reset() override {}
    void Send(uint32_t message) override {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_.push_back({NowMs(), message});
    }
    void Close() override {}
    size_t count() {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent_.size();
    }
    // (time in ms, message) of everything sent so far.
    std::vector<std::pair<double, uint32_t>> sent() {
        std::lock_guard<std::mutex> lock(mutex_);
        return sent_;
    }
    void clear() {
        std::lock_guard<std::mutex> lock(mutex_);
        sent_.clear();
    }

private:
    std::mutex mutex_;
    std::vector<std::pair<double, uint32_t>> sent_;
};
