// The first-in, first-out queue of page positions for the fill and the clear wave,
// with room for every pixel of the largest page plus one. Its storage is taken by
// the first walk and kept for every later one, so queueing a pixel never allocates
// and cannot fail for lack of memory in the middle of a walk.
#pragma once

#include <cstddef>
#include <cstdint>

#include "support/gmem.h"

struct QueuedPoint {
    int32_t x;
    int32_t y;
};

constexpr size_t kPointQueueCapacity = kDibBytes + 1;

// The walks' storage: room for kPointQueueCapacity positions from the block
// allocator, taken by the first call and kept. Nullptr when the allocation fails;
// the next call tries again.
QueuedPoint* WalkStorage();

// Gives the storage back to the allocator that gave it; the next walk takes it
// afresh. Not while a queue exists.
void ReleaseWalkStorage();

// A ring of kPointQueueCapacity positions over the walk storage. Only one queue
// may exist at a time (walks never overlap). Everything is inline and the queue's
// address is never handed out, so a walk can keep it in registers across its calls
// to the platform.
class PointQueue {
public:
    // A queue holding (x, y); without storage it is empty and refuses every position.
    PointQueue(int32_t x, int32_t y) : points_(WalkStorage()) { Push(x, y); }

    PointQueue(const PointQueue&) = delete;
    PointQueue& operator=(const PointQueue&) = delete;

    bool Empty() const { return count_ == 0; }
    size_t Size() const { return count_; }

    // The oldest position; the queue must not be empty.
    QueuedPoint Front() const { return points_[head_]; }
    // Appends at the tail; false (nothing queued) when the queue is full or has no storage.
    bool Push(int32_t x, int32_t y) {
        if (!points_ || count_ == kPointQueueCapacity) return false;
        size_t tail = head_ + count_;
        if (tail >= kPointQueueCapacity) tail -= kPointQueueCapacity;
        points_[tail] = {x, y};
        ++count_;
        return true;
    }
    // Removes the oldest position; does nothing on an empty queue.
    void Pop() {
        if (count_ == 0) return;
        if (++head_ == kPointQueueCapacity) head_ = 0;
        --count_;
    }

private:
    QueuedPoint* points_;
    size_t head_ = 0;
    size_t count_ = 0;
};
