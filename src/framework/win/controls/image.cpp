#include "framework/win/controls/image.h"

namespace pipetto::win {

Control::WindowKind Image::window_kind(const Properties&) const {
    return {own_window_class(L"PipettoImage", nullptr), 0};
}

void Image::fill(COLORREF colour, SIZE size) {
    WindowDC screen(nullptr);
    if (!bitmap_) {
        bitmap_.reset(CreateCompatibleBitmap(screen.get(), size.cx, size.cy));
        size_ = size;
    }
    MemoryDC canvas(CreateCompatibleDC(screen.get()));
    {
        SelectedObject selected(canvas.get(), bitmap_.get());
        // ExtTextOut with an opaque rectangle fills without creating a brush.
        SetBkColor(canvas.get(), colour);
        const RECT whole{0, 0, size_.cx, size_.cy};
        ExtTextOutW(canvas.get(), 0, 0, ETO_OPAQUE, &whole, nullptr, 0, nullptr);
    }
    InvalidateRect(hwnd(), nullptr, FALSE);
}

bool Image::intercept(UINT message, WPARAM, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_ERASEBKGND:
        result = 1;
        return true;
    case WM_PAINT: {
        PaintSession paint(hwnd());
        RECT area;
        GetClientRect(hwnd(), &area);
        if (!bitmap_) {
            FillRect(paint.dc(), &area, GetSysColorBrush(COLOR_BTNFACE));
        } else {
            MemoryDC source(CreateCompatibleDC(paint.dc()));
            SelectedObject selected(source.get(), bitmap_.get());
            StretchBlt(paint.dc(), 0, 0, area.right, area.bottom, source.get(), 0, 0, size_.cx,
                       size_.cy, SRCCOPY);
        }
        result = 0;
        return true;
    }
    default:
        return false;
    }
}

} // namespace pipetto::win
