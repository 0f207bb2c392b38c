#include "framework/win/controls/check_box.h"

namespace pipetto::win {

Control::WindowKind CheckBox::window_kind(const Properties&) const {
    return {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP};
}

void CheckBox::take_state(const Properties& properties) {
    checked_ = properties.checked;
}

void CheckBox::configure(const Properties&) {
    SendMessageW(hwnd(), BM_SETCHECK, checked_ ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::checked() const {
    return hwnd() ? SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED : checked_;
}

void CheckBox::set_checked(bool checked) {
    if (this->checked() == checked)
        return;
    checked_ = checked;
    if (hwnd())
        SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    fire(on_click);
}

bool CheckBox::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        checked_ = SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
        fire(on_click);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
