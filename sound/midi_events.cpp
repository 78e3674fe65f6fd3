#include "sound/midi_events.h"

namespace {

// Takes n bytes as an event's data; at the end of the data the reader stops at the end.
bool TakeBody(TrackReader* reader, uint32_t n, MidiEvent* event) {
    event->body = reader->data + reader->pos;
    event->length = n;
    if (n > reader->size - reader->pos) {
        reader->pos = reader->size;
        return false;
    }
    reader->pos += n;
    return true;
}

}  // namespace

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

MidiFault ReadMidiEvent(TrackReader* reader, uint8_t* runningStatus, MidiEvent* event) {
    *event = MidiEvent{};
    uint8_t first;
    if (!ReadTrackByte(reader, &first)) return MidiFault::FirstByte;

    if (first == 0xFF) {
        event->kind = MidiEventKind::Meta;
        if (!ReadTrackByte(reader, &event->metaType)) return MidiFault::MetaType;
        const uint8_t type = event->metaType;
        if (type == 0x2F) {
            event->kind = MidiEventKind::EndOfTrack;  // its length byte is not read
            return MidiFault::None;
        }
        if (type <= 6 || type == 0x7F) {
            uint32_t length;
            if (!ReadVarLen(reader, &length)) return MidiFault::MetaVarLength;
            return TakeBody(reader, length, event) ? MidiFault::None : MidiFault::MetaVarData;
        }
        uint8_t length;  // one byte, not a variable-length quantity
        if (!ReadTrackByte(reader, &length)) return MidiFault::MetaLength;
        return TakeBody(reader, length, event) ? MidiFault::None : MidiFault::MetaData;
    }
    if (first == 0xF0 || first == 0xF7) {
        event->kind = MidiEventKind::SysEx;
        uint32_t length;
        if (!ReadVarLen(reader, &length)) return MidiFault::SysExLength;
        return TakeBody(reader, length, event) ? MidiFault::None : MidiFault::SysExData;
    }
    if (first > 0xEF) return MidiFault::SystemMessage;

    event->kind = MidiEventKind::Channel;
    uint8_t d1 = first, d2 = 0;
    if (first >= 0x80) {
        *runningStatus = first;
        if (!ReadTrackByte(reader, &d1) || d1 >= 0x80) return MidiFault::FirstDataByte;
    }
    const uint8_t kind = *runningStatus >> 4;  // program change and channel pressure carry one data byte
    if (kind != 0xC && kind != 0xD && (!ReadTrackByte(reader, &d2) || d2 >= 0x80)) return MidiFault::SecondDataByte;
    event->message = *runningStatus | uint32_t(d1) << 8 | uint32_t(d2) << 16;
    return MidiFault::None;
}
