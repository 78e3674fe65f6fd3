#include "sound/virtual_midi.h"

void VirtualMidiTimer::BeginPeriod(uint32_t) { ++begun_; }
void VirtualMidiTimer::EndPeriod(uint32_t) { ++ended_; }

uint32_t VirtualMidiTimer::Start(uint32_t period, Callback callback, void* user) {
    live_ = nextId_++;
    period_ = period ? period : 1;
    due_ = now_ + period_;
    callback_ = callback;
    user_ = user;
    ++started_;
    return live_;
}

void VirtualMidiTimer::Kill(uint32_t timerId) {
    if (timerId == live_) live_ = 0;
}

void VirtualMidiTimer::FireOnce() {
    now_ = due_;
    due_ += period_;
    ++fired_;
    callback_(live_, user_);
}

void VirtualMidiTimer::Advance(uint64_t ms) {
    const uint64_t until = now_ + ms;
    while (live_ && due_ <= until) FireOnce();
    if (now_ < until) now_ = until;
}

bool VirtualMidiTimer::RunUntilKilled(uint32_t timerId, uint64_t maxTicks) {
    for (uint64_t n = 0; n < maxTicks && live_ == timerId && live_; ++n) FireOnce();
    return live_ != timerId;
}

bool RecordingMidiOutput::Open() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (present_) ++opens_;
    return present_;
}

void RecordingMidiOutput::Reset() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++resets_;
}

void RecordingMidiOutput::Send(uint32_t message) {
    std::lock_guard<std::mutex> lock(mutex_);
    sent_.push_back({clock_ ? clock_->now() : 0, message});
}

void RecordingMidiOutput::Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    ++closes_;
}

std::vector<SentMidi> RecordingMidiOutput::sent() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return sent_;
}

void RecordingMidiOutput::ClearSent() {
    std::lock_guard<std::mutex> lock(mutex_);
    sent_.clear();
}

int RecordingMidiOutput::resets() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return resets_;
}

int RecordingMidiOutput::opens() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return opens_;
}

int RecordingMidiOutput::closes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return closes_;
}

int ShortMessageLength(uint32_t message) {
    const uint8_t kind = (message & 0xFF) >> 4;
    return kind == 0xC || kind == 0xD ? 2 : 3;
}
