#include "controls/url_label.h"

#include <shellapi.h>

#include "framework/win/system_library.h"
#include "framework/win/win_text.h"

namespace pipetto {
namespace {

void open_with_shell(const std::wstring& address) {
    static const win::SystemLibrary shell(L"shell32.dll");
    static const auto shell_execute = shell.function<decltype(ShellExecuteW)>("ShellExecuteW");
    // The shell's answer is not looked at: a link that opens nothing says nothing.
    if (shell_execute)
        shell_execute(GetDesktopWindow(), L"Open", address.c_str(), nullptr, nullptr,
                      SW_SHOWNORMAL);
}

TUrlLabel::ShellOpen shell_open = &open_with_shell;

bool blank_or_control(char c) {
    return static_cast<unsigned char>(c) <= ' ';
}

UINT text_format(win::Alignment alignment, win::TextLayout layout) {
    UINT format = DT_NOPREFIX | DT_EXPANDTABS;
    switch (alignment) {
    case win::Alignment::left:
        format |= DT_LEFT;
        break;
    case win::Alignment::centre:
        format |= DT_CENTER;
        break;
    case win::Alignment::right:
        format |= DT_RIGHT;
        break;
    }
    // Only a single line can be placed in the middle or at the bottom.
    switch (layout) {
    case win::TextLayout::top:
        return format | DT_WORDBREAK;
    case win::TextLayout::centre:
        return format | DT_SINGLELINE | DT_VCENTER;
    case win::TextLayout::bottom:
        return format | DT_SINGLELINE | DT_BOTTOM;
    }
    return format;
}

} // namespace

std::string trimmed_address(std::string_view url) {
    while (!url.empty() && blank_or_control(url.front()))
        url.remove_prefix(1);
    while (!url.empty() && blank_or_control(url.back()))
        url.remove_suffix(1);
    return std::string(url);
}

TUrlLabel::ShellOpen TUrlLabel::set_shell_open(ShellOpen open) noexcept {
    const ShellOpen previous = shell_open;
    shell_open = open ? open : &open_with_shell;
    return previous;
}

void TUrlLabel::configure(const win::Properties& properties) {
    Label::configure(properties);
    alignment_ = properties.alignment;
    layout_ = properties.layout;
    if (!font_colour_)
        font_colour_ = clBlue;
    if (properties.url)
        Url = properties.url;
    if (const win::HoverLook* hover = properties.hover) {
        HoverCaption = hover->caption;
        HoverAlignment = hover->alignment;
        HoverColor = hover->colour;
        HoverFont = {hover->font, hover->font_colour};
        HoverLayout = hover->layout;
    }
}

void TUrlLabel::paint(HDC dc) {
    RECT area = bounds_in_parent();
    if (!transparent())
        FillRect(dc, &area, background_brush());
    win::SelectedObject font(dc, this->font() ? static_cast<HGDIOBJ>(this->font())
                                              : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, win::to_colorref(font_color()));
    DrawTextW(dc, caption().c_str(), static_cast<int>(caption().size()), &area,
              text_format(alignment_, layout_));
}

void TUrlLabel::click() {
    fire(on_click);
    shell_open(win::widen(trimmed_address(Url)));
}

TUrlLabel::Look TUrlLabel::current_look() const {
    return {alignment_, caption(), colour_, font(), font_colour_, layout_};
}

void TUrlLabel::show_look(const Look& look) {
    alignment_ = look.alignment;
    colour_ = look.colour;
    write_text(look.caption.c_str(), static_cast<int>(look.caption.size()));
    Label::set_font(look.font);
    font_colour_ = look.font_colour;
    layout_ = look.layout;
    invalidate();
}

HFONT TUrlLabel::hover_font() {
    if (!HoverFont.face.face)
        return saved_ ? saved_->font : font();
    return hover_fonts_.get(HoverFont.face, dpi());
}

void TUrlLabel::mouse_enter() {
    fire(OnMouseEnter);
    saved_ = current_look();
    show_look({HoverAlignment, win::widen(HoverCaption), HoverColor, hover_font(), HoverFont.color,
               HoverLayout});
}

void TUrlLabel::mouse_leave() {
    fire(OnMouseLeave);
    if (!saved_)
        return;
    const Look saved = std::move(*saved_);
    saved_.reset();
    show_look(saved);
}

void TUrlLabel::set_font(HFONT font) {
    // The window hands out its fonts again when its DPI changes; while hovered, the new one
    // is what leaving restores.
    if (saved_) {
        saved_->font = font;
        Label::set_font(hover_font());
        return;
    }
    Label::set_font(font);
}

void TUrlLabel::apply_dpi(UINT dpi) {
    hover_fonts_.clear();
    Label::apply_dpi(dpi);
}

} // namespace pipetto
