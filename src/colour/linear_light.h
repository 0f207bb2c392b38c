#pragma once
// The sRGB transfer function, both ways: an 8-bit channel level to the light the screen
// gives off for it (linear light, 0 for none to 1 for full), and light back to the level.
// Light adds up where stored levels don't: colours are judged and averaged here.

#include <array>
#include <cstdint>

namespace pipetto {

// The linear light of each of the 256 levels of a channel. The ends are exact: 0 and 1.
const std::array<double, 256>& linear_light_levels() noexcept;

// The level whose value, by the inverse transfer function and times 255, lies nearest to
// `light`'s, halves rounded up. The light of every level gives that level back.
std::uint8_t level_of_linear_light(double light) noexcept;

} // namespace pipetto
