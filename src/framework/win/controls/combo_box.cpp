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
    items_.assign(items.begin(), items.end());
    index_ = -1;
    if (hwnd())
        add_items_to_window();
}

void ComboBox::configure(const Properties&) {
    if (!items_.empty())
        add_items_to_window();
    if (index_ >= 0)
        SendMessageW(hwnd(), CB_SETCURSEL, index_, 0);
}

void ComboBox::add_items_to_window() const {
    SendMessageW(hwnd(), WM_SETREDRAW, FALSE, 0);
    SendMessageW(hwnd(), CB_RESETCONTENT, 0, 0);
    for (const std::string& item : items_)
        SendMessageW(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(widen(item).c_str()));
    SendMessageW(hwnd(), WM_SETREDRAW, TRUE, 0);
}

int ComboBox::item_count() const {
    return hwnd() ? static_cast<int>(SendMessageW(hwnd(), CB_GETCOUNT, 0, 0))
                  : static_cast<int>(items_.size());
}

int ComboBox::item_index() const {
    return hwnd() ? static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0)) : index_;
}

void ComboBox::set_item_index(int index) {
    // As the window does: an index past the entries leaves none selected.
    index_ = index >= 0 && index < static_cast<int>(items_.size()) ? index : -1;
    if (hwnd())
        SendMessageW(hwnd(), CB_SETCURSEL, index, 0);
}

std::string ComboBox::item_text(int index) const {
    if (!hwnd())
        return index >= 0 && index < static_cast<int>(items_.size())
                   ? items_[static_cast<size_t>(index)]
                   : std::string();
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
        index_ = static_cast<int>(SendMessageW(hwnd(), CB_GETCURSEL, 0, 0));
        fire(on_change);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
