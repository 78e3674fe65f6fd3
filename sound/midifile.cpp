#include "sound/midifile.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstring>
#include <new>

#include "sound/midi_events.h"

namespace {

// An open C runtime file; the runtime opens it shared with other readers.
class FileSource : public ByteSource {
public:
    explicit FileSource(FILE* file) : file_(file) {
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long size = std::ftell(file);
            size_ = size > 0 ? uint64_t(size) : 0;
        }
        std::rewind(file);
    }
    ~FileSource() override { std::fclose(file_); }
    size_t Read(void* buffer, size_t bytes) override { return std::fread(buffer, 1, bytes, file_); }
    bool Seek(uint64_t offset) override { return offset <= size_ && std::fseek(file_, long(offset), SEEK_SET) == 0; }
    uint64_t Size() const override { return size_; }

private:
    FILE* file_;
    uint64_t size_ = 0;
};

class Disk : public MidiFiles {
public:
    std::unique_ptr<ByteSource> Open(const char* path) const override {
        FILE* file = std::fopen(path, "rb");  // never creates the file
        if (!file) return nullptr;
        return std::unique_ptr<ByteSource>(new FileSource(file));
    }
    std::string Stamp(const char* path) const override {
        struct stat info;
        if (stat(path, &info) != 0) return "";
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "%lld/%lld", (long long)info.st_size, (long long)info.st_mtime);
        return stamp;
    }
};

// A file in memory that stays readable while open, even once it is removed.
class HeldSource : public MemorySource {
public:
    explicit HeldSource(std::shared_ptr<const std::vector<uint8_t>> bytes)
        : MemorySource(bytes->data(), bytes->size()), bytes_(std::move(bytes)) {}

private:
    std::shared_ptr<const std::vector<uint8_t>> bytes_;
};

int16_t Int16At(const uint8_t* p) { return int16_t(uint16_t(p[0] << 8 | p[1])); }
uint32_t Uint32At(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

// The track messages, by where the event reader found the fault.
const char* FaultMessage(MidiFault fault) {
    switch (fault) {
        case MidiFault::None: break;
        case MidiFault::FirstByte: return "Track %i Offset %i: First byte problem.";
        case MidiFault::MetaType: return "Track %i Offset %i: Second byte problem on meta-event.";
        case MidiFault::MetaVarLength: return "Track %i Offset %i: Variable-length problem on meta-event.";
        case MidiFault::MetaVarData: return "Track %i Offset %i: Variable-length data on meta-event.";
        case MidiFault::MetaLength: return "Track %i Offset %i: Length problem on meta-event.";
        case MidiFault::MetaData: return "Track %i Offset %i: Data problem on meta-event.";
        case MidiFault::SysExLength: return "Track %i Offset %i: Variable-length problem on SysEx message.";
        case MidiFault::SysExData: return "Track %i Offset %i Variable-Length data on SysEx message.";
        case MidiFault::SystemMessage: return "Track %i Offset %i: Incorrect first byte.";
        case MidiFault::FirstDataByte: return "Track %i Offset %i: Message first data byte problem.";
        case MidiFault::SecondDataByte: return "Track %i Offset %i: Message second data byte problem.";
    }
    return "";
}

std::string TrackMessage(const char* format, int index, uint32_t offset) {
    char text[128];
    std::snprintf(text, sizeof text, format, index, int(offset));
    return text;
}

// Walks track number index from its first byte, sets its total ticks and returns ""
// when the track is well formed up to its End of Track; otherwise the track message.
std::string ValidateTrack(MidiTrack* track, int index) {
    TrackReader r{track->data.get(), track->size, 0};
    int64_t total = 0;
    uint8_t status = 0;  // running status; 0 = none yet
    track->totalTicks = 0;
    for (;;) {
        uint32_t delta;
        if (!ReadVarLen(&r, &delta)) return TrackMessage("Track %i Offset %i: Delta-time problem.", index, r.pos);
        total += delta;
        if (total > 2147483647) return TrackMessage("Track %i Offset %i: Total ticks can't fit in integer.", index, r.pos);
        track->totalTicks = int32_t(total);

        MidiEvent event;
        const MidiFault fault = ReadMidiEvent(&r, &status, &event);
        if (fault != MidiFault::None) return TrackMessage(FaultMessage(fault), index, r.pos);
        if (event.kind == MidiEventKind::EndOfTrack) return "";
    }
}

std::string LoadInto(const char* path, MidiSong* song, const MidiFiles& files) {
    std::unique_ptr<ByteSource> file = files.Open(path);
    if (!file) return "File cannot be loaded for reading.";
    uint64_t left = file->Size();  // bytes not yet read
    auto read = [&](void* buffer, uint32_t bytes) {
        const size_t got = file->Read(buffer, bytes);
        left = got < left ? left - got : 0;
        return got == bytes;
    };

    uint8_t head[14];
    if (!read(head, 14)) return "Error encountered when reading the MIDI file header.";
    if (std::memcmp(head, "RIFF", 4) == 0) {
        uint8_t skipped[6];
        if (!read(skipped, 6) || !read(head, 14)) return "Error encountered when reading the MIDI file header.";
    }
    if (std::memcmp(head, "MThd", 4) != 0 || Uint32At(head + 4) != 6)
        return "Error encountered when reading the MIDI header chunk.";

    song->format = Int16At(head + 8);
    const int16_t count = Int16At(head + 10);
    song->division = Int16At(head + 12);
    if (song->division < 0) return "The SMPTE time codes used in this file are not supported by this program.";
    if (song->format < 0 || song->format > 2 || (song->format == 0 && count != 1))
        return "Error due to inconsistent information in MIDI header chunk.";
    if (song->format == 2) return "The format of this MIDI file is not supported by this program.";
    if (count < 0) return "Error encountered when allocating memory for this file.";
    song->tracks.resize(size_t(count));

    for (int j = 0; j < count; ++j) {
        MidiTrack& track = song->tracks[size_t(j)];
        uint8_t chunk[8];
        if (!read(chunk, 8) || std::memcmp(chunk, "MTrk", 4) != 0) return "Error encountered when reading track chunk.";
        track.size = Uint32At(chunk + 4);
        // A length beyond the end of the file cannot be read: refused before it costs memory.
        if (track.size > left) return "Error encountered when reading track chunk.";
        track.data.reset(new (std::nothrow) uint8_t[track.size ? track.size : 1]);
        if (!track.data) return "Error encountered when allocating memory for this file.";
        if (!read(track.data.get(), track.size)) return "Error encountered when reading track chunk.";
        const std::string problem = ValidateTrack(&track, j);
        if (!problem.empty()) return "Error encountered in file: " + problem;
    }
    return "";
}

}  // namespace

const MidiFiles& DiskFiles() {
    static const Disk disk;
    return disk;
}

void MemoryFiles::Put(const std::string& path, std::vector<uint8_t> bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    files_[path] = std::make_shared<const std::vector<uint8_t>>(std::move(bytes));
    versions_[path] = ++puts_;
}

void MemoryFiles::Remove(const std::string& path) {
    std::lock_guard<std::mutex> lock(mutex_);
    files_.erase(path);
}

std::unique_ptr<ByteSource> MemoryFiles::Open(const char* path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(path);
    if (it == files_.end()) return nullptr;
    ++opens_;
    return std::unique_ptr<ByteSource>(new HeldSource(it->second));
}

std::string MemoryFiles::Stamp(const char* path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!files_.count(path)) return "";
    return std::to_string(versions_.at(path));
}

int MemoryFiles::opens() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return opens_;
}

std::string LoadMidiFile(const char* path, MidiSong* song, const MidiFiles& files) {
    *song = MidiSong{};
    const std::string problem = LoadInto(path, song, files);
    if (!problem.empty()) *song = MidiSong{};  // the caller never receives a half-built song
    return problem;
}
