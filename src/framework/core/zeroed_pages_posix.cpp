#include "framework/core/zeroed_pages.h"

#include <cstdlib>
#include <new>

namespace pipetto {

// The C library maps a block this large as fresh zero pages and leaves them untouched; the
// sanitizers of the fuzz build still see it as a heap block.
void* allocate_zeroed_pages(std::size_t size) {
    void* block = std::calloc(1, size);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void free_zeroed_pages(void* block) noexcept {
    std::free(block);
}

} // namespace pipetto
