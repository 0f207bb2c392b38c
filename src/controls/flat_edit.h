#pragma once
// TFlatEdit: a one-line edit with a flat look. Instead of the sunken system border it draws
// a three-pixel border of its own around the text: a thin outline in the border colour and
// two rings of the fill colour, which is the edit's background too and changes while the
// edit has the focus or the pointer. Each edit owns its caption label, the ticket, that
// stands on the side TicketPosition names, and a placeholder that shows the edit's hint
// inside it while it is empty and unfocused.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>

#include "colour/colour_identifiers.h"
#include "controls/flat_ticket.h"
#include "framework/win/controls/edit.h"

namespace pipetto {

enum TTicketPosition : std::uint8_t { poLeft, poTop, poRight, poBottom };

class TFlatEdit : public win::Edit {
  public:
    TFlatEdit();

    TColor ColorFocused() const noexcept { return colour_focused_; }
    void SetColorFocused(TColor colour);
    TColor ColorBorder() const noexcept { return colour_border_; }
    void SetColorBorder(TColor colour);
    TColor ColorFlat() const noexcept { return colour_flat_; }
    void SetColorFlat(TColor colour);
    bool ParentColor() const noexcept { return parent_colour_; }
    void SetParentColor(bool value);
    TFlatTicket& Ticket() noexcept { return ticket_; }
    TTicketPosition TicketPosition() const noexcept { return ticket_position_; }
    void SetTicketPosition(TTicketPosition position);
    int TicketSpace() const noexcept { return ticket_space_; }
    void SetTicketSpace(int pixels);
    // Informational; whatever was stored, it reads the same.
    std::string Version() const { return "4.50.0.0"; }
    const std::string& Hint() const noexcept { return hint_; }
    void SetHint(std::string hint);
    void SetEnabled(bool enabled);

    // Sees every typed character first; setting it to 0 drops it.
    std::function<void(wchar_t& key)> OnKeyPress;

    void set_font(HFONT font) override;
    void set_visible(bool visible) override;
    win::GraphicControl* companion() override { return &ticket_; }

  protected:
    WindowKind window_kind(const win::Properties& properties) const override;
    void configure(const win::Properties& properties) override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool needs_subclass() const override { return true; }
    void write_text(const wchar_t* text, int length) override;

  private:
    // The border in the window's edge and the fill colour behind the text.
    void draw_border();
    int border_width() const noexcept;
    void fit_height();
    void place_ticket();
    void update_placeholder();
    bool focused() const noexcept { return hwnd() && GetFocus() == hwnd(); }

    TColor colour_focused_ = clWhite;
    TColor colour_border_ = 0x61A588;
    TColor colour_flat_ = 0xE1EAEB;
    bool parent_colour_ = true; // a new edit follows its parent's colour
    TTicketPosition ticket_position_ = poLeft;
    int ticket_space_ = 3;
    std::string hint_;
    TFlatTicket ticket_;
    win::WindowHandle placeholder_; // made only for an edit with a hint
    bool hot_ = false;
    bool select_all_on_release_ = false;
    win::Alignment alignment_ = win::Alignment::left;
};

} // namespace pipetto
