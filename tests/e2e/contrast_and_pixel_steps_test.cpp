// A designer's session with pipetto.exe: a grey kept and checked as text on a white area
// of the screen in the contrast window, then the cursor stepped onto a pixel with the
// arrow keys in the loupe, and that pixel's colour kept.

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
using tests::centre_of;
using tests::hex_in_record;
using tests::outer;
using tests::record_size;
using tests::RunningProgram;
using tests::TemporaryFolder;
using tests::wait_until;

namespace {

// The glyph button of a window that has this caption; leftmost first among equals.
HWND glyph_button(HWND window, const std::string& caption) {
    HWND found = nullptr;
    for (HWND button : tests::children_of_class(window, L"TGlyphButton"))
        if (IsWindowVisible(button) && tests::asked_text(button) == caption &&
            (!found || outer(button).left < outer(found).left))
            found = button;
    return found;
}

POINT cursor() {
    POINT at{};
    GetCursorPos(&at);
    return at;
}

} // namespace

TEST(ContrastAndPixelSteps, AGreyCheckedOnWhiteThenAPixelSteppedOntoWithTheArrowsAndKept) {
    TemporaryFolder folder;
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const tests::SolidWindow grey(RGB(0x76, 0x76, 0x76), 700, 500);
    const tests::SolidWindow white(RGB(0xFF, 0xFF, 0xFF), 800, 500);
    const tests::SolidWindow blue(RGB(0x1E, 0x90, 0xFF), 860, 500);
    ASSERT_TRUE(grey.on_screen() && white.on_screen() && blue.on_screen());
    const HWND html = tests::child_of_class(main, L"Edit", true);
    const HWND place = tests::child_of_class(main, L"Button", true);
    const auto shows = [&](HWND field, const std::string& text) {
        return wait_until([&] { return tests::asked_text(field) == text; }, 2s);
    };
    const auto history = [&] { return folder.read("history.dat"); };
    const auto records = [&](size_t count) {
        return wait_until([&] { return history().size() == count * record_size; }, 3s);
    };

    // The grey kept, and chosen on the History page as the text colour.
    SetCursorPos(730, 530);
    ASSERT_TRUE(shows(html, "#767676")) << tests::asked_text(html);
    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(records(1)) << history().size();
    ASSERT_TRUE(tests::open_history_page(main));
    const HWND header =
        tests::child_of_class(tests::child_of_class(main, L"SysListView32"), L"SysHeader32");
    const POINT first_row{outer(header).left + 30, outer(header).bottom + 7};
    tests::click_at(first_row);
    // "Contrast..." is the popup menu's second item, below "Import/Export".
    ASSERT_TRUE(tests::open_history_popup(main, first_row));
    tests::type_keys({VK_DOWN, VK_DOWN, VK_RETURN});
    const HWND contrast = program.wait_for_window(L"TContrastForm", 3s);
    ASSERT_NE(contrast, nullptr);
    EXPECT_EQ(tests::asked_text(contrast), " Contrast");

    // Grabbing again, the background follows the cursor onto the white area; stopping
    // freezes it, and the verdict is copied.
    tests::press_keys({VK_CONTROL}, 'S');
    SetCursorPos(830, 530);
    ASSERT_TRUE(shows(html, "#FFFFFF")) << tests::asked_text(html);
    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(records(2)) << history().size();
    const HWND copy = glyph_button(contrast, "");
    ASSERT_NE(copy, nullptr);
    // Read only once Pipetto has copied: the clipboard held open by this test meanwhile
    // would make the copy fail.
    const DWORD copies = GetClipboardSequenceNumber();
    tests::click_at(centre_of(copy));
    wait_until([&] { return GetClipboardSequenceNumber() != copies; }, 2s);
    const std::string verdict = "#767676 on #FFFFFF: 4.54:1, AA pass, AAA fail, large AA pass, "
                                "large AAA pass, UI pass";
    EXPECT_TRUE(wait_until([&] { return tests::clipboard_text() == verdict; }, 2s))
        << tests::clipboard_text();
    // The keys do the same: Alt+S swaps, Ctrl+C copies the verdict, and Alt+S swaps back.
    tests::click_at(tests::client_point(contrast, {60, 145}));
    ASSERT_TRUE(wait_until([&] { return GetForegroundWindow() == contrast; }, 2s));
    const auto copied_by_keys = [&] {
        const DWORD before = GetClipboardSequenceNumber();
        tests::press_keys({VK_CONTROL}, 'C');
        wait_until([&] { return GetClipboardSequenceNumber() != before; }, 2s);
        return tests::clipboard_text();
    };
    tests::press_keys({VK_MENU}, 'S');
    EXPECT_EQ(copied_by_keys(), "#FFFFFF on #767676: 4.54:1, AA pass, AAA fail, large AA pass, "
                                "large AAA pass, UI pass");
    tests::press_keys({VK_MENU}, 'S');
    EXPECT_EQ(copied_by_keys(), verdict);

    // The loupe opened from the Grab page, grabbing resumed and the loupe's caption
    // clicked, the mouse set near the blue edge: the arrows step onto it.
    RECT pages = outer(tests::child_of_class(main, L"SysTabControl32"));
    tests::click_at({pages.left + 20, pages.bottom - 8});
    ASSERT_TRUE(wait_until([&] { return glyph_button(main, "") != nullptr; }, 2s));
    tests::click_at(centre_of(glyph_button(main, "")));
    const HWND loupe = program.wait_for_window(L"TLoupeForm", 3s);
    ASSERT_NE(loupe, nullptr);
    tests::press_keys({VK_CONTROL}, 'S');
    tests::click_at({centre_of(loupe).x, outer(loupe).top + 4});
    SetCursorPos(855, 530);
    ASSERT_TRUE(shows(place, " X : 855 Y : 530 ")) << tests::asked_text(place);

    tests::press_keys({}, VK_RIGHT);
    EXPECT_TRUE(wait_until([] { return cursor().x == 856 && cursor().y == 530; }, 1s))
        << cursor().x << "," << cursor().y;
    EXPECT_TRUE(shows(place, " X : 856 Y : 530 ")) << tests::asked_text(place);
    EXPECT_EQ(tests::asked_text(html), "#FFFFFF");
    tests::press_keys({VK_SHIFT}, VK_RIGHT);
    EXPECT_TRUE(wait_until([] { return cursor().x == 866; }, 1s)) << cursor().x;
    EXPECT_TRUE(shows(html, "#1E90FF")) << tests::asked_text(html);
    tests::press_keys({}, VK_DOWN);
    tests::press_keys({}, VK_LEFT);
    EXPECT_TRUE(shows(place, " X : 865 Y : 531 ")) << tests::asked_text(place);

    // The grab hotkey keeps the pixel stepped onto.
    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(records(3)) << history().size();
    EXPECT_EQ(hex_in_record(history(), 2), "$00FF901E");

    // Moved, and left open at the close: today's settings as they were, the contrast
    // window's in a section of its own, and it opens there at the next start.
    SetWindowPos(contrast, nullptr, 620, 150, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(wait_until([&] { return outer(contrast).left == 620; }, 2s));
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(program.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("config.ini"),
              "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n[loupe]\r\ncursor=True\r\n"
              "[hotkey]\r\ngrab=18\r\nloupe=0\r\n[contrast]\r\nx=620\r\ny=150\r\nopen=True\r\n");
    RunningProgram again(folder.path(), RunningProgram::StartAgain{});
    const HWND reopened = again.wait_for_window(L"TContrastForm");
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(outer(reopened).left, 620);
    EXPECT_EQ(outer(reopened).top, 150);
}
