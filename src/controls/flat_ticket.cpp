#include "controls/flat_ticket.h"

#include "framework/win/handles.h"

namespace pipetto {
namespace {

int ascent_of(HDC dc, HFONT font) {
    win::SelectedObject selected(dc, font ? static_cast<HGDIOBJ>(font)
                                          : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmAscent;
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
    // The same face at 96 DPI tells where the layout has the baseline.
    LOGFONTW face{};
    GetObjectW(font(), sizeof face, &face);
    face.lfHeight = MulDiv(face.lfHeight, 96, static_cast<int>(dpi()));
    const win::Font font96(CreateFontIndirectW(&face));
    const win::MemoryDC measuring(CreateCompatibleDC(nullptr));
    const int baseline = scale(bounds96().top + ascent_of(measuring.get(), font96.get()));
    const int top = baseline - ascent_of(measuring.get(), font());
    set_device_shift_up(scale(bounds96().top) - top);
}

} // namespace pipetto
