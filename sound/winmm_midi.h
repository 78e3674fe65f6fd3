// The sequencer's output and timer on the Windows multimedia services.
#pragma once

#include <cstdint>

#include "sound/sequencer.h"

// MIDI output device 0 (not the mapper), opened without a callback.
class WinmmMidiOutput : public MidiOutput {
public:
    bool Open() override;
    void Reset() override;
    void Send(uint32_t message) override;
    void Close() override;

private:
    void* handle_ = nullptr;  // HMIDIOUT
};

// timeSetEvent with TIME_PERIODIC; one callback at a time.
class WinmmMidiTimer : public MidiTimer {
public:
    uint32_t MinPeriod() override;
    void BeginPeriod(uint32_t period) override;
    void EndPeriod(uint32_t period) override;
    uint32_t Start(uint32_t period, Callback callback, void* user) override;
    void Kill(uint32_t timerId) override;
    void Sleep(uint32_t ms) override;
    void Fire(uint32_t timerId) { callback_(timerId, user_); }  // on the timer's thread

private:
    Callback callback_ = nullptr;
    void* user_ = nullptr;
};
