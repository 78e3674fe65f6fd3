#include "dialogs/dialog_template.h"

namespace {

constexpr uint32_t kDsSetFont = 0x40;
constexpr uint32_t kWsChild = 0x40000000;

// Appends little-endian values to the caller's buffer and remembers when one
// would not fit; after that it writes nothing more.
class TemplateWriter {
public:
    TemplateWriter(uint8_t* out, size_t capacity) : out_(out), capacity_(capacity) {}

    void U16(uint16_t v) {
        if (!Room(2)) return;
        out_[at_++] = uint8_t(v);
        out_[at_++] = uint8_t(v >> 8);
    }
    void U32(uint32_t v) {
        U16(uint16_t(v));
        U16(uint16_t(v >> 16));
    }
    // A UTF-16 string with its terminating zero word; null is the empty string.
    void Text(const char16_t* s) {
        for (; s && *s; ++s) U16(uint16_t(*s));
        U16(0);
    }
    void AlignTo4() {
        while (at_ % 4 != 0 && Room(1)) out_[at_++] = 0;
    }
    // Patches a 16-bit value written earlier.
    void PutU16At(size_t offset, uint16_t v) {
        out_[offset] = uint8_t(v);
        out_[offset + 1] = uint8_t(v >> 8);
    }
    size_t length() const { return overflowed_ ? 0 : at_; }

private:
    bool Room(size_t bytes) {
        if (overflowed_ || capacity_ - at_ < bytes) overflowed_ = true;
        return !overflowed_;
    }
    uint8_t* out_;
    size_t capacity_;
    size_t at_ = 0;
    bool overflowed_ = false;
};

// Template units to dialog units, truncating toward zero.
uint16_t Horizontal(int32_t v, DialogBaseUnits units) { return uint16_t(int64_t(v) * 8 / units.x); }
uint16_t Vertical(int32_t v, DialogBaseUnits units) { return uint16_t(int64_t(v) * 16 / units.y); }

}  // namespace

size_t WriteDialogTemplate(const DialogSpec& dialog, const DialogItemSpec* items, DialogBaseUnits units,
                           uint8_t* out, size_t capacity) {
    if (units.x == 0 || units.y == 0) return 0;
    TemplateWriter w(out, capacity);
    w.U32(dialog.style);
    w.U32(0);  // extended style
    const size_t itemCountAt = 8;
    w.U16(0);  // item count, patched at the end
    w.U16(dialog.x);
    w.U16(dialog.y);
    w.U16(Horizontal(dialog.cx, units));
    w.U16(Vertical(dialog.cy, units));
    w.Text(dialog.menu);
    w.Text(dialog.windowClass);
    w.Text(dialog.caption);
    if (dialog.style & kDsSetFont) {
        w.U16(dialog.pointSize);
        w.Text(dialog.fontName);
    }
    uint16_t count = 0;
    for (const DialogItemSpec* item = items; item && item->className; ++item) {
        w.AlignTo4();
        w.U32(item->style | kWsChild);
        w.U32(0);  // extended style
        w.U16(Horizontal(item->x, units));
        w.U16(Vertical(item->y, units));
        w.U16(Horizontal(item->cx, units));
        w.U16(Vertical(item->cy, units));
        w.U16(uint16_t(item->id));
        w.Text(item->className);  // always by name, never the ordinal form
        w.Text(item->text);
        w.U16(0);  // no creation data
        ++count;
    }
    const size_t length = w.length();
    if (length) w.PutU16At(itemCountAt, count);
    return length;
}
