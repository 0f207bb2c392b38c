// A form among the monitors: kept where it can be seen.

#include "framework/win/form.h"
#include "framework/win/monitors.h"

namespace pipetto::win {

ScreenRect Form::outer_rect() const {
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    return to_screen_rect(outer);
}

std::optional<ScreenRect> Form::monitor_work_area() const {
    return nearest_work_area(outer_rect());
}

bool Form::on_a_monitor() const {
    return meets_any(outer_rect(), monitor_work_areas());
}

void Form::keep_on_a_monitor() {
    if (on_a_monitor())
        return;
    if (const std::optional<ScreenRect> area = monitor_work_area())
        move_inside(*area);
}

void Form::move_inside(const ScreenRect& area) {
    const ScreenRect outer = outer_rect();
    const ScreenPoint place = place_inside(outer, area);
    if (place.x != outer.left || place.y != outer.top)
        set_position(place.x, place.y);
}

void Form::keep_inside_work_area() {
    if (const std::optional<ScreenRect> area = monitor_work_area())
        move_inside(*area);
}

} // namespace pipetto::win
