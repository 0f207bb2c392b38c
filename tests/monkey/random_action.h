#pragma once
// One random action of a user on one of the program's windows: a hover, a click, a double
// or right click, a drag, a turn of the wheel, or a key with random Ctrl, Alt and Shift.

#include <windows.h>

#include <string>
#include <vector>

#include "program_windows.h"
#include "random_draws.h"

namespace pipetto::monkey {

// The window the draw falls on, each as likely as its kind makes it; never a file dialog
// (the round only ever cancels those). Null when there is none.
const ProgramWindow* choose_window(const ActionDraw& draw,
                                   const std::vector<ProgramWindow>& windows);

// Performs the action the draw describes on the window and says what was done, for the
// action log. Input is only sent where it reaches the program's own windows; otherwise the
// action is skipped and says why.
std::string perform_random_action(const ActionDraw& draw, const ProgramWindow& target,
                                  DWORD process_id);

// How long to wait after the action, from the same draw.
int pause_after(const ActionDraw& draw);

} // namespace pipetto::monkey
