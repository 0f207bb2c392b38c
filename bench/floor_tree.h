#pragma once
// The floor of start-up: the main window's tree as the user sees it at start, built with
// plain Win32 calls and nothing else. floor_window.exe shows it; the start-up breakdown
// times its steps beside Pipetto's.

#include <windows.h>

namespace floor_tree {

// Called after each step with the step's name; may be null.
using Mark = void (*)(const char* step);

// Builds and shows the tree: the owner with the taskbar button, the main window with its
// page control, the Grab page's controls and a tooltip window. Returns the main window;
// closing it ends the message loop.
HWND build_and_show(HINSTANCE instance, Mark mark);

} // namespace floor_tree
