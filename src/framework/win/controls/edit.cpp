#include "framework/win/controls/edit.h"

namespace pipetto::win {

Control::WindowKind Edit::window_kind(const Properties& properties) const {
    DWORD style = ES_AUTOHSCROLL | WS_TABSTOP;
    if (properties.read_only)
        style |= ES_READONLY;
    return {L"Edit", style, WS_EX_CLIENTEDGE};
}

bool Edit::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == EN_CHANGE) {
        fire(on_change);
        return true;
    }
    // A read-only edit asks for WM_CTLCOLORSTATIC; it takes the same colours.
    return Control::handle_notification(message, wparam, lparam, result);
}

bool Edit::intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_LBUTTONDOWN) {
        left_button_down_ = true;
    } else if (message == WM_LBUTTONUP && left_button_down_) {
        left_button_down_ = false;
        result = call_original(message, wparam, lparam);
        fire(on_click);
        return true;
    }
    return false;
}

} // namespace pipetto::win
