#pragma once
// What the tests read back from the screen and the clipboard.

#include <windows.h>

#include <string>

#include "framework/win/graphic_control.h"
#include "framework/win/handles.h"

namespace pipetto::tests {

// The clipboard's CF_TEXT, or a marker saying why there is none.
inline std::string clipboard_text() {
    if (!OpenClipboard(nullptr))
        return "<clipboard locked>";
    std::string text = "<no text>";
    if (HANDLE data = GetClipboardData(CF_TEXT)) {
        text = static_cast<const char*>(GlobalLock(data));
        GlobalUnlock(data);
    }
    CloseClipboard();
    return text;
}

// How many pixels of `colour` the parent shows inside the control's rectangle.
inline int pixels_of_colour_in(const win::GraphicControl& control, COLORREF colour) {
    win::WindowDC dc(control.parent_window());
    const RECT area = control.bounds_in_parent();
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            count += GetPixel(dc.get(), x, y) == colour;
    return count;
}

} // namespace pipetto::tests
