// A designer's session with pipetto.exe on a dithered area: a 1-pixel black and white
// checkerboard, which the eye sees as a light grey. The loupe's sample size reads it as the
// mean of the square in linear light, the grab hotkey keeps that colour, and the size is
// there again at the next start.

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "desktop_user.h"
#include "framework/win/dib_format.h"
#include "framework/win/handles.h"
#include "grab/color_picker.h"
#include "history_records.h"
#include "keyboard.h"
#include "pipetto_user.h"
#include "pump.h"
#include "running_program.h"
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

// The loupe button: the leftmost glyph button without a caption.
HWND loupe_button(HWND main) {
    HWND found = nullptr;
    for (HWND button : tests::children_of_class(main, L"TGlyphButton"))
        if (IsWindowVisible(button) && tests::asked_wide_text(button).empty() &&
            (!found || outer(button).left < outer(found).left))
            found = button;
    return found;
}

void turn_wheel(int notches) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = MOUSEEVENTF_WHEEL;
    input.mi.mouseData = static_cast<DWORD>(notches * WHEEL_DELTA);
    SendInput(1, &input, sizeof input);
}

// A borderless top-most window, 60 pixels square, showing a 1-pixel checkerboard: the
// screen pixel (x, y) is white where x + y is even, black where it is odd.
class Checkerboard {
  public:
    Checkerboard(int left, int top) {
        WNDCLASSW window_class{};
        window_class.lpfnWndProc = procedure;
        window_class.hInstance = GetModuleHandleW(nullptr);
        window_class.lpszClassName = L"PipettoTestCheckerboard";
        RegisterClassW(&window_class);
        window_.reset(CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                                      window_class.lpszClassName, L"", WS_POPUP, left, top, side,
                                      side, nullptr, nullptr, window_class.hInstance, nullptr));
        SetWindowLongPtrW(window_.get(), GWLP_USERDATA, (left + top) % 2);
        ShowWindow(window_.get(), SW_SHOWNOACTIVATE);
        UpdateWindow(window_.get());
        on_screen_ = tests::pump_until([&] {
            return TColorPicker::ColorAt({left + 30, top + 30}) == colour_at(left + 30, top + 30) &&
                   TColorPicker::ColorAt({left + 31, top + 30}) == colour_at(left + 31, top + 30);
        });
    }
    bool on_screen() const { return on_screen_; }
    static COLORREF colour_at(int x, int y) {
        return (x + y) % 2 ? RGB(0, 0, 0) : RGB(255, 255, 255);
    }

  private:
    static constexpr int side = 60;
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
        if (message != WM_ERASEBKGND)
            return DefWindowProcW(window, message, wparam, lparam);
        // Client pixel (x, y) is screen pixel (left + x, top + y).
        const LONG_PTR odd_corner = GetWindowLongPtrW(window, GWLP_USERDATA);
        std::vector<DWORD> pixels(side * side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x)
                pixels[static_cast<size_t>(y * side + x)] =
                    (x + y + odd_corner) % 2 ? 0x000000 : 0xFFFFFF;
        const BITMAPINFO format = win::top_down_32_bit_format(side, side);
        SetDIBitsToDevice(reinterpret_cast<HDC>(wparam), 0, 0, side, side, 0, 0, 0, side,
                          pixels.data(), &format, DIB_RGB_COLORS);
        return 1;
    }
    win::WindowHandle window_;
    bool on_screen_ = false;
};

} // namespace

TEST(SampleSize, ACheckerboardReadAsTheMeanOfThreeByThreeInLinearLightKeptAndStartedAgain) {
    TemporaryFolder folder;
    const Checkerboard board(700, 500);
    ASSERT_TRUE(board.on_screen());
    std::string nine_lines = "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n[loupe]\r\n"
                             "cursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n";
    std::string with_size = nine_lines;
    with_size.insert(with_size.find("[hotkey]"), "samplesize=3\r\n");
    // Around a white pixel, 3 by 3 holds five white and four black: 5/9 of the light,
    // #C5C5C5; 5 by 5 holds 13 of 25, #BFBFBF. The mean of the levels would be #8E8E8E.
    const POINT white{731, 531};
    ASSERT_EQ(Checkerboard::colour_at(white.x, white.y), RGB(255, 255, 255));

    {
        RunningProgram program(folder.path());
        const HWND main = program.wait_for_window(L"TMainform");
        ASSERT_NE(main, nullptr);
        const HWND html = tests::child_of_class(main, L"Edit", true);
        const HWND place = tests::child_of_class(main, L"Button", true);
        const auto shows = [&](HWND field, const std::string& text) {
            return wait_until([&] { return tests::asked_text(field) == text; }, 2s);
        };
        const auto history = [&] { return folder.read("history.dat"); };

        // The loupe opened and its caption clicked, so that it has the keys.
        ASSERT_NE(loupe_button(main), nullptr);
        tests::click_at(centre_of(loupe_button(main)));
        const HWND loupe = program.wait_for_window(L"TLoupeForm", 3s);
        ASSERT_NE(loupe, nullptr);
        EXPECT_EQ(tests::asked_wide_text(loupe), L" Loupe");
        tests::click_at({centre_of(loupe).x, outer(loupe).top + 4});
        SetCursorPos(white.x, white.y);
        ASSERT_TRUE(shows(html, "#FFFFFF")) << tests::asked_text(html);

        tests::press_keys({}, VK_OEM_PLUS);
        EXPECT_TRUE(
            wait_until([&] { return tests::asked_wide_text(loupe) == L" Loupe 3\u00D73"; }, 2s))
            << tests::asked_text(loupe);
        EXPECT_TRUE(shows(html, "#C5C5C5")) << tests::asked_text(html);
        // The keypad's keys, and the wheel over the loupe, step as well.
        tests::press_keys({}, VK_ADD);
        EXPECT_TRUE(shows(html, "#BFBFBF")) << tests::asked_text(html);
        EXPECT_EQ(tests::asked_wide_text(loupe), L" Loupe 5\u00D75");
        tests::press_keys({}, VK_SUBTRACT);
        EXPECT_TRUE(shows(html, "#C5C5C5")) << tests::asked_text(html);
        SetCursorPos(centre_of(loupe).x, centre_of(loupe).y);
        turn_wheel(3);
        EXPECT_TRUE(
            wait_until([&] { return tests::asked_wide_text(loupe) == L" Loupe 31\u00D731"; }, 2s))
            << tests::asked_text(loupe);
        turn_wheel(-3);
        EXPECT_TRUE(
            wait_until([&] { return tests::asked_wide_text(loupe) == L" Loupe 3\u00D73"; }, 2s))
            << tests::asked_text(loupe);

        // The caption names the centre, and the grab hotkey keeps the mean.
        SetCursorPos(white.x, white.y);
        EXPECT_TRUE(shows(place, " X : 731 Y : 531 ")) << tests::asked_text(place);
        ASSERT_TRUE(shows(html, "#C5C5C5")) << tests::asked_text(html);
        tests::press_keys({VK_CONTROL}, 'S');
        ASSERT_TRUE(wait_until([&] { return history().size() == record_size; }, 3s))
            << history().size();
        EXPECT_EQ(hex_in_record(history(), 0), "$00C5C5C5");

        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_EQ(program.wait_for_exit(), 0);
        EXPECT_EQ(folder.read("config.ini"), with_size);
    }

    // Started again, the size is in force from the first grab; back at one pixel, the file
    // is today's nine lines again.
    RunningProgram again(folder.path(), RunningProgram::StartAgain{});
    const HWND main = again.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const HWND html = tests::child_of_class(main, L"Edit", true);
    SetCursorPos(white.x, white.y);
    EXPECT_TRUE(wait_until([&] { return tests::asked_text(html) == "#C5C5C5"; }, 2s))
        << tests::asked_text(html);
    tests::click_at(centre_of(loupe_button(main)));
    const HWND loupe = again.wait_for_window(L"TLoupeForm", 3s);
    ASSERT_NE(loupe, nullptr);
    EXPECT_EQ(tests::asked_wide_text(loupe), L" Loupe 3\u00D73");
    tests::click_at({centre_of(loupe).x, outer(loupe).top + 4});
    SetCursorPos(white.x, white.y);
    tests::press_keys({}, VK_OEM_MINUS);
    EXPECT_TRUE(wait_until([&] { return tests::asked_wide_text(loupe) == L" Loupe"; }, 2s))
        << tests::asked_text(loupe);
    EXPECT_TRUE(wait_until([&] { return tests::asked_text(html) == "#FFFFFF"; }, 2s))
        << tests::asked_text(html);
    // Past the smallest size nothing changes.
    tests::press_keys({}, VK_OEM_MINUS);
    EXPECT_EQ(tests::asked_wide_text(loupe), L" Loupe");
    PostMessageW(main, WM_CLOSE, 0, 0);
    ASSERT_EQ(again.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("config.ini"), nine_lines);
}
