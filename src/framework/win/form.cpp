#include "framework/win/form.h"

#include <commctrl.h>

#include <stdexcept>
#include <utility>

#include "framework/win/application.h"
#include "framework/win/controls/label.h"
#include "framework/win/controls/page_control.h"
#include "framework/win/graphic_control.h"
#include "framework/win/win_text.h"
#include "framework/win/window_registry.h"

namespace pipetto::win {
namespace {

DWORD form_style() {
    return WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}
DWORD form_ex_style(bool tool_window) {
    return WS_EX_CONTROLPARENT | (tool_window ? WS_EX_TOOLWINDOW : 0);
}

} // namespace

Form::Form() = default;

// Controls are members of the derived form and are gone by now; the window goes next.
Form::~Form() = default;

Form* Form::of_window(HWND window) noexcept {
    return dynamic_cast<Form*>(window_registry::window_of(window));
}

bool Form::dialog_key_message(const MSG& message) {
    // Alt let go after an Alt+letter that a control took: the system would take it for Alt
    // pressed alone and open the window menu of whichever window has the keys by then (the
    // main window, when Alt+C closed the dialog).
    if (message.message == WM_SYSKEYUP && message.wParam == VK_MENU &&
        std::exchange(alt_accelerator_taken_, false))
        return true;
    if (Control* focused = Control::from_hwnd(GetFocus()); focused && focused->command_key(message))
        return true;
    if (form_key(message))
        return true;
    if (navigation_key(message))
        return true;
    const bool alt = GetKeyState(VK_MENU) < 0;
    if (message.message == WM_KEYDOWN) {
        if ((message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) || alt ||
            GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0)
            return false;
        for (const NamedControl& entry : controls_)
            if (entry.control->dialog_key(static_cast<UINT>(message.wParam)))
                return true;
        return false;
    }
    if (message.message != WM_CHAR && message.message != WM_SYSCHAR)
        return false;
    // An accelerator letter: with Alt anywhere, or alone where the focused control takes
    // no characters of its own.
    Control* focused = Control::from_hwnd(GetFocus());
    if (message.message == WM_CHAR && !(focused && focused->takes_no_characters()))
        return false;
    for (const NamedControl& entry : controls_)
        if (entry.control->dialog_char(static_cast<wchar_t>(message.wParam))) {
            alt_accelerator_taken_ = message.message == WM_SYSCHAR;
            return true;
        }
    return false;
}

void Form::create_form(const FormDescription& description, int left, int top) {
    description_ = description;
    HWND owner = Application::exists() ? Application::current().owner_window() : nullptr;
    // Made at its size for the system's DPI, which is the window's own unless it opens on
    // a monitor of another: sized again then.
    const UINT expected_dpi = GetDpiForSystem();
    const SIZE outer = outer_size(expected_dpi);
    create_window({description.class_name, 0}, form_ex_style(description.tool_window), form_style(),
                  widen(description.caption).c_str(), left, top, outer.cx, outer.cy, owner);
    if (!hwnd())
        throw std::runtime_error("CreateWindowEx failed");
    dpi_ = GetDpiForWindow(hwnd());
    if (dpi_ == 0)
        dpi_ = 96;
    if (dpi_ != expected_dpi)
        size_to_client();
}

SIZE Form::outer_size(UINT dpi) const {
    RECT outer{0, 0, MulDiv(description_.client_width96, static_cast<int>(dpi), 96),
               MulDiv(description_.client_height96, static_cast<int>(dpi), 96)};
    AdjustWindowRectExForDpi(&outer, form_style(), FALSE, form_ex_style(description_.tool_window),
                             dpi);
    return {outer.right - outer.left, outer.bottom - outer.top};
}

void Form::size_to_client() {
    const SIZE outer = outer_size(dpi_);
    SetWindowPos(hwnd(), nullptr, 0, 0, outer.cx, outer.cy,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Form::add_control(std::string_view name, Control& control, std::string_view parent,
                       const Bounds96& bounds, std::string_view text, const FontSpec& font,
                       const Properties& properties) {
    control.set_bounds96(bounds);
    control.create(hwnd_of(parent), text, properties, dpi_);
    if (auto* graphic = dynamic_cast<GraphicControl*>(&control))
        graphic_children_of(parent).add(*graphic);
    const FontSpec effective = font.face ? font : font_of(parent);
    control.set_font(fonts_.get(effective, dpi_));
    controls_.push_back({std::string(name), &control, std::string(parent)});
    control_fonts_.push_back(effective);
    if (GraphicControl* companion = control.companion()) {
        // Created by its owner, laid out and painted like any other windowless control.
        graphic_children_of(parent).add(*companion);
        companion->set_font(fonts_.get(font_of(parent), dpi_));
        controls_.push_back({std::string(name) + ".Ticket", companion, std::string(parent)});
        control_fonts_.push_back(font_of(parent));
    }

    if (auto* sheet = dynamic_cast<TabSheet*>(&control))
        if (auto* pages = dynamic_cast<PageControl*>(find_control(parent)))
            pages->add_page(*sheet, text);

    // Tooltips attach to windows: only windowed controls (the buttons) carry hints.
    if (std::wstring hint = widen(control.hint_text(properties)); !hint.empty() && control.hwnd()) {
        pending_hints_.push_back({&control, std::move(hint)});
        if (visible())
            attach_hints();
    }
}

// A hint shows only once the pointer has rested on its control a while, so the tooltip is
// made after the window's first paint: one window less before the window shows.
void Form::attach_hints() {
    if (pending_hints_.empty())
        return;
    if (!tooltip_) {
        // The tooltip has no owner: under Wine an owned popup keeps its owner out of the
        // topmost band. The tooltip control raises itself when it shows.
        tooltip_.reset(CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                                       nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
        SendMessageW(tooltip_.get(), TTM_SETMAXTIPWIDTH, 0, 400);
    }
    for (auto& [control, hint] : pending_hints_) {
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        // A control whose messages we see passes its mouse on itself; the tooltip's own
        // subclassing would keep its data in a window property, one more server round
        // trip under Wine for every message to the control.
        tool.uFlags = TTF_IDISHWND;
        if (control->sees_own_messages())
            control->relay_mouse_to(tooltip_.get());
        else
            tool.uFlags |= TTF_SUBCLASS;
        tool.hwnd = hwnd();
        tool.uId = reinterpret_cast<UINT_PTR>(control->hwnd());
        tool.lpszText = hint.data();
        SendMessageW(tooltip_.get(), TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    }
    pending_hints_.clear();
}

void Form::set_hint(const Control& control, std::string_view hint) {
    std::wstring text = widen(hint);
    for (PendingHint& pending : pending_hints_)
        if (pending.control == &control) {
            pending.text = std::move(text);
            return;
        }
    if (!tooltip_)
        return;
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND;
    tool.hwnd = hwnd();
    tool.uId = reinterpret_cast<UINT_PTR>(control.hwnd());
    tool.lpszText = text.data();
    SendMessageW(tooltip_.get(), TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
}

Control* Form::find_control(std::string_view name) const {
    for (const NamedControl& entry : controls_)
        if (entry.name == name)
            return entry.control;
    return nullptr;
}

const FontSpec& Form::font_of(std::string_view name) const {
    for (size_t i = 0; i < controls_.size(); ++i)
        if (controls_[i].name == name)
            return control_fonts_[i];
    return description_.font;
}

HWND Form::hwnd_of(std::string_view name) const {
    if (name.empty())
        return hwnd();
    if (Control* parent = find_control(name))
        return parent->hwnd();
    throw std::logic_error("unknown parent control " + std::string(name));
}

GraphicChildren& Form::graphic_children_of(std::string_view name) {
    if (name.empty())
        return graphic_children_;
    if (Control* parent = find_control(name))
        return parent->graphic_children();
    throw std::logic_error("unknown parent control " + std::string(name));
}

void Form::apply_dpi(UINT dpi) {
    dpi_ = dpi;
    fonts_.clear();
    for (size_t i = 0; i < controls_.size(); ++i) {
        controls_[i].control->apply_dpi(dpi);
        controls_[i].control->set_font(fonts_.get(control_fonts_[i], dpi));
    }
}

void Form::show() {
    if (!shown_once_)
        before_first_show();
    // As the system's dialogs open: access keys are underlined once Alt is pressed, or
    // always where the user has asked Windows for that.
    BOOL cues_always = FALSE;
    SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &cues_always, 0);
    SendMessageW(hwnd(), WM_CHANGEUISTATE,
                 MAKEWPARAM(cues_always ? UIS_CLEAR : UIS_SET, UISF_HIDEACCEL), 0);
    // Shown and placed in the z-order in one step: Windows may not keep the topmost state
    // of a window that wasn't shown yet.
    SetWindowPos(hwnd(), wants_on_top_ ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_SHOWWINDOW);
    SetForegroundWindow(hwnd());
    // Handled as the message loop starts, before the first paint: posted messages come
    // before paints.
    if (!shown_once_) {
        shown_once_ = true;
        PostMessageW(hwnd(), first_show_message, 0, 0);
    }
}
void Form::hide() {
    ShowWindow(hwnd(), SW_HIDE);
}
bool Form::visible() const {
    return IsWindowVisible(hwnd()) != FALSE;
}
void Form::close() {
    SendMessageW(hwnd(), WM_CLOSE, 0, 0);
}

std::string Form::caption() const {
    const int length = GetWindowTextLengthW(hwnd());
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd(), text.data(), length + 1)));
    return narrow(text);
}

void Form::set_caption(std::string_view caption) {
    SetWindowTextW(hwnd(), widen(caption).c_str());
}

int Form::left() const {
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    return outer.left;
}

int Form::top() const {
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    return outer.top;
}

int Form::outer_width() const {
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    return outer.right - outer.left;
}

void Form::set_position(int left, int top) {
    // A move costs a round trip to the server under Wine even to the same place.
    RECT outer;
    GetWindowRect(hwnd(), &outer);
    if (outer.left == left && outer.top == top)
        return;
    SetWindowPos(hwnd(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::always_on_top() const {
    if (!visible())
        return wants_on_top_;
    return (GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Form::set_always_on_top(bool on_top) {
    wants_on_top_ = on_top;
    // A hidden window takes its place in the z-order when it shows (see show()); under
    // Wine a z-order change costs about a millisecond even for a window not on the screen.
    if (!visible())
        return;
    SetWindowPos(hwnd(), on_top ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT Form::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (graphic_children_.handle_mouse(hwnd(), message, wparam, lparam, result))
        return result;
    switch (message) {
    case first_show_message:
        on_first_show();
        RedrawWindow(hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        PostMessageW(hwnd(), attach_hints_message, 0, 0);
        return 0;
    case attach_hints_message:
        attach_hints();
        after_first_paint();
        return 0;
    case WM_PAINT: {
        if (graphic_children_.empty())
            return Window::handle_message(message, wparam, lparam);
        PaintSession paint(hwnd());
        graphic_children_.paint(paint.dc(), paint.area());
        return 0;
    }
    case WM_CLOSE:
        if (on_close()) {
            if (modal_)
                modal_ended_ = true;
            else
                DestroyWindow(hwnd());
        }
        return 0;
    case WM_COMMAND:
        // Esc in a modal window: the dialog manager asks for IDCANCEL, from no control.
        if (modal_ && LOWORD(wparam) == IDCANCEL && lparam == 0) {
            close();
            return 0;
        }
        return Window::handle_message(message, wparam, lparam);
    case WM_DESTROY:
        on_destroy();
        if (quits_application)
            PostQuitMessage(0);
        return 0;
    case WM_DISPLAYCHANGE:
        // A monitor unplugged or moved may have left the window where no monitor is.
        if (visible())
            keep_on_a_monitor();
        return Window::handle_message(message, wparam, lparam);
    case WM_DPICHANGED: {
        const RECT* suggested = reinterpret_cast<const RECT*>(lparam);
        apply_dpi(HIWORD(wparam));
        SetWindowPos(hwnd(), nullptr, suggested->left, suggested->top,
                     suggested->right - suggested->left, suggested->bottom - suggested->top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        return 0;
    }
    default:
        return Window::handle_message(message, wparam, lparam);
    }
}

} // namespace pipetto::win
