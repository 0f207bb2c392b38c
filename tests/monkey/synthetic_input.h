#pragma once
// Mouse and keyboard input as the system's input queue receives it from a user.

#include <windows.h>

namespace pipetto::monkey {

enum class Button { left, right };

struct Modifiers {
    bool ctrl = false, alt = false, shift = false;
};

void move_mouse_to(POINT point);
// `clicks` presses and releases at the point, quickly enough for a double click.
void click_at(POINT point, Button button, int clicks);
// Pressed at `from`, moved in steps, released at `to`.
void drag(POINT from, POINT to);
// Turns the wheel by `notches` (negative: towards the user) at the point.
void turn_wheel_at(POINT point, int notches, bool horizontal);
void press_key(WORD key, Modifiers modifiers);

} // namespace pipetto::monkey
