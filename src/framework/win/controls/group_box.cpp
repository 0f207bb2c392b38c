#include "framework/win/controls/group_box.h"

namespace pipetto::win {

Control::WindowKind GroupBox::window_kind(const Properties&) const {
    return {L"Button", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT};
}

bool GroupBox::intercept(UINT message, WPARAM, LPARAM, LRESULT& result) {
    // A group box is transparent to the mouse (HTTRANSPARENT) by default, which would pass
    // clicks between its children to the window below.
    if (message == WM_NCHITTEST) {
        result = HTCLIENT;
        return true;
    }
    if (message == WM_PAINT && !graphic_children().empty()) {
        // The box draws itself into our paint session, so that its labels go on top
        // within the same update region.
        PaintSession paint(hwnd());
        call_original(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(paint.dc()), PRF_CLIENT);
        paint_graphic_children(paint.dc(), paint.area());
        result = 0;
        return true;
    }
    return false;
}

// A group box keeps its caption as its window's title, which reads without a message.
// The grab cycle compares the cursor caption ten times a second; through WM_GETTEXT that
// costs about a quarter of the screen read itself (under Wine).
int GroupBox::read_text(wchar_t* buffer, int capacity) const {
    return InternalGetWindowText(hwnd(), buffer, capacity);
}

} // namespace pipetto::win
