#pragma once
// Real mouse input for the tests: moves and presses through SendInput, as a user's mouse
// makes them, and the colours the screen shows.

#include <windows.h>

namespace pipetto::tests {

void mouse_move_to(POINT screen_point);
void mouse_left_down();
void mouse_left_up();
// A point of a window's client area in screen coordinates.
POINT screen_point_of(HWND window, int x, int y);
// The colour the screen shows at a point of a window's client area.
COLORREF pixel_of(HWND window, int x, int y);

} // namespace pipetto::tests
