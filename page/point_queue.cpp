#include "page/point_queue.h"

namespace {
// Kept for the program's life; reachable until exit, so not a leak.
QueuedPoint* gStorage = nullptr;
void (*gRelease)(void* block) = nullptr;  // of the allocator that gave it
}  // namespace

QueuedPoint* WalkStorage() {
    if (!gStorage) {
        const BlockAllocator allocator = CurrentBlockAllocator();
        gStorage = static_cast<QueuedPoint*>(allocator.allocate(kPointQueueCapacity * sizeof(QueuedPoint)));
        gRelease = allocator.release;
    }
    return gStorage;
}

void ReleaseWalkStorage() {
    if (gStorage) gRelease(gStorage);
    gStorage = nullptr;
}
