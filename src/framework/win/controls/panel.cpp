#include "framework/win/controls/panel.h"

#include <string>

namespace pipetto::win {

Control::WindowKind Panel::window_kind(const Properties&) const {
    return {own_window_class(L"PipettoPanel", nullptr, CS_HREDRAW | CS_VREDRAW), WS_CLIPCHILDREN,
            WS_EX_CONTROLPARENT};
}

void Panel::configure(const Properties& properties) {
    bevel_ = properties.bevel;
}

POINT Panel::menu_point_below() const {
    RECT area{};
    GetClientRect(hwnd(), &area);
    POINT at{0, area.bottom};
    ClientToScreen(hwnd(), &at);
    return at;
}

bool Panel::intercept(UINT message, WPARAM, LPARAM lparam, LRESULT& result) {
    switch (message) {
    case WM_CONTEXTMENU: {
        if (!on_context_menu)
            return false;
        POINT at{static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        if (lparam == -1)
            at = menu_point_below();
        on_context_menu(at);
        result = 0;
        return true;
    }
    case WM_ERASEBKGND:
        result = 1; // painted whole in WM_PAINT
        return true;
    case WM_PAINT: {
        PaintSession paint(hwnd());
        this->paint(paint.dc());
        paint_graphic_children(paint.dc(), paint.area());
        result = 0;
        return true;
    }
    case WM_SETTEXT:
        InvalidateRect(hwnd(), nullptr, FALSE);
        return false;
    default:
        return false;
    }
}

void Panel::paint(HDC dc) {
    RECT area;
    GetClientRect(hwnd(), &area);
    FillRect(dc, &area, background_brush());
    switch (bevel_) {
    case BevelStyle::etched:
        DrawEdge(dc, &area, EDGE_ETCHED, BF_RECT);
        break;
    case BevelStyle::raised:
        DrawEdge(dc, &area, BDR_RAISEDINNER, BF_RECT);
        break;
    case BevelStyle::lowered:
        DrawEdge(dc, &area, BDR_SUNKENOUTER, BF_RECT);
        break;
    case BevelStyle::raised_in_lowered:
        DrawEdge(dc, &area, BDR_SUNKENOUTER | BDR_RAISEDINNER, BF_RECT);
        break;
    case BevelStyle::none:
        break;
    }
    const int length = GetWindowTextLengthW(hwnd());
    if (length == 0)
        return;
    std::wstring caption(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(hwnd(), caption.data(), length + 1);
    caption.resize(static_cast<size_t>(length));
    SelectedObject font(dc, this->font() ? this->font() : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, to_colorref(font_colour_.value_or(0xFF000012)));
    DrawTextW(dc, caption.c_str(), length, &area, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
}

} // namespace pipetto::win
