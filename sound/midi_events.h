// The event stream of one MIDI track, read one event at a time. The loader walks
// every track once with it to check it; the sequencer reads the same events again
// as they fall due, so both agree on where every event starts and ends.
#pragma once

#include <cstdint>

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

enum class MidiEventKind : uint8_t { Channel, Meta, SysEx, EndOfTrack };

struct MidiEvent {
    MidiEventKind kind;
    uint8_t metaType;       // meta-events
    uint32_t message;       // channel messages: status | first data byte << 8 | second << 16
    const uint8_t* body;    // meta-events and system exclusive: their data
    uint32_t length;
};

// Where an event is malformed, in the order the reader meets the faults.
enum class MidiFault : uint8_t {
    None,
    FirstByte,         // no byte where an event starts
    MetaType,          // no type byte after 0xFF
    MetaVarLength,     // types 0 to 6 and 0x7F: the variable-length length
    MetaVarData,       // ... and the data it counts
    MetaLength,        // every other type: the one length byte
    MetaData,          // ... and the data it counts
    SysExLength,
    SysExData,
    SystemMessage,     // 0xF1 to 0xFE other than 0xF7
    FirstDataByte,     // missing, or 0x80 or more
    SecondDataByte,
};

// Reads the event that follows a delta-time. `runningStatus` is the track's last
// channel status byte (0 before the first one) and is kept up to date: meta-events
// and system exclusive leave it, and a data byte before any status starts a message
// with two data bytes and status 0. Meta-event lengths are variable-length for types
// 0 to 6 and 0x7F and one byte for every other type; End of Track (0x2F) ends the
// read just past its type byte. On a fault the reader stands just past the faulty
// byte (a missing byte is not counted).
MidiFault ReadMidiEvent(TrackReader* reader, uint8_t* runningStatus, MidiEvent* event);
