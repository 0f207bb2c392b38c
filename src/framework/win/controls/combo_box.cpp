#include "framework/win/controls/combo_box.h"

#include "framework/win/win_text.h"

namespace pipetto::win {

Control::WindowKind ComboBox::window_kind(const Properties&) const {
    return {L"ComboBox", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
}

// The window's height includes the dropped-down list: room for eight entries.
int ComboBox::creation_height(int height) const {
    return height + 8 * 14;
}

void ComboBox::set_items(std::span<const std::string_view> items) {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string_view item : items)
        SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
}

int ComboBox::item_count() const {
    return static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0));
}

int ComboBox::item_index() const {
    return static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
}

void ComboBox::set_item_index(int index) {
    SendMessageW(hwnd(), CB_SETCURSEL, index, 0);
}

std::string ComboBox::item_text(int index) const {
    const LRESULT length = SendMessageW(hwnd(), CB_GETLBTEXTLEN, index, 0);
    if (length == CB_ERR)
        return {};
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(hwnd(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(wide.data()));
    wide.resize(static_cast<size_t>(length));
    return narrow(wide);
}

std::string ComboBox::selected_text() const {
    return item_text(item_index());
}

bool ComboBox::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == CBN_SELCHANGE) {
        fire(on_change);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
