// A designer takes colours into a style sheet in today's CSS: three colours kept, one of them
// copied in every form from the History list's "Copy as" by the keys, and then, with the
// Grab page frozen on it, oklch() copied from the swatch's menu. The real pipetto.exe under
// Wine, driven from this process.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "desktop_user.h"
#include "history_records.h"
#include "keyboard.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "screen_reading.h"
#include "solid_window.h"
#include "temporary_folder.h"
#include "window_geometry.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::outer;
using tests::record_size;
using tests::RunningProgram;
using tests::TemporaryFolder;
using tests::wait_until;

namespace {

bool menu_shows() {
    const HWND menu = FindWindowW(L"#32768", nullptr);
    return menu && IsWindowVisible(menu);
}

// Does what copies, then waits until Pipetto has put it on the clipboard without opening the
// clipboard meanwhile: a test holding it open at that moment would make Pipetto's copy fail.
template <typename Copy> std::string copied(Copy copy) {
    const DWORD copies = GetClipboardSequenceNumber();
    copy();
    wait_until([&] { return GetClipboardSequenceNumber() != copies && !menu_shows(); }, 3s);
    return tests::clipboard_text();
}

} // namespace

TEST(CopyAs, ThreeKeptColoursOneCopiedInEveryFormByTheKeysThenOklchFromTheFrozenSwatch) {
    TemporaryFolder folder;
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const tests::SolidWindow blue(RGB(0x1E, 0x90, 0xFF), 700, 500);
    const tests::SolidWindow grey(RGB(0x76, 0x76, 0x76), 800, 500);
    const tests::SolidWindow orange(RGB(0xFF, 0x80, 0x00), 900, 500);
    ASSERT_TRUE(blue.on_screen() && grey.on_screen() && orange.on_screen());
    const HWND html = tests::child_of_class(main, L"Edit", true);
    const auto history = [&] { return folder.read("history.dat"); };

    // Each colour kept with the grab hotkey: grabbing stops on it, and starts again.
    int kept = 0;
    for (const auto& [x, shown] :
         {std::pair{730, "#1E90FF"}, std::pair{830, "#767676"}, std::pair{930, "#FF8000"}}) {
        SetCursorPos(x, 530);
        ASSERT_TRUE(wait_until([&] { return tests::asked_text(html) == shown; }, 2s))
            << tests::asked_text(html);
        tests::press_keys({VK_CONTROL}, 'S');
        ++kept;
        ASSERT_TRUE(wait_until([&] { return history().size() == kept * record_size; }, 3s))
            << history().size();
        tests::press_keys({VK_CONTROL}, 'S');
    }

    // The first row, DodgerBlue, chosen; Shift+F10 opens the list's menu, P its "Copy as".
    ASSERT_TRUE(tests::open_history_page(main));
    const HWND list = tests::child_of_class(main, L"SysListView32");
    const RECT header = outer(tests::child_of_class(list, L"SysHeader32"));
    tests::click_at({header.left + 30, header.bottom + 7});
    ASSERT_TRUE(wait_until([&] { return tests::focus_of(main) == list; }, 2s));
    const char* const forms[] = {"hsl(209.6 100% 55.88%)",         "hwb(209.6 11.8% 0%)",
                                 "lab(58.36 0.89 -64.78)",         "lch(58.36 64.79 270.79)",
                                 "oklab(65.2% -0.05493 -0.18201)", "oklch(65.2% 0.19012 253.205)"};
    for (int item = 0; item < 6; ++item) {
        SCOPED_TRACE(forms[item]);
        const std::string text = copied([&] {
            tests::press_keys({VK_SHIFT}, VK_F10);
            ASSERT_TRUE(wait_until(menu_shows, 3s));
            // The submenu opens with its first item highlighted.
            tests::type_keys({'P'});
            for (int step = 0; step < item; ++step)
                tests::type_keys({VK_DOWN});
            tests::type_keys({VK_RETURN});
        });
        EXPECT_EQ(text, forms[item]);
    }
    // Below the separator, the nearest name: DodgerBlue's own.
    EXPECT_EQ(copied([&] {
                  tests::press_keys({VK_SHIFT}, VK_F10);
                  ASSERT_TRUE(wait_until(menu_shows, 3s));
                  tests::type_keys({'P', VK_UP, VK_RETURN});
              }),
              "DodgerBlue");

    // The Grab page frozen on the orange by the grab hotkey: a right click on the swatch
    // gives its forms, oklch() the sixth.
    tests::press_keys({VK_CONTROL, VK_SHIFT}, VK_TAB);
    ASSERT_TRUE(wait_until([&] { return IsWindowVisible(html) != FALSE; }, 2s));
    SetCursorPos(930, 530);
    ASSERT_TRUE(wait_until([&] { return tests::asked_text(html) == "#FF8000"; }, 2s))
        << tests::asked_text(html);
    tests::press_keys({VK_CONTROL}, 'S');
    // The swatch: the panel 32 pixels high above the link to the online tool.
    HWND swatch = nullptr;
    for (HWND panel : tests::children_of_class(main, L"PipettoPanel"))
        if (IsWindowVisible(panel) && outer(panel).bottom - outer(panel).top == 32)
            swatch = panel;
    ASSERT_NE(swatch, nullptr);
    const RECT swatch_area = outer(swatch);
    const POINT on_swatch{(swatch_area.left + swatch_area.right) / 2,
                          (swatch_area.top + swatch_area.bottom) / 2};
    EXPECT_EQ(
        copied([&] {
            tests::click_at(on_swatch, true);
            ASSERT_TRUE(wait_until(menu_shows, 3s));
            tests::type_keys({VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
        }),
        "oklch(73.19% 0.1858 52.985)");
    EXPECT_EQ(tests::asked_text(html), "#FF8000");

    // With a field of the page focused, the menu key opens the same menu.
    tests::click_at({outer(html).right - 4, (outer(html).top + outer(html).bottom) / 2});
    ASSERT_TRUE(wait_until([&] { return tests::focus_of(main) == html; }, 2s));
    // The pointer away from where the menu opens, so that it highlights no item.
    SetCursorPos(700, 700);
    EXPECT_EQ(copied([&] {
                  tests::type_keys({VK_APPS});
                  ASSERT_TRUE(wait_until(menu_shows, 3s));
                  // Past the six forms and the separator: the nearest name.
                  tests::type_keys(
                      {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_RETURN});
              }),
              "DarkOrange1");
}
