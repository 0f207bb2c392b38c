// Labels, bevels and images have no windows: their parents paint them and pass them the
// mouse. Checked on the real main window under Wine.

#include <gtest/gtest.h>

#include <chrono>

#include "app/main_form.h"
#include "framework/win/handles.h"
#include "pump.h"
#include "screen_reading.h"
#include "temporary_folder.h"

using namespace pipetto;
using pipetto::tests::pixels_of_colour_in;
using namespace std::chrono_literals;

namespace {

constexpr COLORREF maroon = RGB(128, 0, 0);

POINT screen_point_in(const win::GraphicControl& control, int x, int y) {
    const RECT area = control.bounds_in_parent();
    POINT point{area.left + x, area.top + y};
    ClientToScreen(control.parent_window(), &point);
    return point;
}

void click_at(POINT point) {
    SetCursorPos(point.x, point.y);
    INPUT click[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                      {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
    SendInput(2, click, sizeof(INPUT));
}

class GraphicControls : public ::testing::Test {
  protected:
    GraphicControls() {
        form.ColorPicker.SetEnabled(false); // the cursor caption stays put
        form.set_position(100, 100);
        form.show();
        tests::pump_messages(200ms);
    }

    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
};

} // namespace

TEST_F(GraphicControls, ALabelsTextIsPaintedByItsParentAndGoesWhenClearedOrHidden) {
    EXPECT_TRUE(
        tests::pump_until([&] { return pixels_of_colour_in(form.GrabLabel, maroon) > 20; }));

    form.GrabLabel.set_text("");
    EXPECT_TRUE(
        tests::pump_until([&] { return pixels_of_colour_in(form.GrabLabel, maroon) == 0; }));

    form.GrabLabel.set_text("Start/Stop: CTRL+F");
    EXPECT_TRUE(
        tests::pump_until([&] { return pixels_of_colour_in(form.GrabLabel, maroon) > 20; }));
    form.GrabLabel.set_visible(false);
    EXPECT_TRUE(
        tests::pump_until([&] { return pixels_of_colour_in(form.GrabLabel, maroon) == 0; }));
    EXPECT_FALSE(form.GrabLabel.visible());
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: CTRL+F");
}

TEST_F(GraphicControls, AGroupBoxPaintsItsLabelsOverItsOwnFrame) {
    form.PageControl.set_active_page_index(2); // Settings
    const COLORREF text = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_TRUE(tests::pump_until([&] { return pixels_of_colour_in(form.Label14, text) > 20; }));
    EXPECT_GT(pixels_of_colour_in(form.Label15, text), 20);
}

TEST_F(GraphicControls, TheSwatchImageIsPaintedInItsColourOverItsBevel) {
    form.PixelImage.fill(RGB(30, 144, 255), SIZE{32, 18});
    const int area = 32 * 18;
    EXPECT_TRUE(tests::pump_until(
        [&] { return pixels_of_colour_in(form.PixelImage, RGB(30, 144, 255)) == area; }));
    // The hidden second image is never painted, whatever its bitmap.
    form.PixelImage2.fill(RGB(30, 144, 255), SIZE{15, 18});
    tests::pump_messages(200ms);
    EXPECT_EQ(pixels_of_colour_in(form.PixelImage2, RGB(30, 144, 255)), 0);
}

TEST_F(GraphicControls, AClickOnALinkLabelFiresItsClickAndBesideItNothing) {
    int clicks = 0;
    // Nothing is opened: the address goes to a recorder instead of the shell.
    const auto shell = TUrlLabel::set_shell_open([](const std::wstring&) {});
    form.colorToolsUrl.on_click = [&] { ++clicks; };

    click_at(screen_point_in(form.colorToolsUrl, 60, 8));
    EXPECT_TRUE(tests::pump_until([&] { return clicks == 1; }));

    // Panel1 outside the label's rectangle.
    const RECT label = form.colorToolsUrl.bounds_in_parent();
    click_at(screen_point_in(form.colorToolsUrl, -(label.left - 2), 8));
    tests::pump_messages(300ms);
    EXPECT_EQ(clicks, 1);
    TUrlLabel::set_shell_open(shell);
}

TEST_F(GraphicControls, TheMouseOverALabelWithAnAddressShowsTheHand) {
    const HWND panel = form.Panel1.hwnd();
    const HCURSOR hand = LoadCursorW(nullptr, IDC_HAND);
    SetCursorPos(screen_point_in(form.colorToolsUrl, 60, 8).x,
                 screen_point_in(form.colorToolsUrl, 60, 8).y);
    SendMessageW(panel, WM_SETCURSOR, reinterpret_cast<WPARAM>(panel),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(GetCursor(), hand);

    // A plain label is plain text.
    const HWND sheet = form.GrabSheet.hwnd();
    SetCursorPos(screen_point_in(form.GrabLabel, 10, 5).x,
                 screen_point_in(form.GrabLabel, 10, 5).y);
    SendMessageW(sheet, WM_SETCURSOR, reinterpret_cast<WPARAM>(sheet),
                 MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_NE(GetCursor(), hand);
}
