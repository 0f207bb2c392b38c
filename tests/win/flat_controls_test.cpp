// The colour fields of the Grab page and the engraved labels of the About page, as the
// screen shows them and as a user works them.

#include <gtest/gtest.h>

#include <chrono>

#include "app/main_form.h"
#include "framework/win/clipboard.h"
#include "mouse_input.h"
#include "pump.h"
#include "screen_reading.h"
#include "temporary_folder.h"

using namespace pipetto;
using pipetto::tests::clipboard_text;
using namespace std::chrono_literals;

namespace {

constexpr COLORREF cream = RGB(0xFF, 0xFB, 0xF0);

COLORREF window_pixel(HWND window, int x, int y) {
    win::WindowDC dc(window, win::WindowDC::Area::whole_window);
    return GetPixel(dc.get(), x, y);
}

void press_keys(std::initializer_list<WORD> keys) {
    std::vector<INPUT> inputs;
    for (WORD key : keys)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {key, 0, 0, 0, 0}}});
    for (auto key = std::rbegin(keys); key != std::rend(keys); ++key)
        inputs.push_back({INPUT_KEYBOARD, {.ki = {*key, 0, KEYEVENTF_KEYUP, 0, 0}}});
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    tests::pump_messages(150ms);
}

class FlatControls : public ::testing::Test {
  protected:
    FlatControls() {
        form.ColorPicker.SetEnabled(false);
        form.set_position(100, 100);
        form.show();
        tests::mouse_move_to({600, 600});
        tests::pump_messages(200ms);
    }

    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
};

} // namespace

TEST_F(FlatControls, AColourFieldIsCreamInsideAThinShadowBorderAndSeventeenHigh) {
    for (TFlatEdit* edit :
         {&form.HtmlColor, &form.RGBColor, &form.HexColor, &form.LongColor, &form.IdentColor}) {
        RECT outer;
        GetWindowRect(edit->hwnd(), &outer);
        EXPECT_EQ(outer.bottom - outer.top, 17); // IdentColor's layout says 19
        EXPECT_EQ(outer.right - outer.left, 97);
        RECT client;
        GetClientRect(edit->hwnd(), &client);
        EXPECT_EQ(client.right, 97 - 6);
        EXPECT_EQ(client.bottom, 11);
        // Each ticket stands 16 pixels above its edit, hidden behind what is above.
        EXPECT_EQ(edit->Ticket().bounds_in_parent().top, edit->bounds96().top - 16);
        EXPECT_TRUE(GetWindowLongPtrW(edit->hwnd(), GWL_STYLE) & ES_MULTILINE);
    }
    EXPECT_EQ(form.HexColor.Ticket().text(), "HexColor");
    EXPECT_EQ(form.IdentColor.Ticket().text(), "IdentColor");
    const HWND hex = form.HexColor.hwnd();
    const COLORREF border = GetSysColor(COLOR_BTNSHADOW);
    auto looks_flat = [&] {
        return window_pixel(hex, 0, 0) == border && window_pixel(hex, 96, 16) == border &&
               window_pixel(hex, 1, 1) == cream && window_pixel(hex, 2, 8) == cream &&
               window_pixel(hex, 94, 14) == cream;
    };
    EXPECT_TRUE(tests::pump_until(looks_flat));
    // Hovered it looks the same: focused and hot fill are cream as well.
    tests::mouse_move_to(tests::screen_point_of(hex, 40, 5));
    EXPECT_TRUE(looks_flat());
}

TEST_F(FlatControls, AClickSelectsTheWholeValueCtrlCCopiesItAndEnterInsertsNothing) {
    form.HexColor.set_text("$00F0FBFF");
    const HWND hex = form.HexColor.hwnd();
    tests::mouse_move_to(tests::screen_point_of(hex, 30, 5));
    tests::mouse_left_down();
    tests::mouse_left_up();
    EXPECT_EQ(GetFocus(), hex);
    DWORD start = 1, end = 0;
    SendMessageW(hex, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    EXPECT_EQ(end, 9u);

    {
        win::ClipboardSession clipboard(nullptr);
        clipboard.put_ansi_text("before");
    }
    press_keys({VK_CONTROL, 'C'});
    EXPECT_EQ(clipboard_text(), "$00F0FBFF");

    std::vector<wchar_t> seen;
    form.HexColor.OnKeyPress = [&](wchar_t& key) { seen.push_back(key); };
    SendMessageW(hex, EM_SETSEL, 3, 3);
    press_keys({VK_RETURN});
    EXPECT_EQ(form.HexColor.text(), "$00F0FBFF");
    EXPECT_EQ(seen, std::vector<wchar_t>{L'\r'});
    // Read-only: typing changes nothing either.
    press_keys({'A'});
    EXPECT_EQ(form.HexColor.text(), "$00F0FBFF");
}

TEST_F(FlatControls, TheAboutLabelsAreSizedToTheirLinesAndEngraved) {
    form.PageControl.set_active_page_index(3); // About
    EXPECT_EQ(form.LabelFill1.bounds_in_parent().bottom - form.LabelFill1.bounds_in_parent().top,
              14);
    EXPECT_EQ(form.LabelFill3.bounds_in_parent().bottom - form.LabelFill3.bounds_in_parent().top,
              25);
    EXPECT_EQ(form.LabelFill5.bounds_in_parent().bottom - form.LabelFill5.bounds_in_parent().top,
              36);
    // An empty caption keeps the height of one line.
    form.LabelFill4.set_text("");
    EXPECT_EQ(form.LabelFill4.bounds_in_parent().bottom - form.LabelFill4.bounds_in_parent().top,
              14);
    form.LabelFill4.set_text("Pipetto is published by:");

    const TLabelFill& label = form.LabelFill4;
    const RECT area = label.bounds_in_parent();
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    auto engraved_pixels = [&] {
        win::WindowDC dc(label.parent_window());
        int count = 0;
        for (int y = area.top; y < area.bottom - 1; ++y)
            for (int x = area.left; x < area.right - 1; ++x)
                count +=
                    GetPixel(dc.get(), x, y) == text && GetPixel(dc.get(), x + 1, y + 1) == light;
        return count;
    };
    EXPECT_TRUE(tests::pump_until([&] { return engraved_pixels() > 10; }));
}
