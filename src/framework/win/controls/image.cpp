#include "framework/win/controls/image.h"

namespace pipetto::win {

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
    invalidate(false); // the bitmap covers the whole area
}

void Image::paint(HDC dc) {
    const RECT area = bounds_in_parent();
    if (!bitmap_) {
        FillRect(dc, &area, GetSysColorBrush(COLOR_BTNFACE));
        return;
    }
    MemoryDC source(CreateCompatibleDC(dc));
    SelectedObject selected(source.get(), bitmap_.get());
    StretchBlt(dc, area.left, area.top, area.right - area.left, area.bottom - area.top,
               source.get(), 0, 0, size_.cx, size_.cy, SRCCOPY);
}

} // namespace pipetto::win
