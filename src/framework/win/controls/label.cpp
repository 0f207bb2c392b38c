#include "framework/win/controls/label.h"

#include <algorithm>

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

} // namespace

HGDIOBJ Label::font_or_default() const {
    return font() ? static_cast<HGDIOBJ>(font()) : GetStockObject(DEFAULT_GUI_FONT);
}

void Label::configure(const Properties& properties) {
    alignment_ = properties.alignment;
    transparent_ = properties.transparent;
}

void Label::set_font(HFONT font) {
    GraphicControl::set_font(font);
    fit_to_text();
}

void Label::write_text(const wchar_t* text, int length) {
    GraphicControl::write_text(text, length);
    if (font())
        fit_to_text();
}

// Lines break only where the caption breaks them: measured from a width of nothing, a
// word-wrapping measure would break at every blank.
SIZE Label::measured_size(HDC dc) const {
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc, caption().c_str(), static_cast<int>(caption().size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return {needed.right, needed.bottom};
}

SIZE Label::fitted_size(SIZE measured) const {
    const Bounds96& layout = bounds96();
    if (layout.width == 0)
        return {measured.cx + scale(2), std::max<LONG>(scale(layout.height), measured.cy)};
    return {std::max<LONG>(scale(layout.width), measured.cx),
            std::max<LONG>(scale(layout.height), measured.cy)};
}

void Label::fit_to_text() {
    if (!parent_window())
        return;
    // One memory DC measures every label: the font is made for the window's DPI already,
    // and a window's DC costs more to take than the measure itself.
    static const MemoryDC measuring(CreateCompatibleDC(nullptr));
    SelectedObject font(measuring.get(), font_or_default());
    const SIZE size = fitted_size(measured_size(measuring.get()));
    // A centred text grows both ways, so it stays centred where the layout put it.
    const int growth = size.cx - scale(bounds96().width);
    const int shift =
        alignment_ == Alignment::centre && bounds96().width > 0 && growth > 0 ? growth / 2 : 0;
    const RECT now = bounds_in_parent();
    if (size.cx != now.right - now.left || size.cy != now.bottom - now.top)
        set_device_size(size, shift);
}

void Label::paint(HDC dc) {
    RECT area = bounds_in_parent();
    // Filled like a static text, so that where labels overlap the later one hides the
    // earlier one's overhang (descenders, a wrapped line).
    if (!transparent_)
        FillRect(dc, &area, background_brush());
    SelectedObject font(dc, font_or_default());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, to_colorref(font_colour_.value_or(0xFF000008))); // clWindowText
    DrawTextW(dc, caption().c_str(), static_cast<int>(caption().size()), &area,
              text_format(alignment_));
}

} // namespace pipetto::win
