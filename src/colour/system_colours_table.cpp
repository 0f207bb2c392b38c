#include "colour/system_colours.h"

#include <array>

namespace pipetto {

namespace {

constexpr std::uint32_t rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | (g << 8) | (b << 16);
}

// Without a system to ask, the classic grey Windows scheme stands in. Index 25
// has no colour there, so it reads as unknown like everything past 30.
constexpr std::array<std::uint32_t, 31> classic_scheme = {
    rgb(212, 208, 200), // 0 scroll bar
    rgb(58, 110, 165),  // 1 desktop background
    rgb(10, 36, 106),   // 2 active caption
    rgb(128, 128, 128), // 3 inactive caption
    rgb(212, 208, 200), // 4 menu
    rgb(255, 255, 255), // 5 window
    rgb(0, 0, 0),       // 6 window frame
    rgb(0, 0, 0),       // 7 menu text
    rgb(0, 0, 0),       // 8 window text
    rgb(255, 255, 255), // 9 caption text
    rgb(212, 208, 200), // 10 active border
    rgb(212, 208, 200), // 11 inactive border
    rgb(128, 128, 128), // 12 application workspace
    rgb(10, 36, 106),   // 13 highlight
    rgb(255, 255, 255), // 14 highlight text
    rgb(212, 208, 200), // 15 button face
    rgb(128, 128, 128), // 16 button shadow
    rgb(128, 128, 128), // 17 grey text
    rgb(0, 0, 0),       // 18 button text
    rgb(212, 208, 200), // 19 inactive caption text
    rgb(255, 255, 255), // 20 button highlight
    rgb(64, 64, 64),    // 21 3D dark shadow
    rgb(212, 208, 200), // 22 3D light
    rgb(0, 0, 0),       // 23 tooltip text
    rgb(255, 255, 225), // 24 tooltip background
    0,                  // 25 unused
    rgb(0, 0, 128),     // 26 hot-tracked item
    rgb(166, 202, 240), // 27 gradient of the active caption
    rgb(192, 192, 192), // 28 gradient of the inactive caption
    rgb(10, 36, 106),   // 29 highlighted menu item
    rgb(212, 208, 200), // 30 menu bar
};

} // namespace

std::uint32_t system_colour_rgb(std::uint8_t index) {
    return index < classic_scheme.size() ? classic_scheme[index] : 0;
}

} // namespace pipetto
