// The undo history of the page being coloured: each fill or clear is one step,
// kept as what it changed, so it can be taken back and done again.
//
// A step holds the exclusive-or of the page before and after the change over
// the span of bytes between the first and the last changed one, packed so that
// unchanged stretches and stretches of one value cost three bytes each. The
// same step undoes and redoes (x ^ d ^ d == x). A step never takes more than
// the span plus one byte in 128, so the largest (every byte of a page changed
// to a noise of colours) is about 306 KB and 20 of them fit in the budget.
//
// Memory comes from the block allocator (support/gmem.h), never by throwing:
// when a step cannot be had the oldest steps are given up, at worst all of
// them; the page itself is never touched by a failure.
#pragma once

#include <cstddef>
#include <cstdint>

// Everything the history holds at most: its copy of the page before a change
// and the steps.
constexpr size_t kHistoryBudgetBytes = 8u << 20;
// The most steps kept, whatever their size.
constexpr size_t kHistoryMaxSteps = 256;

class PageHistory {
public:
    explicit PageHistory(size_t budgetBytes = kHistoryBudgetBytes);
    ~PageHistory();
    PageHistory(const PageHistory&) = delete;
    PageHistory& operator=(const PageHistory&) = delete;

    // Before a change: keeps a copy of the page and its clean flag.
    void BeginChange(const uint8_t* page, size_t size, bool clean);
    // After it: keeps what changed as a new step, which drops the steps that
    // could be redone. A change that left every byte as it was is no step. With
    // no matching BeginChange (its copy could not be had) the history ends, so
    // no step is ever applied to a page it does not belong to.
    void CommitChange(const uint8_t* page, size_t size, bool clean);

    // Takes back the last step done, or does it again; `clean` becomes the
    // page's clean flag at that point. False (nothing changed) when there is no
    // such step or the page is not the one the history belongs to.
    bool Undo(uint8_t* page, size_t size, bool& clean);
    bool Redo(uint8_t* page, size_t size, bool& clean);

    // Ends the history: the page is left or the program ends. Frees the steps.
    void Clear();

    size_t UndoSteps() const { return done_; }
    size_t RedoSteps() const { return count_ - done_; }
    // Memory held now: the copy of the page and the steps.
    size_t BytesUsed() const;

private:
    struct Step {
        uint8_t* data;  // packed exclusive-or of before and after
        uint32_t dataBytes;
        uint32_t offset;  // the first changed byte
        uint32_t span;    // from it to the last changed byte, inclusive
        bool cleanBefore;
        bool cleanAfter;
    };

    void DropOldest();
    void DropRedo();
    bool Apply(const Step& step, uint8_t* page, size_t size);

    size_t budget_;
    uint8_t* before_ = nullptr;  // the copy taken by BeginChange, kept for the next change
    size_t beforeBytes_ = 0;
    size_t pageSize_ = 0;  // the size of the page the steps belong to
    bool changing_ = false;  // BeginChange has a copy that CommitChange may use
    bool cleanBefore_ = false;
    Step steps_[kHistoryMaxSteps];
    size_t count_ = 0;  // steps kept, oldest first
    size_t done_ = 0;   // of them, those done (the rest can be redone)
};
