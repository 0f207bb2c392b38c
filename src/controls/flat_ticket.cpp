#include "controls/flat_ticket.h"

#include <algorithm>
#include <string>

#include "framework/win/handles.h"

namespace pipetto {
namespace {

// How far below its top the caption's lowest row of ink lies, in `font`: the baseline,
// and as many rows below it as the roundest letter's overshoot or the longest descender.
int lowest_ink_row(HDC dc, HFONT font, const std::wstring& caption) {
    win::SelectedObject selected(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    int below_baseline = 0;
    const MAT2 identity{{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    for (const wchar_t letter : caption) {
        GLYPHMETRICS glyph{};
        if (GetGlyphOutlineW(dc, letter, GGO_METRICS, &glyph, 0, nullptr, &identity) == GDI_ERROR)
            continue;
        if (glyph.gmBlackBoxY > 1 || glyph.gmptGlyphOrigin.y > 0)
            below_baseline = std::max(below_baseline, static_cast<int>(glyph.gmBlackBoxY) -
                                                          static_cast<int>(glyph.gmptGlyphOrigin.y));
    }
    return metrics.tmAscent - 1 + below_baseline;
}

} // namespace

void TFlatTicket::set_font(HFONT font) {
    Label::set_font(font);
    align_baseline();
}

void TFlatTicket::set_keeps_baseline(bool keeps) {
    keeps_baseline_ = keeps;
    align_baseline();
}

void TFlatTicket::align_baseline() {
    if (!keeps_baseline_ || dpi() == 96 || !font()) {
        set_device_shift_up(0);
        return;
    }
    // The same face at 96 DPI tells which row the layout gives the lowest ink; here that
    // ink may reach no lower than the last row that one becomes.
    LOGFONTW face{};
    GetObjectW(font(), sizeof face, &face);
    face.lfHeight = MulDiv(face.lfHeight, 96, static_cast<int>(dpi()));
    const win::Font font96(CreateFontIndirectW(&face));
    const win::MemoryDC measuring(CreateCompatibleDC(nullptr));
    const int ink96 = bounds96().top + lowest_ink_row(measuring.get(), font96.get(), caption());
    const int top = scale(ink96 + 1) - 1 - lowest_ink_row(measuring.get(), font(), caption());
    set_device_shift_up(std::max(0, scale(bounds96().top) - top));
}

} // namespace pipetto
