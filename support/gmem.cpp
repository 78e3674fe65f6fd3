#include "support/gmem.h"

#include "support/assert.h"

uint8_t* lpDib = nullptr;
uint8_t* lpDibClear = nullptr;
uint8_t* lpDibPrint = nullptr;

namespace {
OutOfMemoryHandler gHandler = nullptr;
int gHandlerDepth = 0;  // the handler's own box may allocate: never ask twice at once
bool gHaveTestAllocator = false;
BlockAllocator gTestAllocator;

bool AskHandler(size_t bytes) {
    if (!gHandler || gHandlerDepth != 0) return false;
    ++gHandlerDepth;
    const bool retry = gHandler(bytes);
    --gHandlerDepth;
    return retry;
}
}  // namespace

BlockAllocator CurrentBlockAllocator() { return gHaveTestAllocator ? gTestAllocator : PlatformBlockAllocator(); }

void SetBlockAllocator(const BlockAllocator* allocator) {
    gHaveTestAllocator = allocator != nullptr;
    if (allocator) gTestAllocator = *allocator;
}

OutOfMemoryHandler SetOutOfMemoryHandler(OutOfMemoryHandler handler) {
    OutOfMemoryHandler previous = gHandler;
    gHandler = handler;
    return previous;
}

uint8_t* AllocGlobalBlock(size_t bytes) {
    for (;;) {
        if (void* block = CurrentBlockAllocator().allocate(bytes)) return static_cast<uint8_t*>(block);
        if (!AskHandler(bytes)) return nullptr;
    }
}

void FreeGlobalBlock(uint8_t*& block) {
    if (!block) return;
    CurrentBlockAllocator().release(block);
    block = nullptr;
}

namespace {
constexpr AssertionText kPageBlockMissing = {"lpDib", "Gmem", 20};
constexpr AssertionText kClearBlockMissing = {"lpDibClear", "Gmem", 26};
constexpr AssertionText kPrintBlockMissing = {"lpDibPrint", "Gmem", 31};
}  // namespace

bool AllocateGlobalBlocks() {
    bool ok = false;
    if (!(lpDib = AllocGlobalBlock(kDibBytes)))
        ReportAssertion(kPageBlockMissing);
    else if (!(lpDibClear = AllocGlobalBlock(kDibBytes)))
        ReportAssertion(kClearBlockMissing);
    else if (!(lpDibPrint = AllocGlobalBlock(kDibPrintBytes)))
        ReportAssertion(kPrintBlockMissing);
    else
        ok = true;
    if (!ok) {
        FreeGlobalBlock(lpDib);
        FreeGlobalBlock(lpDibClear);
        FreeGlobalBlock(lpDibPrint);
    }
    return ok;
}
