#pragma once
// A label that is a web link: the hand cursor, its own look while the mouse is over it,
// and a click that opens its Url with the shell's default handler. Painted by its parent,
// like every label.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "colour/colour_identifiers.h"
#include "framework/win/controls/label.h"
#include "framework/win/fonts.h"

namespace pipetto {

// The address a new link label shows and opens until it is given its own.
inline constexpr const char* default_link_address = "https://quarnel.example/";

// A font by face and height, with its colour.
struct TUrlFont {
    win::FontSpec face; // no face: the label's own font
    TColor color;
};

class TUrlLabel : public win::Label {
  public:
    // The look the label takes while the mouse is over it.
    win::Alignment HoverAlignment = win::Alignment::left;
    std::string HoverCaption = default_link_address;
    TColor HoverColor = clBtnFace;
    TUrlFont HoverFont{{}, clRed};
    win::TextLayout HoverLayout = win::TextLayout::top;
    // What a click opens, trimmed of blanks and control characters.
    std::string Url = default_link_address;
    std::function<void()> OnMouseEnter;
    std::function<void()> OnMouseLeave;

    // The look now, hovered or not.
    win::Alignment alignment() const noexcept { return alignment_; }
    win::TextLayout layout() const noexcept { return layout_; }
    TColor color() const noexcept { return colour_.value_or(clBtnFace); }
    TColor font_color() const noexcept { return font_colour_.value_or(clBlue); }
    bool hovered() const noexcept { return saved_.has_value(); }

    void paint(HDC dc) override;
    void set_font(HFONT font) override;
    void apply_dpi(UINT dpi) override;
    bool clickable() const override { return true; }
    bool shows_link_cursor() const override { return true; }
    // OnClick first, so that a handler that changes Url changes what is opened.
    void click() override;
    void mouse_enter() override;
    void mouse_leave() override;

    // Where clicks send their address: ShellExecute by default. A test puts a recorder in
    // place, so that no browser opens; nullptr restores the shell. Returns the one replaced.
    using ShellOpen = void (*)(const std::wstring& address);
    static ShellOpen set_shell_open(ShellOpen open) noexcept;

  protected:
    void configure(const win::Properties& properties) override;

  private:
    struct Look {
        win::Alignment alignment;
        std::wstring caption;
        std::optional<TColor> colour;
        HFONT font;
        std::optional<TColor> font_colour;
        win::TextLayout layout;
    };
    Look current_look() const;
    void show_look(const Look& look);
    HFONT hover_font();

    win::Alignment alignment_ = win::Alignment::left;
    win::TextLayout layout_ = win::TextLayout::top;
    // While hovered: the look to restore on leaving.
    std::optional<Look> saved_;
    win::FontCache hover_fonts_;
};

// The address as it is opened: without leading and trailing blanks and control characters.
std::string trimmed_address(std::string_view url);

} // namespace pipetto
