// The glyph buttons of the main window under a real mouse: their looks read back from the
// screen, their clicks, cursor, hint and the rules of their glyphs and kinds.

#include <gtest/gtest.h>

#include <chrono>

#include "app/main_form.h"
#include "framework/win/application.h"
#include "mouse_input.h"
#include "pump.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::mouse_left_down;
using tests::mouse_left_up;
using tests::mouse_move_to;
using tests::pixel_of;
using tests::screen_point_of;

namespace {

const COLORREF face = GetSysColor(COLOR_BTNFACE);
const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
// The text lines of the copy glyph, which start 8 pixels into it.
constexpr COLORREF grey_lines = RGB(160, 160, 160);
constexpr COLORREF blue_lines = RGB(70, 110, 220);
constexpr int lines_left = 8;
constexpr COLORREF magenta = RGB(255, 0, 255);

struct Corners {
    COLORREF top_left, top_right, bottom_left, bottom_right;
};

Corners corners_of(const TGlyphButton& button) {
    RECT client;
    GetClientRect(button.hwnd(), &client);
    const HWND window = button.hwnd();
    return {pixel_of(window, 0, 0), pixel_of(window, client.right - 1, 0),
            pixel_of(window, 0, client.bottom - 1),
            pixel_of(window, client.right - 1, client.bottom - 1)};
}

// The leftmost column of the button that shows `colour`, -1 if none.
int leftmost_column_of(const TGlyphButton& button, COLORREF colour) {
    RECT client;
    GetClientRect(button.hwnd(), &client);
    win::WindowDC dc(button.hwnd());
    for (int x = 0; x < client.right; ++x)
        for (int y = 0; y < client.bottom; ++y)
            if (GetPixel(dc.get(), x, y) == colour)
                return x;
    return -1;
}

int count_of(HWND window, COLORREF colour) {
    RECT client;
    GetClientRect(window, &client);
    win::WindowDC dc(window);
    int count = 0;
    for (int x = 0; x < client.right; ++x)
        for (int y = 0; y < client.bottom; ++y)
            count += GetPixel(dc.get(), x, y) == colour;
    return count;
}

POINT centre_of(const TGlyphButton& button) {
    RECT client;
    GetClientRect(button.hwnd(), &client);
    return screen_point_of(button.hwnd(), client.right / 2, client.bottom / 2);
}

win::Bitmap bitmap_of(int width, int height) {
    win::WindowDC screen(nullptr);
    return win::Bitmap(CreateCompatibleBitmap(screen.get(), width, height));
}

class GlyphButtons : public ::testing::Test {
  protected:
    GlyphButtons() {
        form.ColorPicker.SetEnabled(false);
        form.set_position(100, 100);
        form.show();
        mouse_move_to({600, 600});
        tests::pump_messages(200ms);
    }

    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
};

} // namespace

TEST_F(GlyphButtons, PressingSlidingOffAndComingBackGivesOneClickOnTheRelease) {
    TGlyphButton& button = form.HtmlCopyBtn; // 20 by 18
    int clicks = 0;
    button.on_click = [&] { ++clicks; };

    // At rest: no frame, the grey glyph two pixels in, its magenta in the face colour.
    EXPECT_EQ(corners_of(button).top_left, face);
    EXPECT_EQ(leftmost_column_of(button, grey_lines), 2 + lines_left);
    EXPECT_EQ(count_of(button.hwnd(), magenta), 0);

    // Hot: a raised frame whose top-right and bottom-left corners take the dark colour,
    // the blue glyph in the same place, and the hand.
    mouse_move_to(centre_of(button));
    Corners hot = corners_of(button);
    EXPECT_EQ(hot.top_left, highlight);
    EXPECT_EQ(hot.top_right, shadow);
    EXPECT_EQ(hot.bottom_left, shadow);
    EXPECT_EQ(hot.bottom_right, shadow);
    EXPECT_EQ(leftmost_column_of(button, blue_lines), 2 + lines_left);
    EXPECT_EQ(leftmost_column_of(button, grey_lines), -1);
    EXPECT_EQ(button.Cursor(), 1);
    EXPECT_NE(win::Application::current().cursor(1), LoadCursorW(nullptr, IDC_ARROW));

    // Pressed: the frame sunken, the glyph a pixel right and down; no click yet.
    mouse_left_down();
    Corners pressed = corners_of(button);
    EXPECT_EQ(pressed.top_left, shadow);
    EXPECT_EQ(pressed.top_right, highlight);
    EXPECT_EQ(pressed.bottom_left, highlight);
    EXPECT_EQ(leftmost_column_of(button, blue_lines), 3 + lines_left);
    EXPECT_EQ(clicks, 0);

    // Sliding off brings back the resting look and the arrow; releasing there clicks nothing.
    mouse_move_to(screen_point_of(button.hwnd(), -30, 9));
    EXPECT_EQ(corners_of(button).top_left, face);
    EXPECT_EQ(leftmost_column_of(button, grey_lines), 2 + lines_left);
    EXPECT_EQ(button.Cursor(), 0);
    mouse_left_up();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(corners_of(button).top_left, face);

    // Pressed again, off and back before the release: hot again, and the release clicks once.
    mouse_move_to(centre_of(button));
    mouse_left_down();
    mouse_move_to(screen_point_of(button.hwnd(), -30, 9));
    mouse_move_to(centre_of(button));
    EXPECT_EQ(corners_of(button).top_left, highlight);
    mouse_left_up();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(corners_of(button).top_left, highlight); // hot after the release

    // A double click is two clicks.
    mouse_left_down();
    mouse_left_up();
    mouse_left_down();
    mouse_left_up();
    EXPECT_EQ(clicks, 3);
}

TEST_F(GlyphButtons, ASeventeenPixelButtonMovesItsGlyphOnePixelWhenHot) {
    form.PageControl.set_active_page_index(1); // History
    tests::pump_messages(200ms);
    TGlyphButton& button = form.HexCopyBtn2; // 17 by 18
    // (17 - 16) / 2 = 0 at rest; hot, the frame takes a pixel and (15 - 16) / 2 truncates to 0.
    EXPECT_EQ(leftmost_column_of(button, grey_lines), 0 + lines_left);
    mouse_move_to(centre_of(button));
    EXPECT_EQ(leftmost_column_of(button, blue_lines), 1 + lines_left);
    // Without the button holding the mouse, Wine tells of the leave a moment later.
    mouse_move_to({600, 600});
    EXPECT_TRUE(tests::pump_until([&] { return leftmost_column_of(button, grey_lines) >= 0; }));
    EXPECT_EQ(leftmost_column_of(button, grey_lines), 0 + lines_left);
}

TEST_F(GlyphButtons, ACaptionOnlyButtonsCaptionTurnsBlueUnderThePointerAndBack) {
    TGlyphButton button;
    button.set_bounds96({10, 200, 75, 21});
    button.create(form.GrabSheet.hwnd(), "Export", {}, 96);
    win::Font bold(
        CreateFontW(-9, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    button.set_font(bold.get());
    SetWindowPos(button.hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    tests::pump_messages(200ms);
    const COLORREF blue = RGB(0, 0, 255), text = GetSysColor(COLOR_WINDOWTEXT);
    EXPECT_GT(count_of(button.hwnd(), text), 20);
    EXPECT_EQ(count_of(button.hwnd(), blue), 0);

    mouse_move_to(centre_of(button));
    EXPECT_GT(count_of(button.hwnd(), blue), 20);
    EXPECT_EQ(count_of(button.hwnd(), text), 0);
    // A repaint while hovered draws no frame but keeps the blue caption.
    RedrawWindow(button.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    EXPECT_EQ(corners_of(button).top_left, face);
    EXPECT_GT(count_of(button.hwnd(), blue), 20);

    mouse_move_to({600, 600});
    EXPECT_TRUE(tests::pump_until([&] { return count_of(button.hwnd(), blue) == 0; }));
    EXPECT_GT(count_of(button.hwnd(), text), 20);
}

TEST_F(GlyphButtons, GlyphWidthsGiveTheirCellCountsAndKindsTheirPicturesAndKeys) {
    TGlyphButton& button = form.LoupeBtn;
    EXPECT_EQ(button.NumGlyphs(), 1); // the 12 by 12 loupe
    const win::Bitmap w40 = bitmap_of(40, 16), w64 = bitmap_of(64, 16), w80 = bitmap_of(80, 16),
                      w8 = bitmap_of(8, 16), w16 = bitmap_of(16, 16);
    button.SetNumGlyphs(3);
    button.SetGlyph(w40.get());
    EXPECT_EQ(button.NumGlyphs(), 3); // 40 / 16 is neither below 2 nor whole
    button.SetGlyph(w64.get());
    EXPECT_EQ(button.NumGlyphs(), 4);
    button.SetGlyph(w80.get());
    EXPECT_EQ(button.NumGlyphs(), 1); // five cells are more than a button has
    button.SetGlyph(w8.get());
    EXPECT_EQ(button.NumGlyphs(), 1);

    button.SetButtonKind(skOK);
    EXPECT_EQ(button.text(), "OK");
    EXPECT_EQ(button.Glyph().width, 18);
    EXPECT_EQ(button.GlyphHot().height, 18);
    EXPECT_TRUE(button.Default());
    EXPECT_FALSE(button.Cancel());
    button.SetButtonKind(skSilly);
    EXPECT_EQ(button.Glyph().width, 19);
    EXPECT_FALSE(button.Default());
    button.SetButtonKind(skNo);
    EXPECT_TRUE(button.Cancel());
    button.SetGlyph(w16.get());
    EXPECT_EQ(button.ButtonKind(), skCustom);

    // Escape clicks the Cancel button, Enter the Default one; "&No" answers its letter.
    int clicks = 0;
    button.on_click = [&] { ++clicks; };
    MSG escape{button.hwnd(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(win::is_dialog_key_message(escape));
    MSG enter{button.hwnd(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_FALSE(win::is_dialog_key_message(enter));
    button.SetDefault(true);
    EXPECT_TRUE(win::is_dialog_key_message(enter));
    MSG letter{button.hwnd(), WM_SYSCHAR, L'n', 0, 0, {}};
    EXPECT_TRUE(win::is_dialog_key_message(letter));
    EXPECT_EQ(clicks, 3);
    // The copy buttons take neither key.
    button.SetDefault(false);
    button.SetCancel(false);
    EXPECT_FALSE(win::is_dialog_key_message(escape));
    EXPECT_FALSE(win::is_dialog_key_message(enter));

    button.SetVersion("9.9");
    EXPECT_EQ(button.Version(), TGlyphButton().Version());
}

TEST_F(GlyphButtons, ADisabledCopyButtonShowsItsGlyphEmbossedAndIgnoresThePointer) {
    TGlyphButton& button = form.RgbCopyBtn;
    int clicks = 0;
    button.on_click = [&] { ++clicks; };
    button.SetEnabled(false);
    tests::pump_messages(200ms);
    EXPECT_EQ(leftmost_column_of(button, grey_lines), -1);
    EXPECT_GT(count_of(button.hwnd(), shadow), 10);
    EXPECT_GT(count_of(button.hwnd(), highlight), 10);
    mouse_move_to(centre_of(button));
    mouse_left_down();
    mouse_left_up();
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(corners_of(button).top_left, face);
}

TEST_F(GlyphButtons, ThePixelCopyHintHasTwoLinesAndTheOthersOne) {
    EXPECT_EQ(form.PixelCopyBtn.Hint(), "Copy to Clipboard\r...for use in graphical tools!!");
    EXPECT_EQ(form.HexCopyBtn.Hint(), "Copy to Clipboard");
    EXPECT_EQ(form.LoupeBtn.Hint(), "Open Loupe");
    EXPECT_FALSE(form.PixelCopyBtn.PlayMusic());
    EXPECT_EQ(form.PixelCopyBtn.ButtonStyle(), stFlat);
}
