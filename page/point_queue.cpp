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

PointStorage AllocatePointStorage(size_t capacity) {
    PointStorage storage = {nullptr, 0, gAllocator.release};
    if (capacity == 0 || capacity > SIZE_MAX / sizeof(QueuedPoint)) return storage;
    storage.points = static_cast<QueuedPoint*>(gAllocator.allocate(capacity * sizeof(QueuedPoint)));
    if (storage.points) storage.capacity = capacity;
    return storage;
}
