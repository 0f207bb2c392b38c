#pragma once
// The application object: its title, its error display and the message loop.

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>

#include "framework/core/file_path.h"
#include "framework/win/handles.h"

namespace pipetto::win {

class Application {
  public:
    explicit Application(HINSTANCE instance);
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    ~Application();

    // The one live application; the error display and the windows use it.
    static Application& current();
    static bool exists() noexcept;

    HINSTANCE instance() const noexcept { return instance_; }

    // The title is the text of the taskbar button and of every message box.
    const std::string& title() const noexcept { return title_; }
    void set_title(std::string title);

    // The hidden owner of the program's top-level windows; its caption is the title.
    HWND owner_window() const noexcept { return owner_.get(); }

    // Shows the hidden owner, which gives the program its taskbar button.
    void show_taskbar_button();

    // The window message boxes belong to: the main window once there is one.
    void set_main_window(HWND window) noexcept { main_window_ = window; }
    HWND main_window() const noexcept { return main_window_; }

    // A window shown modally takes the main window's part while it shows: message boxes
    // belong to it, and the taskbar button brings it forward.
    void set_modal_window(HWND window) noexcept { modal_window_ = window; }
    HWND modal_window() const noexcept { return modal_window_; }
    HWND front_window() const noexcept { return modal_window_ ? modal_window_ : main_window_; }

    // The error display: the message, with a full stop where it lacks one, in a box with
    // the title, an error icon and one OK button.
    void show_error(std::string_view message) const;
    void show_exception(const std::exception& error) const;
    // "Informationen" box with one OK button.
    void show_information(std::string_view message) const;
    // A question with the title, a question icon and the buttons Yes and No, No the
    // default (the answer that changes nothing); true for Yes.
    bool ask(std::string_view question) const;

    // The application's cursor slots: a control whose cursor is slot n shows cursor(n).
    // Slot 0, the default, is the arrow unless set; a slot that was never set is the arrow.
    HCURSOR cursor(int slot) const noexcept;
    // Puts `cursor` into the slot, destroying the one that was there.
    void set_cursor(int slot, CursorHandle cursor);

    // Runs the message loop until WM_QUIT; returns its exit code.
    int run();
    // Dispatches the messages already waiting, then returns (for tests).
    void process_messages();

    // Folder of the running executable, where config.ini and history.dat live.
    static FilePath executable_directory();

  private:
    HINSTANCE instance_;
    std::string title_;
    WindowHandle owner_;
    HWND main_window_ = nullptr;
    static constexpr int cursor_slots = 4;
    CursorHandle cursors_[cursor_slots];
    HWND modal_window_ = nullptr;
};

// Offers a key message to the dialog keys of the form it is meant for (Enter, Escape and
// accelerators clicking buttons) before it is dispatched; true when one took it. Every
// message loop of the program calls it.
bool is_dialog_key_message(const MSG& message);

// Gives the focus back to `window` after a message box or a modal window, which leave it
// on the window they were shown over; a window gone or hidden meanwhile is left alone.
void restore_focus(HWND window) noexcept;

// Hands an exception caught at a Win32 callback to the error display. Never throws.
void report_exception(const std::exception& error) noexcept;
void report_unknown_exception() noexcept;

} // namespace pipetto::win
