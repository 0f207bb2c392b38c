#pragma once
// The colours of the system's current scheme, by index: what a colour value
// with the top bit set stands for.

#include <cstdint>

namespace pipetto {

// $00BBGGRR of the scheme colour at index; 0 for an index the system doesn't
// know (255, which an unreadable pixel's $FFFFFFFF names, is never known).
std::uint32_t system_colour_rgb(std::uint8_t index);

} // namespace pipetto
