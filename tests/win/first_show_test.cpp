// The main window's first moments as a user meets them: the hotkeys are held before it
// shows, the colour under the cursor comes with its first paint, and the hints, attached
// after that paint, show under the pointer as before.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <string>

#include "app/main_form.h"
#include "colour/colour_value.h"
#include "framework/win/application.h"
#include "loupe/loupe_form.h"
#include "mouse_input.h"
#include "pump.h"
#include "solid_window.h"
#include "temporary_folder.h"

using namespace pipetto;

namespace {

// The text of this process's tooltip while it shows, empty while none does.
std::wstring shown_tooltip_text() {
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(tip, &process);
        if (process != GetCurrentProcessId() || !IsWindowVisible(tip))
            continue;
        wchar_t text[128] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = sizeof tool;
        tool.lpszText = text;
        if (SendMessageW(tip, TTM_GETCURRENTTOOLW, 0, reinterpret_cast<LPARAM>(&tool)))
            return text;
    }
    return {};
}

} // namespace

TEST(FirstShow, HotkeysAreHeldBeforeTheWindowShowsTheColourComesWithTheFirstPaintAndHintsShow) {
    tests::SolidWindow orange(RGB(255, 128, 0), 700, 500);
    ASSERT_TRUE(tests::pump_until([&] { return orange.on_screen(); }));
    SetCursorPos(730, 530);
    tests::TemporaryFolder folder;
    TMainform form(folder.path(), false);
    TLoupeForm loupe(form.CursorCheckBox);
    form.LoupeForm = &loupe;
    // Both hotkeys answer from the first moment the window is on the screen.
    EXPECT_TRUE(form.GlobalHotKey.Registered());
    EXPECT_TRUE(loupe.GlobalHotKey.Registered());
    EXPECT_TRUE(form.HexColor.text().empty());

    // The first paint already shows the colour under the cursor: it is in the fields
    // before the window shows, not 100 ms later with the sampler's first tick.
    form.show();
    EXPECT_EQ(form.HexColor.text(), "$000080FF");
    EXPECT_EQ(form.IdentColor.text(), "n/a");
    win::Application::current().process_messages();

    // Resting on a copy button shows its hint.
    tests::mouse_move_to(tests::screen_point_of(form.HtmlCopyBtn.hwnd(), 10, 9));
    tests::mouse_move_to(tests::screen_point_of(form.HtmlCopyBtn.hwnd(), 11, 9));
    EXPECT_TRUE(tests::pump_until([] { return shown_tooltip_text() == L"Copy to Clipboard"; }));
    // The History page's buttons, built when the page first shows, have theirs too.
    form.PageControl.set_active_page(form.HistorySheet);
    tests::mouse_move_to(tests::screen_point_of(form.LongCopyBtn2.hwnd(), 8, 9));
    tests::mouse_move_to(tests::screen_point_of(form.LongCopyBtn2.hwnd(), 9, 9));
    EXPECT_TRUE(tests::pump_until([] { return shown_tooltip_text() == L"Copy to Clipboard"; }));
    tests::mouse_move_to(tests::screen_point_of(form.LoupeBtn.hwnd(), 10, 10));
    form.PageControl.set_active_page(form.GrabSheet);
    tests::mouse_move_to(tests::screen_point_of(form.LoupeBtn.hwnd(), 10, 10));
    tests::mouse_move_to(tests::screen_point_of(form.LoupeBtn.hwnd(), 11, 10));
    EXPECT_TRUE(tests::pump_until([] { return shown_tooltip_text() == L"Open Loupe"; }));
}

TEST(FirstShow, ACursorWhereTheWindowOpensReadsTheWindowOnceItIsPainted) {
    tests::TemporaryFolder folder;
    TMainform form(folder.path(), false);
    RECT place{};
    GetWindowRect(form.hwnd(), &place);
    // Orange lies under the window's place until the window covers it.
    tests::SolidWindow orange(RGB(255, 128, 0), place.left + 40, place.bottom - 70);
    ASSERT_TRUE(tests::pump_until([&] { return orange.on_screen(); }));
    SetWindowPos(orange.hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    const POINT cursor{place.left + 70, place.bottom - 40};
    SetCursorPos(cursor.x, cursor.y);

    form.show();
    win::Application::current().process_messages();
    const HDC screen = GetDC(nullptr);
    const COLORREF painted = GetPixel(screen, cursor.x, cursor.y);
    ReleaseDC(nullptr, screen);
    EXPECT_NE(painted, RGB(255, 128, 0));
    EXPECT_EQ(form.HexColor.text(), hex_form(painted).str());
}
