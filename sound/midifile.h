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

#include "support/byte_source.h"

// One track chunk as the file holds it. Playing it is the sequencer's business.
struct MidiTrack {
    std::unique_ptr<uint8_t[]> data;  // the chunk body exactly as read
    uint32_t size = 0;                // bytes of event data (the chunk's length field)
    int32_t totalTicks = 0;           // sum of the delta-times up to End of Track
};

struct MidiSong {
    int16_t format = 0;
    int16_t division = 0;           // ticks per quarter note, never negative after a load
    std::vector<MidiTrack> tracks;  // in file order, as many as the header says
};

// Opens existing files for reading, shared with other readers.
class MidiFiles {
public:
    virtual ~MidiFiles() = default;
    // Returns nullptr when the file cannot be opened.
    virtual std::unique_ptr<ByteSource> Open(const char* path) const = 0;
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
    std::unique_ptr<ByteSource> Open(const char* path) const override;
    std::string Stamp(const char* path) const override;
    int opens() const;  // files opened so far

private:
    mutable std::mutex mutex_;
    std::map<std::string, std::shared_ptr<const std::vector<uint8_t>>> files_;
    std::map<std::string, uint64_t> versions_;  // counts every Put
    uint64_t puts_ = 0;
    mutable int opens_ = 0;
};

// Loads path into song. Returns "" on success, otherwise the loader's message, with
// song left empty.
std::string LoadMidiFile(const char* path, MidiSong* song, const MidiFiles& files = DiskFiles());
