// Every text of the main window fits its box at 100, 125, 150 and 200 %: fonts do not scale
// in proportion (hinting makes a line more than 1.5 times as wide), so the labels size
// themselves to their text in the window's DPI and font.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/win/controls/check_box.h"
#include "framework/win/controls/group_box.h"
#include "framework/win/graphic_control.h"
#include "framework/win/win_text.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

SIZE text_extent(HDC dc, HFONT font, const std::string& text) {
    SelectObject(dc, font);
    const std::wstring wide = win::widen(text);
    RECT needed{0, 0, 0, 0};
    DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &needed,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return {needed.right, needed.bottom};
}

HFONT font_of(const win::Control& control) {
    return control.hwnd() ? reinterpret_cast<HFONT>(SendMessageW(control.hwnd(), WM_GETFONT, 0, 0))
                          : control.font();
}

} // namespace

TEST(TextsFit, EveryLabelCheckBoxAndGroupCaptionFitsAtEveryScale) {
    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
    form.ColorPicker.SetEnabled(false);
    for (const int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        RECT suggested{100, 100, 100 + MulDiv(200, dpi, 96), 100 + MulDiv(280, dpi, 96)};
        SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        win::WindowDC dc(form.hwnd());
        const int saved = SaveDC(dc.get());
        for (const auto& entry : form.controls()) {
            const std::string text = entry.control->text();
            if (text.empty())
                continue;
            SCOPED_TRACE(entry.name);
            const SIZE needed = text_extent(dc.get(), font_of(*entry.control), text);
            if (const auto* graphic = dynamic_cast<const win::GraphicControl*>(entry.control)) {
                const RECT box = graphic->bounds_in_parent();
                // The engraved labels carry their light copy and a pixel on each side besides.
                const int extra = dynamic_cast<const TLabelFill*>(graphic) ? 3 : 0;
                EXPECT_LE(needed.cx + extra, box.right - box.left) << text;
                EXPECT_LE(needed.cy + extra, box.bottom - box.top) << text;
            } else if (dynamic_cast<const win::CheckBox*>(entry.control)) {
                RECT box;
                GetClientRect(entry.control->hwnd(), &box);
                const int check = GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi));
                EXPECT_LE(needed.cx + check + 4, box.right) << text;
                EXPECT_LE(needed.cy, box.bottom) << text;
            } else if (dynamic_cast<const win::GroupBox*>(entry.control)) {
                RECT box;
                GetClientRect(entry.control->hwnd(), &box);
                EXPECT_LE(needed.cx + MulDiv(16, dpi, 96), box.right) << text;
            }
        }
        RestoreDC(dc.get(), saved);
    }
}
