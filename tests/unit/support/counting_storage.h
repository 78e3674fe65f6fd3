// A block allocator that counts what the page walks ask for.
#pragma once

#include <cstddef>
#include <cstdlib>

#include "support/gmem.h"

struct CountingStorage {
    static inline int allocations = 0;
    static inline int releases = 0;
    static inline size_t bytes = 0;
    static void* Allocate(size_t n) {
        ++allocations;
        bytes += n;
        return std::calloc(1, n);
    }
    static void Release(void* block) {
        ++releases;
        std::free(block);
    }
    static void ResetCounts() {
        allocations = releases = 0;
        bytes = 0;
    }
    static const BlockAllocator* Allocator() {
        static const BlockAllocator counting = {Allocate, Release};
        return &counting;
    }
};
