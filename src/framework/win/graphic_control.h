#pragma once
// Controls without a window of their own: labels, bevels and images are painted by their
// parent on its canvas, and the parent finds them under the mouse. Under Wine every child
// window costs time at start-up, and these need nothing a window gives.

#include <windows.h>

#include <optional>
#include <string>

#include "framework/win/control.h"

namespace pipetto::win {

class GraphicControl : public Control {
  public:
    ~GraphicControl() override;

    void create(HWND parent, std::string_view text, const Properties& properties,
                UINT dpi) override;
    void apply_dpi(UINT dpi) override;
    void set_font(HFONT font) override;
    std::string text() const override;
    void set_visible(bool visible) override;
    bool visible() const override;

    // A size in pixels at the current DPI that replaces the scaled layout size, for a
    // control that sizes itself to its content; cleared when the DPI changes.
    // `shift_left` moves the left edge by as many pixels (a centred label grows both ways).
    void set_device_size(SIZE size, int shift_left = 0);
    // Moves the top edge up by as many pixels at the current DPI; cleared with the size.
    void set_device_shift_up(int pixels);

    // The window that paints the control, and the control's place on it in pixels.
    HWND parent_window() const noexcept { return parent_; }
    RECT bounds_in_parent() const noexcept;
    // Whether the parent paints it at all, whatever the parent's own visibility.
    bool shown() const noexcept { return shown_; }

    virtual void paint(HDC dc) = 0;
    // Whether a left click on the control means something, and what it does.
    virtual bool clickable() const { return static_cast<bool>(on_click); }
    virtual void click() { fire(on_click); }
    // A control that does something when clicked (a link) is named by its caption.
    std::string accessible_name() const override { return clickable() ? text() : std::string(); }
    // Whether the mouse over the control shows the hand of a link.
    virtual bool shows_link_cursor() const { return false; }
    // The mouse came over the control, and went off it again.
    virtual void mouse_enter() {}
    virtual void mouse_leave() {}

  protected:
    void invalidate(bool erase = true) override;
    int read_text(wchar_t* buffer, int capacity) const override;
    void write_text(const wchar_t* text, int length) override;
    // The caption as painted, without a copy.
    const std::wstring& caption() const noexcept { return text_; }

  private:
    friend class GraphicChildren;
    // Never asked: no window is made.
    WindowKind window_kind(const Properties&) const final { return {nullptr, 0}; }

    HWND parent_ = nullptr;
    std::optional<SIZE> device_size_;
    int device_shift_left_ = 0;
    int device_shift_up_ = 0;
    std::wstring text_;
    bool shown_ = true;
    GraphicChildren* owner_ = nullptr;
};

} // namespace pipetto::win
