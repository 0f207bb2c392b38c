#include "framework/win/controls/label.h"

#include "framework/win/win_text.h"

namespace pipetto::win {
namespace {

// As a static text lays out: a left-aligned caption keeps to its lines, centred and
// right-aligned ones wrap at words.
UINT text_format(Alignment alignment) {
    constexpr UINT common = DT_NOPREFIX | DT_EXPANDTABS;
    switch (alignment) {
    case Alignment::centre:
        return common | DT_CENTER | DT_WORDBREAK;
    case Alignment::right:
        return common | DT_RIGHT | DT_WORDBREAK;
    case Alignment::left:
        break;
    }
    return common | DT_LEFT;
}

HGDIOBJ font_or_default(HFONT font) {
    return font ? static_cast<HGDIOBJ>(font) : GetStockObject(DEFAULT_GUI_FONT);
}

} // namespace

void Label::configure(const Properties& properties) {
    alignment_ = properties.alignment;
}

void Label::fit_width_to_text() {
    WindowDC dc(parent_window());
    SelectedObject font(dc.get(), font_or_default(this->font()));
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc.get(), caption().c_str(), static_cast<int>(caption().size()), &needed,
              DT_CALCRECT | DT_NOPREFIX);
    Bounds96 bounds = bounds96();
    bounds.width = MulDiv(needed.right, 96, static_cast<int>(dpi())) + 2;
    invalidate();
    set_bounds96(bounds);
    invalidate();
}

void Label::paint(HDC dc) {
    RECT area = bounds_in_parent();
    // Filled like a static text, so that where labels overlap the later one hides the
    // earlier one's overhang (descenders, a wrapped line).
    FillRect(dc, &area, background_brush());
    SelectedObject font(dc, font_or_default(this->font()));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, to_colorref(font_colour_.value_or(0xFF000008))); // clWindowText
    DrawTextW(dc, caption().c_str(), static_cast<int>(caption().size()), &area,
              text_format(alignment_));
}

} // namespace pipetto::win
