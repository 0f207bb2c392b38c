#include "controls/label_fill.h"

#include <algorithm>
#include <string>

#include "framework/win/handles.h"

namespace pipetto {
namespace {

constexpr TColor clBtnHighlightColour = 0xFF000014;
constexpr TColor clWindowTextColour = 0xFF000008;

} // namespace

// The caption is measured as it is drawn: an empty one as one blank, so that the label
// keeps the height of a line; line breaks start new lines although the label is not
// multi-line.
SIZE TLabelFill::measured_size(HDC dc) const {
    const std::wstring& text = caption();
    const std::wstring measured = text.empty() || text == L"&" ? L" " : text;
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc, measured.c_str(), static_cast<int>(measured.size()), &needed,
              DT_CALCRECT | DT_EXPANDTABS);
    const int light = LightDepth * std::max(1, static_cast<int>(dpi()) / 96);
    const int frame = (BevelExtent + 1) * 2;
    return {needed.right + light + frame, needed.bottom + light + frame};
}

void TLabelFill::paint(HDC dc) {
    if (caption().empty())
        return; // transparent, and no bevel takes room
    RECT area = bounds_in_parent();
    win::SelectedObject font(dc, font_or_default());
    SetBkMode(dc, TRANSPARENT);
    // Not clipped to the box: where a scale's hinting draws a line a pixel wider than it
    // measured, the last letter still shows whole.
    constexpr UINT format = DT_WORDBREAK | DT_EXPANDTABS | DT_CENTER | DT_VCENTER | DT_NOCLIP;
    const int length = static_cast<int>(caption().size());
    const int light = LightDepth * std::max(1, static_cast<int>(dpi()) / 96);
    // The sunken text: its light copy first, moved right and down, then the text itself.
    area.right -= light;
    RECT lit = area;
    OffsetRect(&lit, light, light);
    SetTextColor(dc, win::to_colorref(clBtnHighlightColour));
    DrawTextW(dc, caption().c_str(), length, &lit, format);
    SetTextColor(dc, win::to_colorref(font_colour_.value_or(clWindowTextColour)));
    DrawTextW(dc, caption().c_str(), length, &area, format);
}

} // namespace pipetto
