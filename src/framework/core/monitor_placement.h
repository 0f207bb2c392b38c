#pragma once
// Where a window may lie among the monitors. A window that shows on any monitor, even in
// part, stays exactly where it is; one left where no monitor is any more (a monitor
// unplugged, a laptop taken off its dock) goes wholly onto one, so the user can reach it.

#include <span>

namespace pipetto {

// A rectangle of the virtual screen in pixels; the right and bottom edges lie outside it.
struct ScreenRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

struct ScreenPoint {
    int x = 0;
    int y = 0;
};

// The window shares at least one pixel with one of the areas.
bool meets_any(const ScreenRect& window, std::span<const ScreenRect> areas) noexcept;

// The top-left corner that puts the window wholly inside `area`, moved as little as it
// can be. A window larger than the area keeps its top or left edge on the area's.
ScreenPoint place_inside(const ScreenRect& window, const ScreenRect& area) noexcept;

} // namespace pipetto
