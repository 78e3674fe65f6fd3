// Builds Standard MIDI File bytes for the music tests.
#pragma once

#include <cstdint>
#include <cstdio>
#include <cstdarg>
#include <initializer_list>
#include <mutex>
#include <string>
#include <vector>

namespace midi_bytes {

using Bytes = std::vector<uint8_t>;

inline Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const Bytes& p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

inline Bytes Be32(uint32_t v) { return {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)}; }
inline Bytes Be16(int v) { return {uint8_t(uint16_t(v) >> 8), uint8_t(v)}; }

inline Bytes Header(int format, int tracks, int division, uint32_t length = 6) {
    return Cat({{'M', 'T', 'h', 'd'}, Be32(length), Be16(format), Be16(tracks), Be16(division)});
}

inline Bytes Chunk(const char* id, const Bytes& body) {
    return Cat({Bytes(id, id + 4), Be32(uint32_t(body.size())), body});
}

inline Bytes Track(const Bytes& events) { return Chunk("MTrk", events); }

inline Bytes Riff(const Bytes& smf, const char* form = "RMID", const char* data = "data") {
    return Cat({{'R', 'I', 'F', 'F'}, Be32(uint32_t(smf.size() + 12)), Bytes(form, form + 4), Bytes(data, data + 4),
                Be32(uint32_t(smf.size())), smf});
}

// A variable-length quantity in its shortest form.
inline Bytes VarLen(uint32_t v) {
    Bytes out{uint8_t(v & 0x7F)};
    while (v >>= 7) out.insert(out.begin(), uint8_t(0x80 | (v & 0x7F)));
    return out;
}

inline Bytes Repeat(uint8_t byte, size_t n) { return Bytes(n, byte); }

inline const Bytes kEndOfTrack = {0x00, 0xFF, 0x2F, 0x00};

// A one-track format 0 file (or format 1 with the given tracks).
inline Bytes Song0(const Bytes& events, int division = 480) { return Cat({Header(0, 1, division), Track(events)}); }

inline Bytes Song1(std::initializer_list<Bytes> tracks, int division = 480) {
    Bytes out = Header(1, int(tracks.size()), division);
    for (const Bytes& t : tracks) {
        Bytes chunk = Track(t);
        out.insert(out.end(), chunk.begin(), chunk.end());
    }
    return out;
}

inline Bytes Tempo(uint32_t delta, uint32_t microseconds) {
    return Cat({VarLen(delta), {0xFF, 0x51, 0x03, uint8_t(microseconds >> 16), uint8_t(microseconds >> 8),
                                uint8_t(microseconds)}});
}

// A short message as the sequencer sends it.
constexpr uint32_t Msg(uint8_t status, uint8_t d1, uint8_t d2 = 0) { return status | d1 << 8 | uint32_t(d2) << 16; }

// Log lines captured from the sequencer and the music controller.
class LogCapture {
public:
    static std::vector<std::string>& Lines() {
        static std::vector<std::string> lines;
        return lines;
    }
    static bool Log(const char* format, ...) {
        char text[512];
        va_list args;
        va_start(args, format);
        std::vsnprintf(text, sizeof text, format, args);
        va_end(args);
        std::lock_guard<std::mutex> lock(Mutex());
        Lines().push_back(text);
        return true;
    }
    static void Clear() {
        std::lock_guard<std::mutex> lock(Mutex());
        Lines().clear();
    }
    static std::vector<std::string> Snapshot() {
        std::lock_guard<std::mutex> lock(Mutex());
        return Lines();
    }

private:
    static std::mutex& Mutex() {
        static std::mutex m;
        return m;
    }
};

}  // namespace midi_bytes
