// A recording MIDI output and a virtual clock with a periodic timer: the sequencer
// without a device or real time, for tests, benchmarks and midicheck.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "sound/sequencer.h"

// A periodic timer on a virtual clock; callbacks run on the caller's thread from Advance.
class VirtualMidiTimer : public MidiTimer {
public:
    explicit VirtualMidiTimer(uint32_t minPeriod = 1) : minPeriod_(minPeriod) {}

    uint32_t MinPeriod() override { return minPeriod_; }
    void BeginPeriod(uint32_t period) override;
    void EndPeriod(uint32_t period) override;
    uint32_t Start(uint32_t period, Callback callback, void* user) override;
    void Kill(uint32_t timerId) override;
    void Sleep(uint32_t ms) override { now_ += ms; }

    // Moves the clock on by ms, firing the live timer at each of its due times.
    void Advance(uint64_t ms);
    // Fires the live timer until timer id is killed, at most maxTicks times; true if it was killed.
    bool RunUntilKilled(uint32_t timerId, uint64_t maxTicks);

    uint64_t now() const { return now_; }
    uint32_t liveTimer() const { return live_; }
    uint64_t ticksFired() const { return fired_; }
    int periodsBegun() const { return begun_; }
    int periodsEnded() const { return ended_; }
    int timersStarted() const { return started_; }

private:
    void FireOnce();

    uint32_t minPeriod_;
    uint64_t now_ = 0;
    uint32_t nextId_ = 1;
    uint32_t live_ = 0;  // id of the running timer, 0 for none
    uint32_t period_ = 0;
    uint64_t due_ = 0;
    Callback callback_ = nullptr;
    void* user_ = nullptr;
    uint64_t fired_ = 0;
    int begun_ = 0, ended_ = 0, started_ = 0;
};

struct SentMidi {
    uint64_t time;     // clock time when sent
    uint32_t message;  // as passed to Send
};

// Records what the sequencer sends, stamped with a clock (if any). Thread-safe.
class RecordingMidiOutput : public MidiOutput {
public:
    explicit RecordingMidiOutput(const VirtualMidiTimer* clock = nullptr, bool present = true)
        : clock_(clock), present_(present) {}

    bool Open() override;
    void Reset() override;
    void Send(uint32_t message) override;
    void Close() override;

    std::vector<SentMidi> sent() const;
    void ClearSent();
    int resets() const;
    int opens() const;
    int closes() const;

private:
    const VirtualMidiTimer* clock_;
    bool present_;
    mutable std::mutex mutex_;
    std::vector<SentMidi> sent_;
    int resets_ = 0, opens_ = 0, closes_ = 0;
};

// The bytes of a short message: status, then one or two data bytes.
int ShortMessageLength(uint32_t message);
