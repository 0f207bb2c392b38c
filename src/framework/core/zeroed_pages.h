#pragma once
// A large block of zero bytes from the system's page allocator: its pages take memory only
// once something is written to them. (Windows' heap clears a block of this size byte by
// byte, so all of it would be in use from the start.)

#include <cstddef>

namespace pipetto {

// Throws std::bad_alloc when there is no room.
void* allocate_zeroed_pages(std::size_t size);

void free_zeroed_pages(void* block) noexcept;

} // namespace pipetto
