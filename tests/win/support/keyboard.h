#pragma once
// Real key presses, as the keyboard makes them, for the hotkey tests.
//
// Wine delivers a hotkey only while one of its own windows has the keyboard focus (it
// grabs no keys while another X program has it), so a test that presses one first gives
// the focus to a window of its own.

#include <windows.h>

#include <initializer_list>

namespace pipetto::tests {

// Holds the modifiers down, presses and releases `key`, and lets the modifiers go.
void press_keys(std::initializer_list<WORD> modifiers, WORD key);

// Gives the keyboard focus to `window` (shown), so that Wine hands it the hotkeys.
bool give_focus_to(HWND window);

} // namespace pipetto::tests
