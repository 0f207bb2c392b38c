#pragma once
// A top-level window built from its description: one table of control rows, read like
// the layout tables it comes from, with positions at 96 DPI scaled to the window's DPI.

#include <windows.h>

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/monitor_placement.h"
#include "framework/win/control.h"
#include "framework/win/fonts.h"
#include "framework/win/graphic_children.h"
#include "framework/win/handles.h"
#include "framework/win/window.h"

namespace pipetto::win {

struct FormDescription {
    const wchar_t* class_name;
    const char* caption;
    int client_width96;
    int client_height96;
    FontSpec font;
    bool tool_window = true;
};

class PageControl;

class Form : public Window {
  public:
    Form();
    ~Form() override;

    // The live form whose window is `window`, or null.
    static Form* of_window(HWND window) noexcept;
    // The keys of a dialog, offered before the message is dispatched: the focused
    // control's own commands, moving the focus and switching pages (form_keyboard.cpp),
    // and Enter, Escape and the accelerators of the controls that answer them. True when
    // one took the key message.
    bool dialog_key_message(const MSG& message);

    // The controls the keyboard reaches now (shown, enabled, tab stops), in reading order.
    std::vector<HWND> tab_stops() const;

    void show();
    void hide();
    bool visible() const;
    // Asks the window to close, as its close button does.
    void close();

    // Shows the window modally and returns once it is closed: the program's other windows
    // can't be used meanwhile. Closing it (its close box, Esc, close()) hides it instead of
    // destroying it, so it can be shown again with everything as the user left it.
    void show_modal();
    bool showing_modally() const noexcept { return modal_; }

    // Moves the window just enough to lie wholly in the work area of its monitor.
    void keep_inside_work_area();
    // The window shows on some monitor, even in part.
    bool on_a_monitor() const;
    // A window that lies where no monitor is goes wholly onto the nearest one; a window
    // that shows anywhere stays exactly where it is.
    void keep_on_a_monitor();
    // The work area of the monitor the window lies on, or nearest to.
    std::optional<ScreenRect> monitor_work_area() const;
    // Moves the window just enough to lie wholly inside `area`.
    void move_inside(const ScreenRect& area);

    std::string caption() const;
    void set_caption(std::string_view caption);
    // Replaces the hint of a control that has one, lines apart by CR LF.
    void set_hint(const Control& control, std::string_view hint);

    // Outer edges in screen pixels.
    int left() const;
    int top() const;
    int outer_width() const;
    ScreenRect outer_rect() const;
    void set_position(int left, int top);

    // The window's always-on-top style; a hidden window reports the style it gets when shown.
    bool always_on_top() const;
    void set_always_on_top(bool on_top);

    UINT dpi() const noexcept { return dpi_; }

    // The control of a row by its name (for tests and checks), null if none.
    Control* find_control(std::string_view name) const;
    struct NamedControl {
        std::string name;
        Control* control;
        std::string parent;
    };
    const std::vector<NamedControl>& controls() const noexcept { return controls_; }

  protected:
    // Creates the hidden window; the caller then adds its controls.
    void create_form(const FormDescription& description, int left, int top);

    // Creates one control of the description inside the named parent ("" for the form).
    void add_control(std::string_view name, Control& control, std::string_view parent,
                     const Bounds96& bounds, std::string_view text, const FontSpec& font,
                     const Properties& properties);

    // The close event: false keeps the window open.
    virtual bool on_close() { return true; }
    // The destroy event, while the controls still exist.
    virtual void on_destroy() {}
    // Runs once, when the message loop starts after the window first showed, just before
    // its first paint. What the user need not see at once waits for this.
    virtual void on_first_show() {}
    // Runs once, just before the window first shows: what its first paint should show
    // already is set here.
    virtual void before_first_show() {}
    // Runs once, after the first paint and the hints: what the user is told at start, but
    // need not wait for to see the window, comes here.
    virtual void after_first_paint() {}

    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

    // The labels and images on the form itself, for a form that gathers their repaints.
    GraphicChildren& graphic_children() noexcept { return graphic_children_; }

    // When set, destroying this window ends the message loop.
    bool quits_application = false;
    // When set, Esc closes the window as it closes one shown modally.
    bool closes_on_escape = false;
    // Ctrl+C that no focused control took, for a form that copies something of its own.
    std::function<void()> on_copy;
    // The menu key or Shift+F10 that no focused control took: true when the form opened
    // a context menu for the focused window.
    std::function<bool(HWND focus)> on_menu_key;

  private:
    void apply_dpi(UINT dpi);
    // The window's outer size for its client size at `dpi`.
    SIZE outer_size(UINT dpi) const;
    void size_to_client();
    const FontSpec& font_of(std::string_view name) const;
    HWND hwnd_of(std::string_view name) const;
    GraphicChildren& graphic_children_of(std::string_view name);
    void attach_hints();
    bool navigation_key(const MSG& message);
    // Ctrl+C, the menu key and Alt, offered to the form itself.
    bool form_key(const MSG& message);
    void move_focus(int step);
    void switch_page(PageControl& pages, int step);
    PageControl* page_control() const;

    FormDescription description_{};
    UINT dpi_ = 96;
    FontCache fonts_;
    std::vector<NamedControl> controls_;
    std::vector<FontSpec> control_fonts_;
    GraphicChildren graphic_children_; // the labels and images on the form itself
    // The hints' tooltip, made once the window has been painted; the hints wait here until
    // then.
    WindowHandle tooltip_;
    struct PendingHint {
        Control* control;
        std::wstring text;
    };
    std::vector<PendingHint> pending_hints_;
    // The framework's own message to a form (WM_USER is the window class's range): posted
    // when the window first shows.
    static constexpr UINT first_show_message = WM_USER + 0x100;
    // Posted after the first paint: the hints come once whatever waited for that paint (a
    // program asking for the window's texts) has had its answer.
    static constexpr UINT attach_hints_message = WM_USER + 0x101;
    bool shown_once_ = false;
    bool wants_on_top_ = false;
    bool modal_ = false;
    bool modal_ended_ = false;
    // The menu key went down and opened the form's menu: its coming up is the form's too.
    bool menu_key_taken_ = false;
    // A control took the last Alt+letter: Alt's coming up is no menu's (in any form).
    static inline bool alt_accelerator_taken_ = false;
};

} // namespace pipetto::win
