#include "sound/midifile.h"

#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace {

class DiskReader : public MidiFileReader {
public:
    explicit DiskReader(FILE* file) : file_(file) {
        if (std::fseek(file, 0, SEEK_END) == 0) {
            const long size = std::ftell(file);
            left_ = size > 0 ? uint64_t(size) : 0;
        }
        std::rewind(file);
    }
    ~DiskReader() override { std::fclose(file_); }
    bool Read(void* dst, uint32_t n) override {
        const size_t got = std::fread(dst, 1, n, file_);
        left_ = got < left_ ? left_ - got : 0;
        return got == n;
    }
    uint64_t Remaining() const override { return left_; }

private:
    FILE* file_;
    uint64_t left_ = 0;
};

class Disk : public MidiFiles {
public:
    std::unique_ptr<MidiFileReader> Open(const char* path) const override {
        // The C runtime opens shared with other readers and never creates the file.
        FILE* file = std::fopen(path, "rb");
        if (!file) return nullptr;
        return std::unique_ptr<MidiFileReader>(new DiskReader(file));
    }
    std::string Stamp(const char* path) const override {
        struct stat info;
        if (stat(path, &info) != 0) return "";
        char stamp[64];
        std::snprintf(stamp, sizeof stamp, "%lld/%lld", (long long)info.st_size, (long long)info.st_mtime);
        return stamp;
    }
};

class MemoryReader : public MidiFileReader {
public:
    explicit MemoryReader(std::shared_ptr<const std::vector<uint8_t>> bytes) : bytes_(std::move(bytes)) {}
    bool Read(void* dst, uint32_t n) override {
        const size_t left = bytes_->size() - pos_;
        const size_t take = n < left ? n : left;
        if (take) std::memcpy(dst, bytes_->data() + pos_, take);
        pos_ += take;
        return take == n;
    }
    uint64_t Remaining() const override { return bytes_->size() - pos_; }

private:
    std::shared_ptr<const std::vector<uint8_t>> bytes_;  // a removed file stays readable while open
    size_t pos_ = 0;
};

int16_t Int16At(const uint8_t* p) { return int16_t(uint16_t(p[0] << 8 | p[1])); }
uint32_t Uint32At(const uint8_t* p) {
    return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

std::string TrackMessage(const char* format, int index, uint32_t offset) {
    char text[128];
    std::snprintf(text, sizeof text, format, index, int(offset));
    return text;
}

// Skips n bytes; at the end of the data the reader stops at the end.
bool SkipBytes(TrackReader* reader, uint32_t n) {
    if (n > reader->size - reader->pos) {
        reader->pos = reader->size;
        return false;
    }
    reader->pos += n;
    return true;
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

std::unique_ptr<MidiFileReader> MemoryFiles::Open(const char* path) const {
    std::lock_guard<std::mutex> lock(mutex_);
    auto it = files_.find(path);
    if (it == files_.end()) return nullptr;
    ++opens_;
    return std::unique_ptr<MidiFileReader>(new MemoryReader(it->second));
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

bool ReadTrackByte(TrackReader* reader, uint8_t* byte) {
    if (reader->pos >= reader->size) return false;
    *byte = reader->data[reader->pos++];
    return true;
}

bool ReadVarLen(TrackReader* reader, uint32_t* value) {
    uint32_t v = 0;
    uint8_t byte;
    do {
        if (!ReadTrackByte(reader, &byte)) return false;
        if (v > 0x7FFFFF) return false;
        v = v << 7 | (byte & 0x7F);
    } while (byte >= 0x80);
    *value = v;
    return true;
}

std::string ValidateTrack(MidiTrack* track, int index, uint32_t* end) {
    TrackReader r{track->data, track->size, 0};
    int64_t total = 0;
    uint8_t status = 0;  // running status; 0 = none yet
    track->totalTicks = 0;
    for (;;) {
        uint32_t delta;
        if (!ReadVarLen(&r, &delta)) return TrackMessage("Track %i Offset %i: Delta-time problem.", index, r.pos);
        total += delta;
        if (total > 2147483647) return TrackMessage("Track %i Offset %i: Total ticks can't fit in integer.", index, r.pos);
        track->totalTicks = int32_t(total);

        uint8_t first;
        if (!ReadTrackByte(&r, &first)) return TrackMessage("Track %i Offset %i: First byte problem.", index, r.pos);

        if (first == 0xFF) {
            uint8_t type;
            if (!ReadTrackByte(&r, &type))
                return TrackMessage("Track %i Offset %i: Second byte problem on meta-event.", index, r.pos);
            if (type <= 6 || type == 0x7F) {
                uint32_t length;
                if (!ReadVarLen(&r, &length))
                    return TrackMessage("Track %i Offset %i: Variable-length problem on meta-event.", index, r.pos);
                if (!SkipBytes(&r, length))
                    return TrackMessage("Track %i Offset %i: Variable-length data on meta-event.", index, r.pos);
            } else if (type == 0x2F) {
                if (end) *end = r.pos;
                return "";
            } else {
                uint8_t length;  // one byte, not a variable-length quantity
                if (!ReadTrackByte(&r, &length))
                    return TrackMessage("Track %i Offset %i: Length problem on meta-event.", index, r.pos);
                if (!SkipBytes(&r, length))
                    return TrackMessage("Track %i Offset %i: Data problem on meta-event.", index, r.pos);
            }
            continue;
        }
        if (first == 0xF0 || first == 0xF7) {
            uint32_t length;
            if (!ReadVarLen(&r, &length))
                return TrackMessage("Track %i Offset %i: Variable-length problem on SysEx message.", index, r.pos);
            if (!SkipBytes(&r, length))
                return TrackMessage("Track %i Offset %i Variable-Length data on SysEx message.", index, r.pos);
            continue;
        }
        if (first > 0xEF) return TrackMessage("Track %i Offset %i: Incorrect first byte.", index, r.pos);

        if (first >= 0x80) {
            status = first;
            uint8_t d1;
            if (!ReadTrackByte(&r, &d1) || d1 >= 0x80)
                return TrackMessage("Track %i Offset %i: Message first data byte problem.", index, r.pos);
        }
        const uint8_t kind = status >> 4;
        if (kind != 0xC && kind != 0xD) {
            uint8_t d2;
            if (!ReadTrackByte(&r, &d2) || d2 >= 0x80)
                return TrackMessage("Track %i Offset %i: Message second data byte problem.", index, r.pos);
        }
    }
}

void ReleaseMidiSong(MidiSong* song) {
    if (song->tracks) {
        for (int i = 0; i < song->trackCount; ++i) std::free(song->tracks[i].data);
        std::free(song->tracks);
    }
    song->tracks = nullptr;
    song->trackCount = 0;
}

namespace {

std::string LoadInto(const char* path, MidiSong* song, const MidiFiles& files) {
    std::unique_ptr<MidiFileReader> file = files.Open(path);
    if (!file) return "File cannot be loaded for reading.";

    uint8_t head[14];
    if (!file->Read(head, 14)) return "Error encountered when reading the MIDI file header.";
    if (std::memcmp(head, "RIFF", 4) == 0) {
        uint8_t skipped[6];
        if (!file->Read(skipped, 6) || !file->Read(head, 14))
            return "Error encountered when reading the MIDI file header.";
    }
    if (std::memcmp(head, "MThd", 4) != 0 || Uint32At(head + 4) != 6)
        return "Error encountered when reading the MIDI header chunk.";

    song->format = Int16At(head + 8);
    song->trackCount = Int16At(head + 10);
    song->division = Int16At(head + 12);
    if (song->division < 0) return "The SMPTE time codes used in this file are not supported by this program.";
    song->tempo = 500000;
    if (song->format < 0 || song->format > 2 || (song->format == 0 && song->trackCount != 1))
        return "Error due to inconsistent information in MIDI header chunk.";
    if (song->format == 2) return "The format of this MIDI file is not supported by this program.";

    const int16_t count = song->trackCount;
    song->trackCount = 0;  // nothing to release yet
    if (count < 0) return "Error encountered when allocating memory for this file.";
    if (count > 0) {
        song->tracks = static_cast<MidiTrack*>(std::calloc(size_t(count), sizeof(MidiTrack)));
        if (!song->tracks) return "Error encountered when allocating memory for this file.";
    }
    song->trackCount = count;  // from here on a failure releases the table and the buffers made so far

    for (int j = 0; j < count; ++j) {
        MidiTrack& track = song->tracks[j];
        uint8_t chunk[8];
        if (!file->Read(chunk, 8) || std::memcmp(chunk, "MTrk", 4) != 0) {
            return "Error encountered when reading track chunk.";
        }
        track.size = Uint32At(chunk + 4);
        // A length beyond the end of the file cannot be read: refused before it costs memory.
        if (track.size > file->Remaining()) return "Error encountered when reading track chunk.";
        track.data = static_cast<uint8_t*>(std::calloc(track.size ? track.size : 1, 1));
        if (!track.data) {
            return "Error encountered when allocating memory for this file.";
        }
        if (!file->Read(track.data, track.size)) {
            return "Error encountered when reading track chunk.";
        }
        const std::string problem = ValidateTrack(&track, j);
        if (!problem.empty()) {
            return "Error encountered in file: " + problem;
        }
    }
    return "";
}

}  // namespace

std::string LoadMidiFile(const char* path, MidiSong* song, const MidiFiles& files) {
    const std::string problem = LoadInto(path, song, files);
    if (!problem.empty()) ReleaseMidiSong(song);  // the caller never receives a half-built song
    return problem;
}
