#pragma once
// The base of every window the program registers itself: one static window procedure
// stores `this` at WM_NCCREATE and hands every message to handle_message. No exception
// crosses into Windows: the procedure catches it and shows it in the error display.

#include <windows.h>

namespace pipetto::win {

class Window {
  public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND hwnd() const noexcept { return hwnd_; }

  protected:
    struct ClassStyle {
        const wchar_t* name;
        UINT style = 0;
        HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        HCURSOR cursor = nullptr; // the arrow when null
    };

    // Registers the class (once) and creates the window attached to this object.
    void create_window(const ClassStyle& window_class, DWORD ex_style, DWORD style,
                       const wchar_t* text, int left, int top, int width, int height, HWND parent);

    // Every message of the window. The default forwards child notifications to the
    // child's control object and does the default processing otherwise.
    virtual LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT default_processing(UINT message, WPARAM wparam, LPARAM lparam);

    // Called once the window is gone (WM_NCDESTROY); hwnd() is null afterwards.
    virtual void window_destroyed() {}

  private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam,
                                      LPARAM lparam) noexcept;
    HWND hwnd_ = nullptr;
};

// Hands WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and WM_CTLCOLOR* of a child to the control
// object of that child, so that a button handles its own click. True when handled.
bool forward_to_control(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result);

} // namespace pipetto::win
