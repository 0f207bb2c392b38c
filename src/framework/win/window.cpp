#include "framework/win/window.h"

#include <exception>

#include "framework/win/application.h"
#include "framework/win/control.h"
#include "framework/win/window_registry.h"

namespace pipetto::win {

Window::~Window() {
    if (hwnd_) {
        window_registry::leave(hwnd_, this);
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

void Window::create_window(const ClassStyle& window_class, DWORD ex_style, DWORD style,
                           const wchar_t* text, int left, int top, int width, int height,
                           HWND parent) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, window_class.name, &existing)) {
        WNDCLASSEXW registration{};
        registration.cbSize = sizeof registration;
        registration.style = window_class.style;
        registration.lpfnWndProc = procedure;
        registration.hInstance = instance;
        registration.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
        registration.hCursor =
            window_class.cursor ? window_class.cursor : LoadCursorW(nullptr, IDC_ARROW);
        registration.hbrBackground = window_class.background;
        registration.lpszClassName = window_class.name;
        RegisterClassExW(&registration);
    }
    CreateWindowExW(ex_style, window_class.name, text, style, left, top, width, height, parent,
                    nullptr, instance, this);
}

LRESULT Window::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (forward_to_control(message, wparam, lparam, result))
        return result;
    return default_processing(message, wparam, lparam);
}

LRESULT Window::default_processing(UINT message, WPARAM wparam, LPARAM lparam) {
    return DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wparam,
                                   LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        window_registry::enter(window, *self);
    }
    // Only windows of the classes registered with this procedure come here, and each of
    // them holds its Window in its user data from WM_NCCREATE on.
    auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        window_registry::leave(window, self);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        try {
            self->window_destroyed();
        } catch (const std::exception& error) {
            report_exception(error);
        } catch (...) {
            report_unknown_exception();
        }
        return DefWindowProcW(window, message, wparam, lparam);
    }
    try {
        return self->handle_message(message, wparam, lparam);
    } catch (const std::exception& error) {
        report_exception(error);
    } catch (...) {
        report_unknown_exception();
    }
    return 0;
}

bool forward_to_control(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
        child = reinterpret_cast<HWND>(lparam);
        break;
    case WM_NOTIFY:
        child = reinterpret_cast<NMHDR*>(lparam)->hwndFrom;
        break;
    case WM_DRAWITEM:
        child = reinterpret_cast<DRAWITEMSTRUCT*>(lparam)->hwndItem;
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
        child = reinterpret_cast<HWND>(lparam);
        break;
    default:
        return false;
    }
    Control* control = Control::from_hwnd(child);
    return control && control->handle_notification(message, wparam, lparam, result);
}

} // namespace pipetto::win
