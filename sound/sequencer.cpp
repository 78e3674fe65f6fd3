#include "sound/sequencer.h"

namespace {

constexpr int32_t kDefaultTempo = 500000;  // microseconds per quarter note

}  // namespace

MidiSequencer::MidiSequencer(MidiOutput& output, MidiTimer& timer, MidiLogFn log, const MidiFiles& files)
    : output_(output), timer_(timer), log_(log), files_(files) {}

MidiSequencer::~MidiSequencer() { Close(); }

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
    MidiSong fresh;
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
    song_ = std::move(*fresh);
    playback_.assign(song_.tracks.size(), TrackPlayback{});
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
    tempo_ = kDefaultTempo;
    for (size_t i = 0; i < playback_.size(); ++i) {
        const MidiTrack& track = song_.tracks[i];
        playback_[i] = TrackPlayback{{track.data.get(), track.size, 0}, 0, false, false, 0};
    }
}

bool MidiSequencer::SongHasLength() const {
    for (const MidiTrack& track : song_.tracks)
        if (track.totalTicks > 0) return true;
    return false;
}

void MidiSequencer::Tick(uint32_t timerId) {
    // The interface thread holds the lock only while it stops or replaces this timer.
    std::unique_lock<std::mutex> lock(mutex_, std::try_to_lock);
    if (!lock.owns_lock() || timerId == 0 || timerId != timerId_) return;

    int live = 0;
    for (TrackPlayback& t : playback_) {
        if (t.ended) continue;
        ++live;
        if (!t.deltaLoaded) {
            uint32_t delta;
            if (!ReadDeltaTime(&t, &delta)) {
                --live;
                continue;
            }
            t.countdown = delta;
            t.deltaLoaded = true;
        } else {
            // Worked out per track: a tempo change applies to the tracks after it in this tick.
            const double advance = 1000.0 * timerPeriod_ * song_.division / tempo_;
            t.countdown -= advance;
        }
        while (t.countdown <= 0) {
            uint32_t delta;
            if (DispatchEvent(&t) || !ReadDeltaTime(&t, &delta)) {
                --live;
                break;
            }
            t.countdown += delta;
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
    MidiSong fresh;
    const std::string problem = LoadMidiFile(lastPath_.c_str(), &fresh, files_);
    if (!problem.empty()) {
        log_("LoadMidiFile reports: %s\n", problem.c_str());
        return;
    }
    PlayLoaded(&fresh, nullptr, std::move(stamp));
}

bool MidiSequencer::ReadDeltaTime(TrackPlayback* track, uint32_t* delta) {
    if (ReadVarLen(&track->cursor, delta)) return true;
    track->ended = true;  // the end of the data counts as End of Track
    return false;
}

bool MidiSequencer::DispatchEvent(TrackPlayback* t) {
    MidiEvent event;
    // The loader has checked every event up to End of Track; a fault ends the track all the same.
    if (ReadMidiEvent(&t->cursor, &t->runningStatus, &event) != MidiFault::None ||
        event.kind == MidiEventKind::EndOfTrack)
        return t->ended = true;
    if (event.kind == MidiEventKind::Meta && event.metaType == 0x51 && event.length >= 3) {
        const uint8_t* p = event.body;
        const int32_t tempo = p[0] << 16 | p[1] << 8 | p[2];
        if (tempo > 0) tempo_ = tempo;  // a tempo of 0 would make the advance infinite
    }
    // System exclusive is consumed and not sent; nor are data bytes before any status byte.
    if (event.kind == MidiEventKind::Channel && t->runningStatus && outputOpen_) output_.Send(event.message);
    return false;
}
