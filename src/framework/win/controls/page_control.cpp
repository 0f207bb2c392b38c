#include "framework/win/controls/page_control.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "framework/win/win_text.h"

namespace pipetto::win {

Control::WindowKind PageControl::window_kind(const Properties&) const {
    return {WC_TABCONTROLW,
            TCS_BOTTOM | TCS_HOTTRACK | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_TABSTOP,
            WS_EX_CONTROLPARENT};
}

void PageControl::add_page(TabSheet& sheet, std::string_view caption) {
    // Tabs as wide as their captions: four of them share the control's width.
    if (sheets_.empty())
        SendMessageW(hwnd(), TCM_SETMINTABWIDTH, 0, 0);
    std::wstring text = widen(caption);
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = text.data();
    SendMessageW(hwnd(), TCM_INSERTITEMW, sheets_.size(), reinterpret_cast<LPARAM>(&item));
    sheets_.push_back(&sheet);
    place_sheets();
    show_active_sheet();
}

int PageControl::active_page_index() const {
    return static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
}

TabSheet& PageControl::active_page() const {
    return *sheets_.at(static_cast<size_t>(active_page_index()));
}

void PageControl::set_active_page(const TabSheet& sheet) {
    const auto found = std::find(sheets_.begin(), sheets_.end(), &sheet);
    if (found != sheets_.end())
        set_active_page_index(static_cast<int>(found - sheets_.begin()));
}

void PageControl::set_active_page_index(int index) {
    SendMessageW(hwnd(), TCM_SETCURSEL, index, 0);
    show_active_sheet();
}

void PageControl::step_page(int step) {
    const int count = page_count();
    if (count == 0)
        return;
    set_active_page_index(((active_page_index() + step) % count + count) % count);
    fire(on_change);
}

void PageControl::apply_dpi(UINT dpi) {
    Control::apply_dpi(dpi);
    place_sheets();
}

RECT PageControl::display_area(HWND page_control) {
    RECT display;
    GetClientRect(page_control, &display);
    SendMessageW(page_control, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&display));
    return display;
}

// Every sheet covers the tab control's display area. A sheet that lies there already is
// left alone: a move costs a round trip to the server under Wine, even to the same place.
void PageControl::place_sheets() {
    const RECT display = display_area(hwnd());
    for (TabSheet* sheet : sheets_) {
        RECT now;
        GetWindowRect(sheet->hwnd(), &now);
        MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&now), 2);
        if (!EqualRect(&now, &display))
            MoveWindow(sheet->hwnd(), display.left, display.top, display.right - display.left,
                       display.bottom - display.top, TRUE);
    }
}

// Only the sheets whose visibility changes are told.
void PageControl::show_active_sheet() {
    const auto shown = [](const TabSheet& sheet) {
        return (GetWindowLongPtrW(sheet.hwnd(), GWL_STYLE) & WS_VISIBLE) != 0;
    };
    const int active = active_page_index();
    for (size_t i = 0; i < sheets_.size(); ++i)
        if (static_cast<int>(i) != active && shown(*sheets_[i]))
            ShowWindow(sheets_[i]->hwnd(), SW_HIDE);
    if (active >= 0 && active < page_count()) {
        TabSheet& sheet = *sheets_[static_cast<size_t>(active)];
        sheet.build_contents();
        if (!shown(sheet))
            ShowWindow(sheet.hwnd(), SW_SHOW);
    }
}

bool PageControl::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_NOTIFY && reinterpret_cast<NMHDR*>(lparam)->code == TCN_SELCHANGE) {
        show_active_sheet();
        fire(on_change);
        result = 0;
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

RECT TabSheet::place_in_parent(HWND page_control) const {
    return PageControl::display_area(page_control);
}

void TabSheet::build_contents() {
    if (const std::function<void()> build = std::exchange(pending_build_, nullptr))
        build();
}

Control::WindowKind TabSheet::window_kind(const Properties&) const {
    return {own_window_class(L"PipettoTabSheet", GetSysColorBrush(COLOR_BTNFACE)), WS_CLIPCHILDREN,
            WS_EX_CONTROLPARENT};
}

bool TabSheet::intercept(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_PAINT)
        return false;
    // The class brush erases the sheet; its labels and images go on top.
    PaintSession paint(hwnd());
    paint_graphic_children(paint.dc(), paint.area());
    result = 0;
    return true;
}

} // namespace pipetto::win
