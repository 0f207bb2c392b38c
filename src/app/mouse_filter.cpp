#include "app/mouse_filter.h"

#include <cstring>

namespace pipetto {
namespace {

constexpr char browser_view_class[] = "Internet Explorer_Server";
constexpr LRESULT discard_message = 2;

LRESULT CALLBACK mouse_filter(int code, WPARAM message, LPARAM lparam) noexcept {
    if (code >= 0 && (message == WM_RBUTTONDOWN || message == WM_RBUTTONUP)) {
        const auto* mouse = reinterpret_cast<const MOUSEHOOKSTRUCT*>(lparam);
        char class_name[256] = {};
        GetClassNameA(mouse->hwnd, class_name, sizeof class_name);
        if (std::strcmp(class_name, browser_view_class) == 0)
            return discard_message;
    }
    return CallNextHookEx(nullptr, code, message, lparam);
}

} // namespace

win::HookHandle install_mouse_filter() {
    return win::HookHandle(
        SetWindowsHookExA(WH_MOUSE, mouse_filter, nullptr, GetCurrentThreadId()));
}

} // namespace pipetto
