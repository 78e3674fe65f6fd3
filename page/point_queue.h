// A first-in, first-out queue of page positions for the fill and the clear wave.
//
// A queue's room is fixed when it is built: either its own storage, taken then
// for as many positions as the caller asks, or the shared walk storage, taken
// once for the program's life. Either way queueing a pixel never allocates and
// cannot fail for lack of memory in the middle of a walk. If the allocation
// fails the queue has no room: it starts empty, Push refuses every position
// and the caller sees HasStorage() false.
#pragma once

#include <cstddef>
#include <cstdint>

struct QueuedPoint {
    int32_t x;
    int32_t y;
};

// Room for `capacity` positions, or none (points null, capacity 0). A null
// release means the storage is borrowed: its owner keeps it.
struct PointStorage {
    QueuedPoint* points;
    size_t capacity;
    void (*release)(void* block);
};
PointStorage AllocatePointStorage(size_t capacity);

// The walks' storage: room for `capacity` positions, borrowed from one block
// that the first call takes and every later call reuses, so that a walk
// allocates nothing. A call asking for more than the block holds replaces it.
// If the allocation fails there is no room and the next call tries again.
// Only one queue may use it at a time (walks never overlap).
PointStorage SharedPointStorage(size_t capacity);

// Everything is inline and the queue's address is never handed out, so a walk
// can keep the queue in registers across its calls to the platform.
class PointQueue {
public:
    // An empty queue with room for `capacity` positions.
    explicit PointQueue(size_t capacity) : storage_(AllocatePointStorage(capacity)) {}
    // A queue holding (x, y), with room for `capacity` positions.
    PointQueue(size_t capacity, int32_t x, int32_t y) : PointQueue(capacity) { Push(x, y); }
    // An empty queue over `storage`, or one holding (x, y); whatever the
    // storage held before is not part of the queue.
    explicit PointQueue(PointStorage storage) : storage_(storage) {}
    PointQueue(PointStorage storage, int32_t x, int32_t y) : PointQueue(storage) { Push(x, y); }
    ~PointQueue() {
        Clear();
        if (storage_.points && storage_.release) storage_.release(storage_.points);
    }

    PointQueue(const PointQueue&) = delete;
    PointQueue& operator=(const PointQueue&) = delete;

    bool HasStorage() const { return storage_.points != nullptr; }
    bool Empty() const { return count_ == 0; }
    size_t Size() const { return count_; }
    size_t Capacity() const { return storage_.capacity; }

    // The oldest position; the queue must not be empty.
    QueuedPoint Front() const { return storage_.points[head_]; }
    // Appends at the tail; false (nothing queued) when the queue is full.
    bool Push(int32_t x, int32_t y) {
        if (count_ == storage_.capacity) return false;
        size_t tail = head_ + count_;
        if (tail >= storage_.capacity) tail -= storage_.capacity;
        storage_.points[tail] = {x, y};
        ++count_;
        return true;
    }
    // Removes the oldest position; does nothing on an empty queue.
    void Pop() {
        if (count_ == 0) return;
        if (++head_ == storage_.capacity) head_ = 0;
        if (--count_ == 0) head_ = 0;
    }
    // Empties the queue; the storage is kept for reuse until destruction.
    void Clear() {
        head_ = 0;
        count_ = 0;
    }

private:
    PointStorage storage_;
    size_t head_ = 0;
    size_t count_ = 0;
};

// Where the queue's storage comes from. Tests substitute an allocator that
// fails, to exercise the out-of-memory path; nullptr restores the default
// (operator new without exceptions). A different allocator drops the shared
// walk storage (released as it was taken), so the next walk asks the new one.
// Not to be called while a queue uses the shared storage.
struct PointStorageAllocator {
    void* (*allocate)(size_t bytes);  // nullptr on failure
    void (*release)(void* block);
};
void SetPointStorageAllocator(const PointStorageAllocator* allocator);
