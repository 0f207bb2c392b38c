// The main window as built under Wine: every control of the layout at its place, with its
// class and text, at 96 DPI.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/main_form.h"
#include "framework/win/graphic_control.h"
#include "framework/win/win_text.h"
#include "hotkeys/hotkey_entries.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

struct Expected {
    const char* name;
    const wchar_t* window_class; // null: painted by its parent, without a window
    RECT bounds;                 // left, top, right, bottom relative to the parent's client area
    const char* text;
};

std::wstring class_of(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

RECT bounds_in_parent(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    MapWindowPoints(HWND_DESKTOP, GetParent(window), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

std::string text_of(HWND window) {
    wchar_t text[256] = {};
    GetWindowTextW(window, text, 256);
    return win::narrow(text);
}

class MainWindowLayout : public ::testing::Test {
  protected:
    // Goes through the tabs as a user looking around, which builds every page, and comes
    // back to the Grab page.
    void open_every_page() {
        for (int page = form.PageControl.page_count() - 1; page >= 0; --page)
            form.PageControl.set_active_page_index(page);
    }

    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
};

} // namespace

TEST_F(MainWindowLayout, IsAFixedToolWindowWithItsCaptionAndClientArea) {
    const LONG_PTR style = GetWindowLongPtrW(form.hwnd(), GWL_STYLE);
    const LONG_PTR ex_style = GetWindowLongPtrW(form.hwnd(), GWL_EXSTYLE);
    EXPECT_TRUE(ex_style & WS_EX_TOOLWINDOW);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_MINIMIZEBOX);
    EXPECT_EQ(form.caption(), " Pipetto 2.0");
    RECT client;
    GetClientRect(form.hwnd(), &client);
    EXPECT_EQ(client.right, 192);
    EXPECT_EQ(client.bottom, 256);
    EXPECT_EQ(form.dpi(), 96u);
}

TEST_F(MainWindowLayout, EveryControlSitsWhereTheLayoutPutsIt) {
    open_every_page();
    const Expected expected[] = {
        {"PageControl", L"SysTabControl32", {8, 8, 185, 249}, ""},
        {"LoupeBtn", L"TGlyphButton", {4, 1, 24, 21}, ""},
        {"GrabLabel", nullptr, {26, 5, 110, 16}, "Start/Stop: CTRL+S"},
        {"CursorLabel", L"Button", {8, 20, 161, 81}, "0x0"},
        {"ColorPanel", L"PipettoPanel", {2, 10, 150, 42}, ""},
        {"Panel1", L"PipettoPanel", {0, 41, 153, 61}, ""},
        {"colorToolsUrl", nullptr, {8, 2, 145, 18}, "Open Online Color-Tool"},
        {"HtmlColor", L"Edit", {40, 88, 137, 105}, ""},
        {"HtmlCopyBtn", L"TGlyphButton", {140, 88, 160, 106}, ""},
        {"RGBColor", L"Edit", {40, 108, 137, 125}, ""},
        {"RgbCopyBtn", L"TGlyphButton", {140, 108, 160, 126}, ""},
        {"HexColor", L"Edit", {40, 128, 137, 145}, ""},
        {"HexCopyBtn", L"TGlyphButton", {140, 128, 160, 146}, ""},
        {"LongColor", L"Edit", {40, 148, 137, 165}, ""},
        {"LongCopyBtn", L"TGlyphButton", {140, 148, 160, 166}, ""},
        {"IdentColor", L"Edit", {40, 168, 137, 185}, ""},
        {"IdentCopyBtn", L"TGlyphButton", {140, 168, 160, 188}, ""},
        {"Label12", nullptr, {8, 192, 30, 203}, "Pixel:"},
        {"PixelImageBevel", nullptr, {40, 190, 74, 208}, ""},
        {"PixelImage", nullptr, {41, 190, 73, 208}, ""},
        {"PixelImage2", nullptr, {80, 190, 95, 208}, ""},
        {"PixelCopyBtn", L"TGlyphButton", {140, 190, 160, 210}, ""},
        {"Bevel1", nullptr, {0, 0, 169, 109}, ""},
        {"HistoryList", L"SysListView32", {2, 2, 167, 106}, ""},
        {"GroupBox3", L"Button", {0, 110, 169, 150}, " Name of item "},
        {"ItemName", L"Edit", {4, 18, 164, 37}, ""},
        {"GroupBox1", L"Button", {0, 152, 169, 211}, " Copy to clipboard "},
        {"HexCopyBtn2", L"TGlyphButton", {32, 15, 49, 33}, ""},
        {"HtmlCopyBtn2", L"TGlyphButton", {84, 15, 102, 33}, ""},
        {"LongCopyBtn2", L"TGlyphButton", {134, 15, 152, 33}, ""},
        {"RgbCopyBtn2", L"TGlyphButton", {32, 36, 50, 54}, ""},
        {"IdentCopyBtn2", L"TGlyphButton", {84, 36, 102, 54}, ""},
        {"PixelCopyBtn2", L"TGlyphButton", {134, 36, 152, 54}, ""},
        {"GroupBox5", L"Button", {0, 0, 169, 211}, " Settings "},
        {"FrontCheckBox", L"Button", {8, 14, 161, 32}, "Keep in the foreground"},
        {"CursorCheckBox", L"Button", {8, 32, 153, 50}, "Show cursor in loupe"},
        {"Label14", nullptr, {8, 52, 76, 63}, "Start/Stop Grab:"},
        {"Label15", nullptr, {8, 86, 84, 97}, "Show/Hide Loupe:"},
        {"GroupBox4", L"Button", {0, 0, 169, 211}, " About "},
        {"LabelFill4", nullptr, {24, 112, 149, 126}, "Pipetto is published by:"},
        {"quarnelUrl", nullptr, {8, 56, 161, 69}, "https://quarnel.example/"},
        {"zolvaUrl", nullptr, {8, 122, 161, 135}, "https://zolva.example/"},
    };
    for (const Expected& want : expected) {
        SCOPED_TRACE(want.name);
        win::Control* control = form.find_control(want.name);
        ASSERT_NE(control, nullptr);
        RECT got;
        if (want.window_class) {
            EXPECT_EQ(class_of(control->hwnd()), want.window_class);
            got = bounds_in_parent(control->hwnd());
            EXPECT_EQ(text_of(control->hwnd()), want.text);
        } else {
            auto* graphic = dynamic_cast<win::GraphicControl*>(control);
            ASSERT_NE(graphic, nullptr);
            EXPECT_EQ(graphic->hwnd(), nullptr);
            got = graphic->bounds_in_parent();
            EXPECT_EQ(graphic->text(), want.text);
        }
        EXPECT_EQ(got.left, want.bounds.left);
        EXPECT_EQ(got.top, want.bounds.top);
        EXPECT_EQ(got.right, want.bounds.right);
        EXPECT_EQ(got.bottom, want.bounds.bottom);
    }
}

TEST_F(MainWindowLayout, ControlsLieInsideTheirParentsOnTheirPages) {
    open_every_page();
    EXPECT_EQ(GetParent(form.ColorPanel.hwnd()), form.CursorLabel.hwnd());
    EXPECT_EQ(form.colorToolsUrl.parent_window(), form.Panel1.hwnd());
    EXPECT_EQ(form.Label14.parent_window(), form.GroupBox5.hwnd());
    EXPECT_EQ(form.PixelImage.parent_window(), form.GrabSheet.hwnd());
    EXPECT_EQ(GetParent(form.HexColor.hwnd()), form.GrabSheet.hwnd());
    EXPECT_EQ(GetParent(form.ItemName.hwnd()), form.GroupBox3.hwnd());
    EXPECT_EQ(GetParent(form.PixelCopyBtn2.hwnd()), form.GroupBox1.hwnd());
    EXPECT_EQ(GetParent(form.GrabKey.hwnd()), form.GroupBox5.hwnd());
    EXPECT_EQ(GetParent(form.GrabSheet.hwnd()), form.PageControl.hwnd());
}

TEST_F(MainWindowLayout, FourPagesWithTabsAtTheBottomAndGrabActive) {
    const LONG_PTR style = GetWindowLongPtrW(form.PageControl.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & TCS_BOTTOM);
    EXPECT_TRUE(style & TCS_HOTTRACK);
    ASSERT_EQ(form.PageControl.page_count(), 4);
    const char* captions[] = {"Grab", "History", "Settings", "About"};
    for (int i = 0; i < 4; ++i) {
        wchar_t text[32] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 32;
        SendMessageW(form.PageControl.hwnd(), TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        EXPECT_EQ(win::narrow(text), captions[i]);
    }
    EXPECT_EQ(&form.PageControl.active_page(), &form.GrabSheet);
    EXPECT_TRUE(IsWindowVisible(form.GrabSheet.hwnd()) || !form.visible());
    EXPECT_FALSE(GetWindowLongPtrW(form.HistorySheet.hwnd(), GWL_STYLE) & WS_VISIBLE);
    // All four tabs fit beside each other: no scroll arrows.
    RECT last_tab;
    SendMessageW(form.PageControl.hwnd(), TCM_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&last_tab));
    EXPECT_LE(last_tab.right, 177);
}

TEST_F(MainWindowLayout, HotkeyListsHoldTheHundredEntriesWithTheDefaultsSelected) {
    // The lists hold their entries before the Settings page is first opened, and their
    // windows show the same once it is.
    for (const bool opened : {false, true}) {
        SCOPED_TRACE(opened ? "opened" : "not opened yet");
        if (opened)
            form.PageControl.set_active_page(form.AboutSheet);
        EXPECT_EQ(form.GrabKey.hwnd() != nullptr, opened);
        ASSERT_EQ(form.GrabKey.item_count(), 100);
        ASSERT_EQ(form.LoupeKey.item_count(), 100);
        for (int i = 0; i < 100; ++i) {
            EXPECT_EQ(form.GrabKey.item_text(i), hotkey_entry_texts[static_cast<size_t>(i)]);
            EXPECT_EQ(form.LoupeKey.item_text(i), hotkey_entry_texts[static_cast<size_t>(i)]);
        }
        EXPECT_EQ(form.GrabKey.item_index(), 18);
        EXPECT_EQ(form.GrabKey.selected_text(), "CTRL+S");
        EXPECT_EQ(form.LoupeKey.item_index(), 0);
        EXPECT_EQ(form.LoupeKey.selected_text(), "CTRL+A");
    }
    EXPECT_TRUE(GetWindowLongPtrW(form.GrabKey.hwnd(), GWL_STYLE) & CBS_DROPDOWNLIST);
}

TEST_F(MainWindowLayout, ValueFieldsAreReadOnlyAndTheNameEditIsNot) {
    for (win::Edit* edit :
         {&form.HtmlColor, &form.RGBColor, &form.HexColor, &form.LongColor, &form.IdentColor})
        EXPECT_TRUE(GetWindowLongPtrW(edit->hwnd(), GWL_STYLE) & ES_READONLY);
    EXPECT_FALSE(GetWindowLongPtrW(form.ItemName.hwnd(), GWL_STYLE) & ES_READONLY);
}

TEST_F(MainWindowLayout, HistoryListIsAReportWithNameAndColorColumns) {
    form.PageControl.set_active_page(form.HistorySheet);
    const HWND list = form.HistoryList.hwnd();
    EXPECT_EQ(GetWindowLongPtrW(list, GWL_STYLE) & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(GetWindowLongPtrW(list, GWL_STYLE) & LVS_SINGLESEL);
    EXPECT_TRUE(ListView_GetExtendedListViewStyle(list) & LVS_EX_GRIDLINES);
    EXPECT_EQ(ListView_GetColumnWidth(list, 0), 100);
    EXPECT_EQ(ListView_GetColumnWidth(list, 1), 45);
    EXPECT_EQ(ListView_GetBkColor(list), RGB(0xFF, 0xFB, 0xF0));
    // One column, each item with its access key, "Copy as" opening a menu of its own.
    const HMENU menu = form.HistoryPopup.handle();
    std::vector<std::wstring> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        items.push_back(
            GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR ? L"-" : text);
        EXPECT_FALSE(GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_MENUBARBREAK);
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{L"&Import/Export", L"&Contrast...", L"Co&py as",
                                                L"-", L"&Delete", L"Delete &All"}));
    EXPECT_NE(GetSubMenu(menu, 2), nullptr);
    EXPECT_FALSE(form.PixelImage2.shown());
}

TEST_F(MainWindowLayout, FontsFollowTheLayout) {
    auto font_of = [](const win::Control& control) {
        // A windowless label holds its font itself.
        const HFONT font_handle =
            control.hwnd() ? reinterpret_cast<HFONT>(SendMessageW(control.hwnd(), WM_GETFONT, 0, 0))
                           : control.font();
        LOGFONTW font{};
        GetObjectW(font_handle, sizeof font, &font);
        return font;
    };
    EXPECT_EQ(std::wstring(font_of(form.HexColor).lfFaceName), L"Tahoma");
    EXPECT_EQ(font_of(form.HexColor).lfHeight, -9);
    EXPECT_EQ(std::wstring(font_of(form.GrabLabel).lfFaceName), L"Tahoma");
    EXPECT_EQ(std::wstring(font_of(form.colorToolsUrl).lfFaceName), L"MS Sans Serif");
    EXPECT_EQ(font_of(form.colorToolsUrl).lfHeight, -11);
}

TEST_F(MainWindowLayout, OnAMonitorOf144DpiEverythingScalesByHalfAgain) {
    RECT suggested{150, 150, 150 + 300, 150 + 420};
    SendMessageW(form.hwnd(), WM_DPICHANGED, MAKEWPARAM(144, 144),
                 reinterpret_cast<LPARAM>(&suggested));
    const RECT edit = bounds_in_parent(form.HexColor.hwnd());
    EXPECT_EQ(edit.left, 60);
    EXPECT_EQ(edit.top, 192);
    EXPECT_EQ(edit.right - edit.left, 146); // 97 * 1.5, rounded
    // As high as the font's text and the border: hinting does not keep 17 * 1.5.
    TEXTMETRICW metrics{};
    {
        win::WindowDC dc(form.HexColor.hwnd());
        SelectObject(dc.get(),
                     reinterpret_cast<HFONT>(SendMessageW(form.HexColor.hwnd(), WM_GETFONT, 0, 0)));
        GetTextMetricsW(dc.get(), &metrics);
    }
    EXPECT_EQ(edit.bottom - edit.top, metrics.tmHeight + 2 * MulDiv(3, 144, 96));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(form.HexColor.hwnd(), WM_GETFONT, 0, 0)),
               sizeof font, &font);
    EXPECT_EQ(font.lfHeight, -14);
    const RECT label = form.GrabLabel.bounds_in_parent();
    EXPECT_EQ(label.left, 39);
    EXPECT_EQ(label.top, 8);
    EXPECT_GT(label.right - label.left, 126); // more than 84 * 1.5: the text is wider
    // A page first opened now is built at the new scale.
    form.PageControl.set_active_page(form.HistorySheet);
    const RECT list = bounds_in_parent(form.HistoryList.hwnd());
    EXPECT_EQ(list.left, 3);
    EXPECT_EQ(list.right - list.left, 248); // 165 * 1.5, rounded
    EXPECT_EQ(ListView_GetColumnWidth(form.HistoryList.hwnd(), 0), 150);
    RECT outer;
    GetWindowRect(form.hwnd(), &outer);
    EXPECT_EQ(outer.left, 150);
    EXPECT_EQ(outer.top, 150);
}

TEST(CommonControls, VersionSixIsLoadedThroughTheManifest) {
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
    std::wstring lower(path);
    for (wchar_t& c : lower)
        c = static_cast<wchar_t>(towlower(c));
    EXPECT_NE(lower.find(L"winsxs"), std::wstring::npos) << win::narrow(path);
}
