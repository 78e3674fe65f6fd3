#include "page/point_queue.h"

#include <new>

namespace {
void* DefaultAllocate(size_t bytes) { return ::operator new(bytes, std::nothrow); }
void DefaultRelease(void* block) { ::operator delete(block); }

PointStorageAllocator gAllocator = {DefaultAllocate, DefaultRelease};
}  // namespace

void SetPointStorageAllocator(const PointStorageAllocator* allocator) {
    gAllocator = allocator ? *allocator : PointStorageAllocator{DefaultAllocate, DefaultRelease};
}

PointQueue::PointQueue(size_t capacity) {
    if (capacity == 0 || capacity > SIZE_MAX / sizeof(QueuedPoint)) return;
    release_ = gAllocator.release;
    points_ = static_cast<QueuedPoint*>(gAllocator.allocate(capacity * sizeof(QueuedPoint)));
    if (points_) capacity_ = capacity;
}

PointQueue::PointQueue(size_t capacity, int32_t x, int32_t y) : PointQueue(capacity) { Push(x, y); }

PointQueue::~PointQueue() {
    Clear();
    if (points_) release_(points_);
}
