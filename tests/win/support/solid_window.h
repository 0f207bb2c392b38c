#pragma once
// A borderless top-most 60 x 60 window of one colour, on the screen while it lives: a
// known pixel for the cursor to rest on.

#include <windows.h>

#include "framework/win/handles.h"

namespace pipetto::tests {

class SolidWindow {
  public:
    SolidWindow(COLORREF colour, int left, int top);
    HWND hwnd() const noexcept { return window_.get(); }
    // The screen shows the colour (the window has been painted).
    bool on_screen() const noexcept { return on_screen_; }

  private:
    win::Brush brush_;
    win::WindowHandle window_;
    bool on_screen_ = false;
};

} // namespace pipetto::tests
