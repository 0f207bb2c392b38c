#include "framework/win/application.h"

#include <commctrl.h>

#include "framework/core/errors.h"
#include "framework/win/form.h"
#include "framework/win/message_window.h"
#include "framework/win/win_text.h"

namespace pipetto::win {
namespace {

Application* current_application = nullptr;
constexpr wchar_t owner_class_name[] = L"PipettoApplication";

// The owner window has the taskbar button; activating it hands the focus to the main window,
// or to the window shown modally. The program's timers and hotkeys post to it too.
LRESULT CALLBACK owner_procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) noexcept {
    if (message_window::deliver(message, wparam))
        return 0;
    if (message == WM_ACTIVATE && LOWORD(wparam) != WA_INACTIVE && current_application) {
        if (HWND front = current_application->front_window(); front && IsWindowVisible(front)) {
            SetActiveWindow(front);
            return 0;
        }
    }
    return DefWindowProcW(window, message, wparam, lparam);
}

void register_owner_class(HINSTANCE instance) {
    WNDCLASSEXW window_class{};
    window_class.cbSize = sizeof window_class;
    window_class.lpfnWndProc = owner_procedure;
    window_class.hInstance = instance;
    window_class.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(1));
    window_class.lpszClassName = owner_class_name;
    RegisterClassExW(&window_class);
}

} // namespace

Application::Application(HINSTANCE instance) : instance_(instance) {
    current_application = this;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES |
                                                       ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&controls);
    register_owner_class(instance);
    owner_.reset(CreateWindowExW(0, owner_class_name, L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                 instance, nullptr));
}

Application::~Application() {
    owner_.reset();
    if (current_application == this)
        current_application = nullptr;
}

Application& Application::current() {
    return *current_application;
}
bool Application::exists() noexcept {
    return current_application != nullptr;
}

void Application::set_title(std::string title) {
    title_ = std::move(title);
    SetWindowTextW(owner_.get(), widen(title_).c_str());
}

void Application::show_taskbar_button() {
    ShowWindow(owner_.get(), SW_SHOWNOACTIVATE);
}

void Application::show_error(std::string_view message) const {
    const HWND focus = GetFocus();
    MessageBoxW(front_window(), widen(error_display_text(message)).c_str(), widen(title_).c_str(),
                MB_OK | MB_ICONERROR);
    restore_focus(focus);
}

void Application::show_exception(const std::exception& error) const {
    show_error(error.what());
}

void Application::show_information(std::string_view message) const {
    const HWND focus = GetFocus();
    MessageBoxW(front_window(), widen(message).c_str(), L"Informationen",
                MB_OK | MB_ICONINFORMATION);
    restore_focus(focus);
}

bool Application::ask(std::string_view question) const {
    return MessageBoxW(front_window(), widen(question).c_str(), widen(title_).c_str(),
                       MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

HCURSOR Application::cursor(int slot) const noexcept {
    if (slot >= 0 && slot < cursor_slots && cursors_[slot])
        return cursors_[slot].get();
    return LoadCursorW(nullptr, IDC_ARROW);
}

void Application::set_cursor(int slot, CursorHandle cursor) {
    if (slot < 0 || slot >= cursor_slots)
        return;
    // Whatever shows the old cursor shows the new one first, so the old one is free to go.
    if (GetCursor() == cursors_[slot].get())
        SetCursor(cursor ? cursor.get() : LoadCursorW(nullptr, IDC_ARROW));
    cursors_[slot] = std::move(cursor);
}

int Application::run() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (is_dialog_key_message(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
        // The system's own modal loops (moving the window, its menu) may take the WM_QUIT that
        // the main window's end posted for themselves: a main window that is gone ends it too.
        if (main_window_ && !IsWindow(main_window_))
            return 0;
    }
    return static_cast<int>(message.wParam);
}

void Application::process_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(message.wParam));
            return;
        }
        if (is_dialog_key_message(message))
            continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

FilePath Application::executable_directory() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    // Everything up to and including the last "\" or ":".
    const auto cut = path.find_last_of(L"\\:");
    return FilePath(path.substr(0, cut == std::wstring::npos ? 0 : cut + 1));
}

bool is_dialog_key_message(const MSG& message) {
    if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN &&
        message.message != WM_KEYUP && message.message != WM_SYSKEYUP &&
        message.message != WM_SYSCHAR && message.message != WM_CHAR)
        return false;
    Form* form = Form::of_window(GetAncestor(message.hwnd, GA_ROOT));
    if (!form)
        return false;
    try {
        return form->dialog_key_message(message);
    } catch (const std::exception& error) {
        report_exception(error);
        return true;
    }
}

void restore_focus(HWND window) noexcept {
    if (window && IsWindow(window) && IsWindowVisible(window) && IsWindowEnabled(window) &&
        GetFocus() != window)
        SetFocus(window);
}

void report_exception(const std::exception& error) noexcept {
    try {
        if (current_application)
            current_application->show_exception(error);
    } catch (...) {
        // The error display itself failed (out of memory); there is nobody left to tell.
    }
}

void report_unknown_exception() noexcept {
    report_exception(Exception("Unbekannter Fehler"));
}

} // namespace pipetto::win
