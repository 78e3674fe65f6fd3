// The three image blocks of the program, allocated once at start-up and held
// locked until shutdown, with a Retry/Cancel question when memory runs short.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr size_t kDibBytes = 303600;       // 660 x 460, one byte per pixel
constexpr size_t kDibPrintBytes = 312624;  // 668 rows of 468 bytes

extern uint8_t* lpDib;       // the page image
extern uint8_t* lpDibClear;  // the clear wave's visited map; printing scratch
extern uint8_t* lpDibPrint;  // the framed, rotated page for printing

// Answers true to retry an allocation of the given size, false to give up.
using OutOfMemoryHandler = bool (*)(size_t bytes);

// Installs a handler and returns the previous one.
OutOfMemoryHandler SetOutOfMemoryHandler(OutOfMemoryHandler handler);

// A zero-filled, locked block, or nullptr once the handler (if any) gives up.
uint8_t* AllocGlobalBlock(size_t bytes);

// Frees the block and clears the pointer; does nothing for nullptr.
void FreeGlobalBlock(uint8_t*& block);

// lpDib, lpDibClear, lpDibPrint in that order; on failure reports which block
// failed and frees the others.
bool AllocateGlobalBlocks();

// Where the image blocks and the page walks' queue storage come from: the
// platform's block allocator (moveable global memory on Windows), or one that
// a test installs.
struct BlockAllocator {
    void* (*allocate)(size_t bytes);  // zero-filled, locked; nullptr on failure
    void (*release)(void* block);
};
BlockAllocator PlatformBlockAllocator();

// Tests install an allocator; nullptr restores the platform's.
void SetBlockAllocator(const BlockAllocator* allocator);

// The one installed, else the platform's.
BlockAllocator CurrentBlockAllocator();
