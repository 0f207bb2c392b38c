#pragma once
// Where the loupe opens beside the main window: to its left when there is room for it,
// otherwise to its right, 5 pixels apart; a little below the main window's top.

#include <windows.h>

namespace pipetto {

constexpr POINT loupe_position(int main_left, int main_top, int main_outer_width) noexcept {
    const int left = main_left > 140 ? main_left - 140 : main_left + main_outer_width + 5;
    return {left, main_top + 103};
}

} // namespace pipetto
