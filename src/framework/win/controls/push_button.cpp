#include "framework/win/controls/push_button.h"

#include "framework/win/glyph.h"

namespace pipetto::win {

Control::WindowKind PushButton::window_kind(const Properties& properties) const {
    DWORD style = BS_PUSHBUTTON | WS_TABSTOP;
    if (properties.glyph)
        style |= BS_BITMAP;
    return {L"Button", style};
}

void PushButton::configure(const Properties& properties) {
    if (!properties.glyph)
        return;
    // The glyph's bottom-left pixel is its background colour; it takes the face colour.
    glyph_ = load_glyph(properties.glyph, GetSysColor(COLOR_BTNFACE));
    SendMessageW(hwnd(), BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(glyph_.get()));
}

bool PushButton::handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    if (message == WM_COMMAND && HIWORD(wparam) == BN_CLICKED) {
        fire(on_click);
        return true;
    }
    return Control::handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
