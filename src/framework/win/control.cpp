#include "framework/win/control.h"

#include <commctrl.h>
#include <oleacc.h>

#include <array>
#include <exception>
#include <stdexcept>

#include "framework/win/accessible_object.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"
#include "framework/win/window.h"
#include "framework/win/window_registry.h"

namespace pipetto::win {
namespace {

// Short texts are converted on the stack: the grab cycle sets five of them ten times a
// second and must not allocate.
constexpr int small_text = 128;

} // namespace

Control::~Control() {
    // A control whose parent went first has no window left; the handle may even name
    // another window by now, which the registry tells apart.
    if (hwnd_ && from_hwnd(hwnd_) == this) {
        window_registry::leave(hwnd_, this);
        // Whoever subclassed the window after us keeps their procedure; ours finds no
        // control from now on and hands the messages to the class's own.
        if (subclassed_ && GetWindowLongPtrW(hwnd_, GWLP_WNDPROC) ==
                               reinterpret_cast<LONG_PTR>(subclass_procedure))
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_procedure_));
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
        DestroyWindow(hwnd_);
    }
}

// The parent asks on every WM_CTLCOLOR* of every paint, so the look-up is a hash and one
// read of the window's user data, not a window property.
Control* Control::from_hwnd(HWND window) noexcept {
    return window_registry::control_of(window);
}

void Control::prepare(const Properties& properties) {
    if (prepared_)
        return;
    prepared_ = true;
    take_state(properties);
}

void Control::create(HWND parent, std::string_view text, const Properties& properties, UINT dpi) {
    prepare(properties);
    dpi_ = dpi;
    const WindowKind kind = window_kind(properties);
    DWORD style = kind.style | WS_CHILD;
    if (!properties.hidden && !placed_by_parent())
        style |= WS_VISIBLE;
    if (properties.group)
        style |= WS_GROUP;
    colour_ = properties.colour;
    font_colour_ = properties.font_colour;
    const RECT place = placed_by_parent()
                           ? place_in_parent(parent)
                           : RECT{scale(bounds96_.left), scale(bounds96_.top),
                                  scale(bounds96_.left) + scale(bounds96_.width),
                                  scale(bounds96_.top) + scale(creation_height(bounds96_.height))};
    hwnd_ =
        CreateWindowExW(kind.ex_style, kind.window_class, widen(text).c_str(), style, place.left,
                        place.top, place.right - place.left, place.bottom - place.top, parent,
                        nullptr, GetModuleHandleW(nullptr), this);
    if (!hwnd_)
        throw std::runtime_error("CreateWindowEx failed");
    // A window of our own classes stored `this` at WM_NCCREATE; a Windows control gets it here.
    if (!own_class_) {
        SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        window_registry::enter(hwnd_, *this);
    }
    configure(properties);
    // Only controls that must see their own messages are subclassed, and by replacing the
    // window procedure: the common controls' subclassing keeps its data in a window
    // property, which under Wine costs a round trip to the server on every message.
    if (needs_subclass()) {
        original_procedure_ = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(subclass_procedure)));
        subclassed_ = true;
    }
}

void Control::apply_dpi(UINT dpi) {
    dpi_ = dpi;
    if (hwnd_ && !placed_by_parent())
        MoveWindow(hwnd_, scale(bounds96_.left), scale(bounds96_.top), scale(bounds96_.width),
                   scale(creation_height(bounds96_.height)), TRUE);
}

void Control::set_font(HFONT font) {
    font_ = font;
    // A window not on the screen is painted whole when it shows: no repaint to ask for.
    if (hwnd_)
        SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), IsWindowVisible(hwnd_));
}

void Control::set_text(std::string_view text) {
    std::array<wchar_t, small_text> wanted;
    std::array<wchar_t, small_text> current;
    const int wanted_length =
        text.empty() ? 0
                     : MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                           wanted.data(), small_text - 1);
    if (wanted_length == 0 && !text.empty()) {
        // Too long for the stack: no need to save the work.
        const std::wstring long_text = widen(text);
        write_text(long_text.c_str(), static_cast<int>(long_text.size()));
        return;
    }
    wanted[static_cast<size_t>(wanted_length)] = L'\0';
    const int current_length = read_text(current.data(), small_text);
    if (current_length == wanted_length &&
        std::wstring_view(current.data(), static_cast<size_t>(current_length)) ==
            std::wstring_view(wanted.data(), static_cast<size_t>(wanted_length)))
        return; // unchanged text: no repaint, no change event
    write_text(wanted.data(), wanted_length);
}

void Control::write_text(const wchar_t* text, int) {
    SetWindowTextW(hwnd_, text);
}

int Control::read_text(wchar_t* buffer, int capacity) const {
    return GetWindowTextW(hwnd_, buffer, capacity);
}

std::string Control::text() const {
    const int length = GetWindowTextLengthW(hwnd_);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(hwnd_, wide.data(), length + 1);
    wide.resize(static_cast<size_t>(copied));
    return narrow(wide);
}

void Control::set_visible(bool visible) {
    ShowWindow(hwnd_, visible ? SW_SHOWNA : SW_HIDE);
}
bool Control::visible() const {
    return IsWindowVisible(hwnd_) != FALSE;
}

void Control::set_colour(TColor colour) {
    if (colour_ == colour)
        return;
    colour_ = colour;
    invalidate();
}

void Control::set_font_colour(TColor colour) {
    font_colour_ = colour;
    invalidate();
}

void Control::invalidate(bool erase) {
    // Without a window there is nothing to repaint; a null window would mean the whole screen.
    // A window not on the screen (hidden, or in a hidden window) is painted whole when it
    // shows; under Wine asking costs a round trip to the server even so.
    if (hwnd_ && IsWindowVisible(hwnd_))
        InvalidateRect(hwnd_, nullptr, erase);
}

HBRUSH Control::background_brush() {
    const COLORREF wanted = to_colorref(colour_.value_or(0xFF00000F));
    if (!brush_ || brush_colour_ != wanted) {
        brush_.reset(CreateSolidBrush(wanted));
        brush_colour_ = wanted;
    }
    return brush_.get();
}

bool Control::handle_notification(UINT message, WPARAM wparam, LPARAM, LRESULT& result) {
    switch (message) {
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX: {
        if (!colour_ && !font_colour_)
            return false;
        const HDC dc = reinterpret_cast<HDC>(wparam);
        if (font_colour_)
            SetTextColor(dc, to_colorref(*font_colour_));
        SetBkColor(dc, to_colorref(colour_.value_or(0xFF00000F)));
        result = reinterpret_cast<LRESULT>(background_brush());
        return true;
    }
    default:
        return false;
    }
}

std::string Control::hint_text(const Properties& properties) const {
    std::string hint = properties.hint ? properties.hint : "";
    if (!hint.empty() && properties.hint_second_line)
        hint += std::string("\r\n") + properties.hint_second_line;
    return hint;
}

std::string Control::accessible_name() const {
    return graphic_children_.accessible_names();
}

// A window that holds a link, and has no text of its own, is heard as that link.
long Control::accessible_role() const {
    wchar_t own[2] = {};
    if (!hwnd_ || InternalGetWindowText(hwnd_, own, 2) > 0)
        return 0;
    return graphic_children_.accessible_names().empty() ? 0 : ROLE_SYSTEM_LINK;
}

bool Control::intercept(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

LRESULT Control::call_original(UINT message, WPARAM wparam, LPARAM lparam) {
    return subclassed_ ? CallWindowProcW(original_procedure_, hwnd_, message, wparam, lparam)
                       : DefWindowProcW(hwnd_, message, wparam, lparam);
}

LRESULT Control::dispatch(UINT message, WPARAM wparam, LPARAM lparam) {
    // As the tooltip's own subclassing would: it sees the mouse before the control does.
    if (tooltip_ && message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
        MSG mouse{hwnd_, message, wparam, lparam, 0, {}};
        SendMessageW(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&mouse));
    }
    try {
        LRESULT result = 0;
        // Containers (group boxes, sheets, panels) pass their children's notifications on.
        if (forward_to_control(message, wparam, lparam, result))
            return result;
        if (graphic_children_.handle_mouse(hwnd_, message, wparam, lparam, result))
            return result;
        if (message == WM_GETOBJECT)
            if (const long role = accessible_role())
                if (const LRESULT object = answer_accessible_object(hwnd_, wparam, lparam,
                                                                    widen(accessible_name()), role))
                    return object;
        if (intercept(message, wparam, lparam, result))
            return result;
    } catch (const std::exception& error) {
        report_exception(error);
        return 0;
    } catch (...) {
        report_unknown_exception();
        return 0;
    }
    return call_original(message, wparam, lparam);
}

LRESULT CALLBACK Control::subclass_procedure(HWND window, UINT message, WPARAM wparam,
                                             LPARAM lparam) noexcept {
    Control* self = window_registry::control_of(window);
    if (!self) {
        // The control went before its window (see ~Control); we subclass only windows of
        // Windows' classes, whose own procedure is the class's.
        const auto original = reinterpret_cast<WNDPROC>(GetClassLongPtrW(window, GCLP_WNDPROC));
        return CallWindowProcW(original, window, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY) {
        const WNDPROC original = self->original_procedure_;
        window_registry::leave(window, self);
        self->subclassed_ = false;
        self->hwnd_ = nullptr;
        return CallWindowProcW(original, window, message, wparam, lparam);
    }
    return self->dispatch(message, wparam, lparam);
}

LRESULT CALLBACK Control::own_class_procedure(HWND window, UINT message, WPARAM wparam,
                                              LPARAM lparam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<Control*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        self->hwnd_ = window;
        self->own_class_ = true;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        window_registry::enter(window, *self);
    }
    // Only windows of our own control classes come here, each holding its Control in its
    // user data from WM_NCCREATE on.
    auto* self = reinterpret_cast<Control*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self)
        return DefWindowProcW(window, message, wparam, lparam);
    if (message == WM_NCDESTROY) {
        window_registry::leave(window, self);
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->hwnd_ = nullptr;
        return DefWindowProcW(window, message, wparam, lparam);
    }
    return self->dispatch(message, wparam, lparam);
}

COLORREF to_colorref(TColor colour) {
    return colour_to_rgb(colour) & 0x00FFFFFFu;
}

const wchar_t* Control::own_window_class(const wchar_t* name, HBRUSH background, UINT style) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (!GetClassInfoExW(instance, name, &existing)) {
        WNDCLASSEXW registration{};
        registration.cbSize = sizeof registration;
        registration.style = style;
        registration.lpfnWndProc = own_class_procedure;
        registration.hInstance = instance;
        registration.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        registration.hbrBackground = background;
        registration.lpszClassName = name;
        RegisterClassExW(&registration);
    }
    return name;
}

} // namespace pipetto::win
