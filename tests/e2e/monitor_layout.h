#pragma once
// The monitors of the two-monitor tests, which run under Wine on an X display of RandR
// monitors that tests/e2e/monitor_layout.sh lays out. tools/test.sh names that script in
// PIPETTO_MONITOR_LAYOUT; without it there is no such display, and the tests are skipped.

#include <string>

#include "framework/core/monitor_placement.h"

namespace pipetto::tests {

// The primary monitor and the one left of it, as Windows places them.
constexpr ScreenRect primary_monitor{0, 0, 1024, 768};
constexpr ScreenRect left_monitor{-1024, 0, 0, 768};

// The layout script, or empty when the tests do not run on its display.
std::string monitor_layout_script();

// Lays the monitors out anew ("side-by-side" or "primary-only") and has Wine take them.
// Wine's X11 driver, reading monitors through Xinerama, doesn't notice them change: a
// process started afterwards applies the display settings again, which hands the new
// monitors to every process and sends WM_DISPLAYCHANGE to every top-level window, as
// Windows does when a monitor comes or goes. True when both steps worked.
bool change_monitor_layout(const std::string& layout);

} // namespace pipetto::tests
