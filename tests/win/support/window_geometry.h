#pragma once
// Where a window lies on the screen, for the tests that point and click at it.

#include <windows.h>

namespace pipetto::tests {

// The window's outer rectangle, in screen coordinates.
inline RECT outer(HWND window) {
    RECT area{};
    GetWindowRect(window, &area);
    return area;
}

inline POINT centre_of(HWND window) {
    const RECT area = outer(window);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

} // namespace pipetto::tests
