#include <cstdlib>

#include "support/gmem.h"

BlockAllocator PlatformBlockAllocator() {
    return {[](size_t bytes) { return std::calloc(1, bytes); }, [](void* block) { std::free(block); }};
}
