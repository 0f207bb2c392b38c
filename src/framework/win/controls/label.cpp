#include "framework/win/controls/label.h"

#include <shellapi.h>

#include "framework/win/win_text.h"

namespace pipetto::win {

Control::WindowKind Label::window_kind(const Properties& properties) const {
    DWORD style = SS_NOTIFY | SS_NOPREFIX;
    if (properties.alignment == Alignment::left)
        style |= SS_LEFTNOWORDWRAP;
    if (properties.alignment == Alignment::centre)
        style |= SS_CENTER;
    else if (properties.alignment == Alignment::right)
        style |= SS_RIGHT;
    return {L"Static", style};
}

void Label::configure(const Properties& properties) {
    if (properties.url)
        url = properties.url;
}

void Label::fit_width_to_text() {
    WindowDC dc(hwnd());
    SelectedObject font(dc.get(), this->font() ? this->font() : GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring caption = widen(text());
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc.get(), caption.c_str(), static_cast<int>(caption.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX);
    Bounds96 bounds = bounds96();
    bounds.width = MulDiv(needed.right, 96, static_cast<int>(dpi())) + 2;
    set_bounds96(bounds);
    Control::apply_dpi(dpi());
}

bool Label::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == STN_CLICKED) {
        fire(on_click);
        if (!url.empty())
            ShellExecuteW(GetDesktopWindow(), L"open", widen(url).c_str(), nullptr, nullptr,
                          SW_SHOWNORMAL);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
