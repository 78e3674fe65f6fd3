#include "page/point_queue.h"

#include <new>

namespace {
void* DefaultAllocate(size_t bytes) { return ::operator new(bytes, std::nothrow); }
void DefaultRelease(void* block) { ::operator delete(block); }

PointStorageAllocator gAllocator = {DefaultAllocate, DefaultRelease};

// Kept for the program's life; reachable until exit, so not a leak.
PointStorage gShared = {nullptr, 0, nullptr};

void DropShared() {
    if (gShared.points) gShared.release(gShared.points);
    gShared = {nullptr, 0, nullptr};
}
}  // namespace

void SetPointStorageAllocator(const PointStorageAllocator* allocator) {
    const PointStorageAllocator next = allocator ? *allocator : PointStorageAllocator{DefaultAllocate, DefaultRelease};
    if (next.allocate != gAllocator.allocate || next.release != gAllocator.release) DropShared();
    gAllocator = next;
}

PointStorage AllocatePointStorage(size_t capacity) {
    PointStorage storage = {nullptr, 0, gAllocator.release};
    if (capacity == 0 || capacity > SIZE_MAX / sizeof(QueuedPoint)) return storage;
    storage.points = static_cast<QueuedPoint*>(gAllocator.allocate(capacity * sizeof(QueuedPoint)));
    if (storage.points) storage.capacity = capacity;
    return storage;
}

PointStorage SharedPointStorage(size_t capacity) {
    if (gShared.capacity < capacity) {
        DropShared();  // before taking the larger block, so the two never coexist
        gShared = AllocatePointStorage(capacity);
    }
    if (!gShared.points || capacity == 0) return {nullptr, 0, nullptr};
    return {gShared.points, capacity, nullptr};
}
