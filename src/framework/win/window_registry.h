#pragma once
// Which of the program's objects a window handle belongs to, and of which kind.
//
// Every window the framework makes is entered here for as long as it exists, with the
// object behind it: a Window (forms, message windows) or a Control. A handle that was
// never entered, such as a combo box's own edit and list, a list view's header, a
// tooltip, a message box or the file dialog, is found nowhere, so no window of anyone
// else is ever taken for one of ours, and no Window for a Control.
//
// All of it runs on the user-interface thread: windows live there and so do their lookups.

#include <windows.h>

namespace pipetto::win {

class Window;
class Control;

namespace window_registry {

void enter(HWND window, Window& object);
void enter(HWND window, Control& object);
// Forgets the window; a no-op for one that is not entered, or entered for another object.
void leave(HWND window, const void* object) noexcept;

// The object entered for the window, or null when the window is none of ours, is of the
// other kind, or is gone (its handle may by then name another window).
Window* window_of(HWND window) noexcept;
Control* control_of(HWND window) noexcept;

} // namespace window_registry
} // namespace pipetto::win
