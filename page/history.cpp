#include "page/history.h"

#include <cstring>

#include "support/gmem.h"

namespace {

// The packing: a byte below 0x80 starts a literal of that many plus one bytes
// (up to 128), which follow; any other starts a repeat: its low 7 bits and the
// next byte give the count less one (up to 32768), then the repeated byte.
// Stretches shorter than kMinRepeat stay in literals, so a step is never
// larger than its span plus one byte in kMaxLiteral.
constexpr size_t kMaxLiteral = 128;
constexpr size_t kMaxRepeat = 0x8000;
constexpr size_t kMinRepeat = 4;
constexpr size_t kRepeatBytes = 3;

// Packs a[i] ^ b[i] for i in [0, n) into `out`, or only counts when `out` is
// null. Returns the packed size.
size_t Pack(const uint8_t* a, const uint8_t* b, size_t n, uint8_t* out) {
    size_t written = 0, literalStart = 0, literalLength = 0;
    auto flushLiteral = [&] {
        if (literalLength == 0) return;
        if (out) {
            out[written] = uint8_t(literalLength - 1);
            for (size_t k = 0; k < literalLength; ++k)
                out[written + 1 + k] = uint8_t(a[literalStart + k] ^ b[literalStart + k]);
        }
        written += 1 + literalLength;
        literalLength = 0;
    };
    size_t i = 0;
    while (i < n) {
        const uint8_t d = uint8_t(a[i] ^ b[i]);
        size_t run = 1;
        while (i + run < n && run < kMaxRepeat && uint8_t(a[i + run] ^ b[i + run]) == d) ++run;
        if (run >= kMinRepeat) {
            flushLiteral();
            if (out) {
                out[written] = uint8_t(0x80 | ((run - 1) >> 8));
                out[written + 1] = uint8_t(run - 1);
                out[written + 2] = d;
            }
            written += kRepeatBytes;
        } else {
            for (size_t k = 0; k < run; ++k) {
                if (literalLength == 0) literalStart = i + k;
                if (++literalLength == kMaxLiteral) flushLiteral();
            }
        }
        i += run;
    }
    flushLiteral();
    return written;
}

// Applies a packed step to the `span` bytes at `page`. False (with the page
// possibly half changed) only for data that is not a packing of `span` bytes,
// which the history never makes; the walk over it is checked all the same.
bool Unpack(const uint8_t* data, size_t bytes, uint8_t* page, size_t span) {
    const uint8_t* p = data;
    const uint8_t* const end = data + bytes;
    size_t at = 0;
    while (p < end) {
        const uint8_t token = *p++;
        if (token < 0x80) {
            const size_t n = size_t(token) + 1;
            if (size_t(end - p) < n || span - at < n) return false;
            for (size_t k = 0; k < n; ++k) page[at + k] ^= p[k];
            p += n;
            at += n;
        } else {
            if (end - p < 2) return false;
            const size_t n = ((size_t(token & 0x7F) << 8) | p[0]) + 1;
            const uint8_t d = p[1];
            p += 2;
            if (span - at < n) return false;
            if (d != 0)
                for (size_t k = 0; k < n; ++k) page[at + k] ^= d;
            at += n;
        }
    }
    return at == span;
}

uint8_t* Allocate(size_t bytes) { return static_cast<uint8_t*>(CurrentBlockAllocator().allocate(bytes)); }

void Release(uint8_t*& block) {
    if (block) CurrentBlockAllocator().release(block);
    block = nullptr;
}

}  // namespace

PageHistory::PageHistory(size_t budgetBytes) : budget_(budgetBytes) {}

PageHistory::~PageHistory() {
    Clear();
    Release(before_);
}

size_t PageHistory::BytesUsed() const {
    size_t used = before_ ? beforeBytes_ : 0;
    for (size_t i = 0; i < count_; ++i) used += steps_[i].dataBytes;
    return used;
}

void PageHistory::DropRedo() {
    while (count_ > done_) Release(steps_[--count_].data);
}

// Only a step that is done can go from the old end; steps that could be redone
// rest on every one before them, so with none done they all go.
void PageHistory::DropOldest() {
    if (done_ == 0) {
        DropRedo();
        return;
    }
    Release(steps_[0].data);
    std::memmove(steps_, steps_ + 1, (count_ - 1) * sizeof steps_[0]);
    --count_;
    --done_;
}

void PageHistory::Clear() {
    done_ = 0;
    DropRedo();
    changing_ = false;
}

void PageHistory::BeginChange(const uint8_t* page, size_t size, bool clean) {
    changing_ = false;
    if (!page || size == 0) return;
    if (size != pageSize_) Clear();  // another page altogether
    pageSize_ = size;
    if (before_ && beforeBytes_ != size) Release(before_);
    if (!before_) {
        if (size > budget_) return;
        while (count_ > 0 && BytesUsed() + size > budget_) DropOldest();
        before_ = Allocate(size);
        while (!before_ && count_ > 0) {
            DropOldest();
            before_ = Allocate(size);
        }
        if (!before_) return;
        beforeBytes_ = size;
    }
    std::memcpy(before_, page, size);
    cleanBefore_ = clean;
    changing_ = true;
}

void PageHistory::CommitChange(const uint8_t* page, size_t size, bool clean) {
    const bool matched = changing_ && page && size == pageSize_;
    changing_ = false;
    if (!matched) {
        Clear();
        return;
    }
    size_t first = 0;
    while (first < size && before_[first] == page[first]) ++first;
    if (first == size) return;  // nothing changed: no step, and the redo steps stay
    size_t last = size - 1;
    while (before_[last] == page[last]) --last;
    const size_t span = last - first + 1;

    DropRedo();
    const size_t needed = Pack(before_ + first, page + first, span, nullptr);
    while (count_ > 0 && (count_ == kHistoryMaxSteps || BytesUsed() + needed > budget_)) DropOldest();
    if (BytesUsed() + needed > budget_) return;  // larger than the whole budget: the history is empty now
    uint8_t* data = Allocate(needed);
    while (!data && count_ > 0) {
        DropOldest();
        data = Allocate(needed);
    }
    if (!data) return;  // not even with every step gone: the history stays empty
    Pack(before_ + first, page + first, span, data);
    steps_[count_++] = {data, uint32_t(needed), uint32_t(first), uint32_t(span), cleanBefore_, clean};
    done_ = count_;
}

bool PageHistory::Apply(const Step& step, uint8_t* page, size_t size) {
    changing_ = false;  // a copy taken before this no longer shows the page
    if (!page || size != pageSize_ || size_t(step.offset) + step.span > size) return false;
    return Unpack(step.data, step.dataBytes, page + step.offset, step.span);
}

bool PageHistory::Undo(uint8_t* page, size_t size, bool& clean) {
    if (done_ == 0 || !Apply(steps_[done_ - 1], page, size)) return false;
    --done_;
    clean = steps_[done_].cleanBefore;
    return true;
}

bool PageHistory::Redo(uint8_t* page, size_t size, bool& clean) {
    if (done_ == count_ || !Apply(steps_[done_], page, size)) return false;
    clean = steps_[done_].cleanAfter;
    ++done_;
    return true;
}
