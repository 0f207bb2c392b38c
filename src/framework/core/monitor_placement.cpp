#include "framework/core/monitor_placement.h"

#include <algorithm>

namespace pipetto {
namespace {

bool overlaps(const ScreenRect& a, const ScreenRect& b) noexcept {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Where an extent starting at `start` and `size` long begins once it lies within
// [first, end): past the end it moves back, before the first it moves on, and the first
// wins when it does not fit.
int start_within(int start, int size, int first, int end) noexcept {
    return std::max(std::min(start, end - size), first);
}

} // namespace

bool meets_any(const ScreenRect& window, std::span<const ScreenRect> areas) noexcept {
    return std::ranges::any_of(areas,
                               [&](const ScreenRect& area) { return overlaps(window, area); });
}

ScreenPoint place_inside(const ScreenRect& window, const ScreenRect& area) noexcept {
    return {start_within(window.left, window.right - window.left, area.left, area.right),
            start_within(window.top, window.bottom - window.top, area.top, area.bottom)};
}

} // namespace pipetto
