// Every text of every window (the main window, the loupe, the import/export dialog) fits
// its box, and the box its parent, at 100, 125, 150 and 200 %: fonts do not scale in
// proportion (hinting makes a line more than 1.5 times as wide), so the labels size
// themselves to their text in the window's DPI and font.

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <utility>

#include "app/main_form.h"
#include "contrast/contrast_form.h"
#include "controls/flat_edit.h"
#include "controls/glyph_button.h"
#include "framework/win/controls/check_box.h"
#include "framework/win/controls/group_box.h"
#include "framework/win/controls/panel.h"
#include "framework/win/controls/radio_button.h"
#include "framework/win/graphic_control.h"
#include "framework/win/win_text.h"
#include "history/im_export_form.h"
#include "hotkeys/hotkey_entries.h"
#include "loupe/loupe_form.h"
#include "pump.h"
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

// The font the control paints its text in: panels and glyph buttons draw with the font
// they were given, which WM_GETFONT need not know.
HFONT font_of(const win::Control& control) {
    if (control.font() || !control.hwnd())
        return control.font();
    return reinterpret_cast<HFONT>(SendMessageW(control.hwnd(), WM_GETFONT, 0, 0));
}

RECT client_of(const win::Control& control) {
    RECT box;
    GetClientRect(control.hwnd(), &box);
    return box;
}

// The control's box in its parent's client coordinates, and that parent's client area.
std::pair<RECT, RECT> place_in_parent(const win::Control& control) {
    RECT box, parent;
    if (const auto* graphic = dynamic_cast<const win::GraphicControl*>(&control)) {
        box = graphic->bounds_in_parent();
        GetClientRect(graphic->parent_window(), &parent);
    } else {
        GetWindowRect(control.hwnd(), &box);
        MapWindowPoints(HWND_DESKTOP, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&box), 2);
        GetClientRect(GetParent(control.hwnd()), &parent);
    }
    return {box, parent};
}

// As Windows tells a window that moved to a monitor of `dpi`: the rectangle it suggests
// holds the client area scaled from the window's present one.
void change_dpi(win::Form& form, int dpi) {
    RECT outer, client;
    GetWindowRect(form.hwnd(), &outer);
    GetClientRect(form.hwnd(), &client);
    const int old_dpi = static_cast<int>(form.dpi());
    RECT suggested{0, 0, MulDiv(client.right, dpi, old_dpi), MulDiv(client.bottom, dpi, old_dpi)};
    AdjustWindowRectExForDpi(&suggested, static_cast<DWORD>(GetWindowLongW(form.hwnd(), GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongW(form.hwnd(), GWL_EXSTYLE)),
                             static_cast<UINT>(dpi));
    OffsetRect(&suggested, outer.left - suggested.left, outer.top - suggested.top);
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
}

// Checks the text of every control of `form` against the box it is drawn in.
void expect_texts_fit(const win::Form& form, int dpi) {
    win::WindowDC dc(form.hwnd());
    const int saved = SaveDC(dc.get());
    for (const auto& entry : form.controls()) {
        const std::string text = entry.control->text();
        if (text.empty())
            continue;
        SCOPED_TRACE(entry.name);
        const SIZE needed = text_extent(dc.get(), font_of(*entry.control), text);
        const win::Control* control = entry.control;
        // A text that fits its box is cut all the same where the box leaves its parent.
        const auto [place, parent] = place_in_parent(*control);
        EXPECT_LE(place.right, parent.right) << text;
        EXPECT_LE(place.bottom, parent.bottom) << text;
        if (const auto* graphic = dynamic_cast<const win::GraphicControl*>(control)) {
            const RECT box = graphic->bounds_in_parent();
            // The engraved labels carry their light copy and a pixel on each side besides.
            const int extra = dynamic_cast<const TLabelFill*>(graphic) ? 3 : 0;
            EXPECT_LE(needed.cx + extra, box.right - box.left) << text;
            EXPECT_LE(needed.cy + extra, box.bottom - box.top) << text;
        } else if (dynamic_cast<const win::CheckBox*>(control) ||
                   dynamic_cast<const win::RadioButton*>(control)) {
            // The text stands 4 pixels right of the box or the circle.
            const RECT box = client_of(*control);
            const int check = GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi));
            EXPECT_LE(needed.cx + check + 4, box.right) << text;
            EXPECT_LE(needed.cy, box.bottom) << text;
        } else if (dynamic_cast<const win::GroupBox*>(control)) {
            EXPECT_LE(needed.cx + MulDiv(16, dpi, 96), client_of(*control).right) << text;
        } else if (dynamic_cast<const win::Panel*>(control)) {
            // Inside the two-pixel bevel.
            const RECT box = client_of(*control);
            EXPECT_LE(needed.cx + 4, box.right) << text;
            EXPECT_LE(needed.cy + 4, box.bottom) << text;
        } else if (dynamic_cast<const TGlyphButton*>(control)) {
            // Inside the frame, even when pressed moves the caption a pixel right and down.
            const RECT box = client_of(*control);
            const int frame = std::max(1, dpi / 96);
            EXPECT_LE(needed.cx + 2 * frame + frame, box.right) << text;
            EXPECT_LE(needed.cy + 2 * frame + frame, box.bottom) << text;
        }
    }
    RestoreDC(dc.get(), saved);
}

// Each colour field's ticket stands above it, hidden behind whatever lies there (the cursor
// box, or the field above) as the layout has it at 96 DPI: below that cover, not one pixel of
// its letters may show at any scale.
void expect_tickets_hidden(TMainform& form) {
    const std::pair<TFlatEdit*, const win::Control*> covered[] = {
        {&form.HtmlColor, &form.CursorLabel}, {&form.RGBColor, &form.HtmlColor},
        {&form.HexColor, &form.RGBColor},     {&form.LongColor, &form.HexColor},
        {&form.IdentColor, &form.LongColor}};
    form.show();
    tests::pump_messages(std::chrono::milliseconds(200));
    ASSERT_TRUE(IsWindowVisible(form.GrabSheet.hwnd()));
    for (const auto& [edit, cover] : covered) {
        SCOPED_TRACE(edit->Ticket().text());
        win::WindowDC dc(edit->Ticket().parent_window());
        const RECT ticket = edit->Ticket().bounds_in_parent();
        const RECT box = place_in_parent(*cover).first;
        int ink = 0;
        for (int y = box.bottom; y < ticket.bottom; ++y) {
            // The page's own background, just left of the ticket.
            const COLORREF page = GetPixel(dc.get(), ticket.left - 2, y);
            for (int x = ticket.left; x < ticket.right; ++x)
                ink += GetPixel(dc.get(), x, y) != page;
        }
        EXPECT_EQ(ink, 0);
    }
}

// The hotkey entry whose text is widest in the loupe label's font.
std::string_view widest_hotkey_entry(const TLoupeForm& loupe) {
    win::WindowDC dc(loupe.hwnd());
    const int saved = SaveDC(dc.get());
    std::string_view widest;
    LONG widest_extent = 0;
    for (const std::string_view entry : hotkey_entry_texts) {
        const LONG extent = text_extent(dc.get(), font_of(loupe.LoupeLabel), std::string(entry)).cx;
        if (extent > widest_extent) {
            widest = entry;
            widest_extent = extent;
        }
    }
    RestoreDC(dc.get(), saved);
    return widest;
}

} // namespace

TEST(TextsFit, EveryTextOfEveryWindowFitsAtEveryScale) {
    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
    form.ColorPicker.SetEnabled(false);
    // Every page, built as the user opens it.
    for (int page = form.PageControl.page_count() - 1; page >= 0; --page)
        form.PageControl.set_active_page_index(page);
    TLoupeForm loupe{form.CursorCheckBox};
    TImExportForm dialog{form};
    loupe.build_window();
    dialog.build_window();
    for (const int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        for (win::Form* window : {static_cast<win::Form*>(&form), static_cast<win::Form*>(&loupe),
                                  static_cast<win::Form*>(&dialog)}) {
            SCOPED_TRACE(window->caption());
            change_dpi(*window, dpi);
            expect_texts_fit(*window, dpi);
        }
        expect_tickets_hidden(form);
        // The loupe's label names its hotkey, whichever the user chose.
        loupe.UseHotKeyEntry(widest_hotkey_entry(loupe));
        SCOPED_TRACE(loupe.LoupeLabel.text());
        expect_texts_fit(loupe, dpi);
        loupe.UseHotKeyEntry(hotkey_entry_texts[loupe_hotkey_default_index]);
    }
}

TEST(TextsFit, TheContrastWindowsTextsFitAtEveryScaleWithItsWidestRatio) {
    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
    form.ColorPicker.SetEnabled(false);
    TContrastForm contrast{form};
    contrast.Open();
    // Black on white: "21.00:1", and every item passes.
    contrast.TextChosen(0x000000);
    contrast.ColourGrabbed(0xFFFFFF);
    ASSERT_EQ(contrast.RatioLabel.text(), "21.00:1");
    for (const int dpi : {96, 120, 144, 192}) {
        SCOPED_TRACE(dpi);
        change_dpi(contrast, dpi);
        expect_texts_fit(contrast, dpi);
    }
}
