#include <windows.h>

#include "support/gmem.h"

namespace {
void* AllocateLocked(size_t bytes) {
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    if (!handle) return nullptr;
    void* block = GlobalLock(handle);
    if (!block) GlobalFree(handle);
    return block;
}

void ReleaseLocked(void* block) {
    HGLOBAL handle = GlobalHandle(block);
    if (!handle) return;
    GlobalUnlock(handle);
    GlobalFree(handle);
}
}  // namespace

BlockAllocator PlatformBlockAllocator() { return {AllocateLocked, ReleaseLocked}; }
