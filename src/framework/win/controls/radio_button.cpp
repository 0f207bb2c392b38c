#include "framework/win/controls/radio_button.h"

namespace pipetto::win {
namespace {

bool is_radio_button(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_AUTORADIOBUTTON;
}

void set_tab_stop(HWND window, bool tab_stop) {
    const LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE);
    const LONG_PTR wanted = tab_stop ? style | WS_TABSTOP : style & ~LONG_PTR{WS_TABSTOP};
    if (wanted != style)
        SetWindowLongPtrW(window, GWL_STYLE, wanted);
}

} // namespace

Control::WindowKind RadioButton::window_kind(const Properties&) const {
    return {L"Button", BS_AUTORADIOBUTTON};
}

void RadioButton::configure(const Properties& properties) {
    if (properties.checked)
        set_checked(true);
}

bool RadioButton::checked() const {
    return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void RadioButton::set_checked(bool checked) {
    if (!checked) {
        SendMessageW(hwnd(), BM_SETCHECK, BST_UNCHECKED, 0);
        follow_check_with_tab_stops();
        return;
    }
    // As a click would: the others of the group go unchecked.
    const HWND parent = GetParent(hwnd());
    for (HWND other = GetNextDlgGroupItem(parent, hwnd(), FALSE); other && other != hwnd();
         other = GetNextDlgGroupItem(parent, other, FALSE))
        if (is_radio_button(other))
            SendMessageW(other, BM_SETCHECK, BST_UNCHECKED, 0);
    SendMessageW(hwnd(), BM_SETCHECK, BST_CHECKED, 0);
    follow_check_with_tab_stops();
}

bool RadioButton::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        follow_check_with_tab_stops();
        fire(on_click);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

// Tab enters a group at its checked button, as in the system's own dialogs.
void RadioButton::follow_check_with_tab_stops() const {
    const HWND parent = GetParent(hwnd());
    HWND member = hwnd();
    do {
        if (is_radio_button(member))
            set_tab_stop(member, SendMessageW(member, BM_GETCHECK, 0, 0) == BST_CHECKED);
        member = GetNextDlgGroupItem(parent, member, FALSE);
    } while (member && member != hwnd());
}

} // namespace pipetto::win
