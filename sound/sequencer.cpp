#include "sound/sequencer.h"

namespace {

constexpr int32_t kDefaultTempo = 500000;  // microseconds per quarter note

// Bounded reads at the track's cursor: the sequencer never reads outside a track.
bool NextByte(MidiTrack* track, uint8_t* byte) {
    if (track->cursor >= track->size) return false;
    *byte = track->data[track->cursor++];
    return true;
}

// A variable-length quantity as the sequencer reads it: no bound on its length.
bool NextVarLen(MidiTrack* track, uint32_t* value) {
    uint32_t v = 0;
    uint8_t byte;
    do {
        if (!NextByte(track, &byte)) return false;
        v = v << 7 | (byte & 0x7F);
    } while (byte >= 0x80);
    *value = v;
    return true;
}

bool Skip(MidiTrack* track, uint32_t n) {
    if (n > track->size - track->cursor) return false;
    track->cursor += n;
    return true;
}

}  // namespace

MidiSequencer::MidiSequencer(MidiOutput& output, MidiTimer& timer, MidiLogFn log, const MidiFiles& files)
    : output_(output), timer_(timer), log_(log), files_(files) {}

MidiSequencer::~MidiSequencer() {
    Close();
    ReleaseMidiSong(&song_);
}

void MidiSequencer::TimerCallback(uint32_t timerId, void* user) {
    static_cast<MidiSequencer*>(user)->Tick(timerId);
}

void MidiSequencer::OpenOutput() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (outputOpen_) return;
    if (!output_.Open()) {
        log_("The default MIDI output device cannot be opened at this time.");
        return;
    }
    outputOpen_ = true;
    output_.Reset();
    for (uint32_t channel = 0; channel < 16; ++channel) {
        output_.Send(0xC0 + channel);  // program 0
        timer_.Sleep(10);
    }
}

bool MidiSequencer::Play(const char* path) {
    std::string again;
    if (!path) {
        std::lock_guard<std::mutex> lock(mutex_);
        again = lastPath_;
    }
    // The file is read while the previous song still plays.
    const char* name = path ? path : again.c_str();
    std::string stamp = files_.Stamp(name);
    MidiSong fresh{};
    const std::string problem = LoadMidiFile(name, &fresh, files_);
    if (!problem.empty()) {
        log_("LoadMidiFile reports: %s\n", problem.c_str());
        return false;
    }
    std::lock_guard<std::mutex> lock(mutex_);
    PlayLoaded(&fresh, path, std::move(stamp));
    return true;
}

void MidiSequencer::PlayLoaded(MidiSong* fresh, const char* path, std::string stamp) {
    if (path) lastPath_ = path;
    songStamp_ = std::move(stamp);
    StopLocked();
    ReleaseMidiSong(&song_);
    song_ = *fresh;
    *fresh = MidiSong{};
    StartPass();
}

void MidiSequencer::StartPass() {
    StopLocked();
    timerPeriod_ = timer_.MinPeriod();
    Rewind();
    timer_.BeginPeriod(timerPeriod_);
    timerRunning_ = true;
    timerId_ = timer_.Start(timerPeriod_, &MidiSequencer::TimerCallback, this);
}

void MidiSequencer::Stop() {
    std::lock_guard<std::mutex> lock(mutex_);
    StopLocked();
}

void MidiSequencer::StopLocked() {
    if (!timerRunning_) return;
    if (timerId_) timer_.Kill(timerId_);
    timerId_ = 0;
    timer_.EndPeriod(timerPeriod_);
    if (outputOpen_) output_.Reset();
    timer_.Sleep(10);
    timerRunning_ = false;
}

void MidiSequencer::Close() {
    std::lock_guard<std::mutex> lock(mutex_);
    // Stopped even without an output, so that no tick works on after the program has quit.
    StopLocked();
    if (!outputOpen_) return;
    output_.Close();
    outputOpen_ = false;
}

void MidiSequencer::Rewind() {
    song_.tempo = kDefaultTempo;
    for (int i = 0; i < song_.trackCount; ++i) {
        MidiTrack& t = song_.tracks[i];
        t.cursor = 0;
        t.runningStatus = 0;
        t.deltaLoaded = false;
        t.ended = false;
        t.countdown = 0;
    }
}

bool MidiSequencer::SongHasLength() const {
    for (int i = 0; i < song_.trackCount; ++i)
        if (song_.tracks[i].totalTicks > 0) return true;
    return false;
}

void MidiSequencer::Tick(uint32_t timerId) {
    // The interface thread holds the lock only while it stops or replaces this timer.
    std::unique_lock<std::mutex> lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock() || timerId == 0 || timerId != timerId_) return;

    int live = 0;
    for (int i = 0; i < song_.trackCount; ++i) {
        MidiTrack* t = &song_.tracks[i];
        if (t->ended) continue;
        ++live;
        if (!t->deltaLoaded) {
            uint32_t delta;
            if (!ReadDeltaTime(t, &delta)) {
                --live;
                continue;
            }
            t->countdown = delta;
            t->deltaLoaded = true;
        } else {
            // Worked out per track: a tempo change applies to the tracks after it in this tick.
            const double advance = 1000.0 * timerPeriod_ * song_.division / song_.tempo;
            t->countdown -= advance;
        }
        while (t->countdown <= 0) {
            uint32_t delta;
            if (DispatchEvent(t) || !ReadDeltaTime(t, &delta)) {
                --live;
                break;
            }
            t->countdown += delta;
        }
    }
    if (live > 0) return;

    timer_.Kill(timerId_);
    timerId_ = 0;
    // A song that takes no time would restart on every tick: it stays silent until the next Play.
    if (!SongHasLength()) return;
    // Each pass plays the file as it is now, but a file that has not changed is
    // not read again: a short song in a big file would keep the program busy reading.
    std::string stamp = files_.Stamp(lastPath_.c_str());
    if (!stamp.empty() && stamp == songStamp_) {
        StartPass();
        return;
    }
    MidiSong fresh{};
    const std::string problem = LoadMidiFile(lastPath_.c_str(), &fresh, files_);
    if (!problem.empty()) {
        log_("LoadMidiFile reports: %s\n", problem.c_str());
        return;
    }
    PlayLoaded(&fresh, nullptr, std::move(stamp));
}

bool MidiSequencer::ReadDeltaTime(MidiTrack* track, uint32_t* delta) {
    if (NextVarLen(track, delta)) return true;
    track->ended = true;  // the end of the data counts as End of Track
    return false;
}

bool MidiSequencer::DispatchEvent(MidiTrack* t) {
    uint8_t b;
    if (!NextByte(t, &b)) return t->ended = true;

    if (b == 0xFF) {
        uint8_t type;
        if (!NextByte(t, &type) || type == 0x2F) return t->ended = true;
        // Lengths as the loader reads them: variable for types 0 to 6 and 0x7F, one byte otherwise.
        uint32_t length;
        if (type <= 6 || type == 0x7F) {
            if (!NextVarLen(t, &length)) return t->ended = true;
        } else {
            uint8_t one;
            if (!NextByte(t, &one)) return t->ended = true;
            length = one;
        }
        if (length > t->size - t->cursor) return t->ended = true;
        if (type == 0x51 && length >= 3) {
            const uint8_t* p = t->data + t->cursor;
            const int32_t tempo = p[0] << 16 | p[1] << 8 | p[2];
            if (tempo > 0) song_.tempo = tempo;  // a tempo of 0 would make the advance infinite
        }
        t->cursor += length;
        return false;
    }
    if (b >= 0xF0) {  // system exclusive: consumed, not sent
        uint32_t length;
        if (!NextVarLen(t, &length) || !Skip(t, length)) return t->ended = true;
        return false;
    }

    uint8_t d1 = b, d2 = 0;
    if (b >= 0x80) {
        t->runningStatus = b;
        if (!NextByte(t, &d1)) return t->ended = true;
    }
    const uint8_t kind = t->runningStatus >> 4;
    if (kind != 0xC && kind != 0xD && !NextByte(t, &d2)) return t->ended = true;
    // Data bytes before any status byte carry no message to send.
    if (t->runningStatus && outputOpen_) output_.Send(t->runningStatus | uint32_t(d1) << 8 | uint32_t(d2) << 16);
    return false;
}
