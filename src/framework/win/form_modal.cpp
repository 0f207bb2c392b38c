// Showing a form modally: the program's other windows are disabled, and a message loop
// of its own runs until the form is closed.

#include <vector>

#include "framework/win/application.h"
#include "framework/win/form.h"

namespace pipetto::win {
namespace {

// The program's visible windows that can be used, other than the modal one, disabled for
// the scope. The taskbar window stays enabled: a click on the button brings the modal
// window forward.
class DisabledWindows {
  public:
    DisabledWindows(HWND modal, HWND taskbar_window)
        : modal_(modal), taskbar_window_(taskbar_window) {
        EnumThreadWindows(GetCurrentThreadId(), collect, reinterpret_cast<LPARAM>(this));
        for (HWND window : disabled_)
            EnableWindow(window, FALSE);
    }
    DisabledWindows(const DisabledWindows&) = delete;
    DisabledWindows& operator=(const DisabledWindows&) = delete;
    ~DisabledWindows() { restore(); }

    // Enabled again before the modal window hides, so that one of them takes the activation.
    void restore() noexcept {
        for (HWND window : disabled_)
            if (IsWindow(window))
                EnableWindow(window, TRUE);
        disabled_.clear();
    }

  private:
    static BOOL CALLBACK collect(HWND window, LPARAM self_pointer) noexcept {
        auto* self = reinterpret_cast<DisabledWindows*>(self_pointer);
        if (window != self->modal_ && window != self->taskbar_window_ && IsWindowVisible(window) &&
            IsWindowEnabled(window))
            self->disabled_.push_back(window);
        return TRUE;
    }

    HWND modal_;
    HWND taskbar_window_;
    std::vector<HWND> disabled_;
};

} // namespace

void Form::show_modal() {
    if (modal_ || !hwnd())
        return;
    Application* application = Application::exists() ? &Application::current() : nullptr;
    const HWND previously_active = GetActiveWindow();
    const HWND previous_focus = GetFocus();
    DisabledWindows others(hwnd(), application ? application->owner_window() : nullptr);
    const HWND outer_modal = application ? application->modal_window() : nullptr;
    if (application)
        application->set_modal_window(hwnd());
    modal_ = true;
    modal_ended_ = false;

    show();
    if (const std::vector<HWND> stops = tab_stops(); !stops.empty())
        SetFocus(stops.front());

    MSG message;
    while (!modal_ended_ && hwnd()) {
        const BOOL got = GetMessageW(&message, nullptr, 0, 0);
        if (got <= 0) {
            // The program is ending: the main loop must see the quit too.
            if (got == 0)
                PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        // Tab, the arrow keys, Enter and Esc move and act as in a dialog.
        if (!is_dialog_key_message(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    modal_ = false;
    if (application)
        application->set_modal_window(outer_modal);
    others.restore();
    if (hwnd())
        hide();
    if (previously_active && IsWindow(previously_active) && IsWindowVisible(previously_active))
        SetActiveWindow(previously_active);
    // Activation alone puts the focus on the window itself; the keys go on where they went.
    restore_focus(previous_focus);
}

} // namespace pipetto::win
