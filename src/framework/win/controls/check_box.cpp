#include "framework/win/controls/check_box.h"

namespace pipetto::win {

Control::WindowKind CheckBox::window_kind(const Properties&) const {
    return {L"Button", BS_AUTOCHECKBOX | WS_TABSTOP};
}

void CheckBox::configure(const Properties& properties) {
    SendMessageW(hwnd(), BM_SETCHECK, properties.checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool CheckBox::checked() const {
    return SendMessageW(hwnd(), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void CheckBox::set_checked(bool checked) {
    if (this->checked() == checked)
        return;
    SendMessageW(hwnd(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    fire(on_click);
}

bool CheckBox::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        fire(on_click);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
