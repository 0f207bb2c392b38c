#pragma once
// The monitors as Windows lists them now, for keeping windows where they can be seen.

#include <windows.h>

#include <optional>
#include <vector>

#include "framework/core/monitor_placement.h"

namespace pipetto::win {

inline ScreenRect to_screen_rect(const RECT& rect) noexcept {
    return {static_cast<int>(rect.left), static_cast<int>(rect.top), static_cast<int>(rect.right),
            static_cast<int>(rect.bottom)};
}

// The work area of every monitor. The places of the display settings won't do: they give
// every monitor but the primary the place (0,0).
std::vector<ScreenRect> monitor_work_areas();

// The work area of the monitor nearest to the rectangle (the one it lies on, if any).
std::optional<ScreenRect> nearest_work_area(const ScreenRect& rect);

} // namespace pipetto::win
