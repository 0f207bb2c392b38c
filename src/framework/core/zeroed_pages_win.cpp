#include "framework/core/zeroed_pages.h"

#include <new>
#include <windows.h>

namespace pipetto {

void* allocate_zeroed_pages(std::size_t size) {
    // Committed pages read as zero and are only given memory when first touched.
    void* block = VirtualAlloc(nullptr, size, MEM_RESERVE | MEM_COMMIT, PAGE_READWRITE);
    if (block == nullptr)
        throw std::bad_alloc();
    return block;
}

void free_zeroed_pages(void* block) noexcept {
    if (block != nullptr)
        VirtualFree(block, 0, MEM_RELEASE);
}

} // namespace pipetto
