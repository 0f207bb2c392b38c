// The loupe as the user meets it under Wine: where it opens, the magnified pixels and the
// cross, freezing with its hotkey, and the frozen picture surviving a repaint.

#include <gtest/gtest.h>

#include <chrono>

#include "app/main_form.h"
#include "framework/win/handles.h"
#include "keyboard.h"
#include "loupe/loupe_form.h"
#include "pump.h"
#include "solid_window.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;

namespace {

constexpr COLORREF blue = RGB(30, 144, 255);
constexpr COLORREF grey = RGB(128, 128, 128);
constexpr COLORREF black = RGB(0, 0, 0);

class Loupe : public ::testing::Test {
  protected:
    Loupe() {
        main.LoupeForm = &loupe;
        main.ColorPicker.SetEnabled(false);
    }

    // What the loupe shows at a point of its client area.
    COLORREF shown_at(int x, int y) const {
        win::WindowDC dc(loupe.hwnd());
        return GetPixel(dc.get(), x, y);
    }
    bool comes_to_show(int x, int y, COLORREF colour) const {
        return tests::pump_until([&] { return shown_at(x, y) == colour; }, 2000ms);
    }

    tests::TemporaryFolder folder;
    TMainform main{folder.path(), false};
    TLoupeForm loupe{main.CursorCheckBox};
};

} // namespace

TEST_F(Loupe, IsAHiddenToolWindowWithItsLabelAndOpensBesideTheMainWindow) {
    // Until it is first needed there is no window, but the hotkey and the timer are there.
    EXPECT_EQ(loupe.hwnd(), nullptr);
    EXPECT_TRUE(loupe.GlobalHotKey.Registered());
    EXPECT_TRUE(loupe.Timer.Enabled());
    loupe.build_window();
    EXPECT_FALSE(loupe.visible());
    EXPECT_EQ(loupe.caption(), " Loupe");
    EXPECT_TRUE(GetWindowLongPtrW(loupe.hwnd(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
    RECT client;
    GetClientRect(loupe.hwnd(), &client);
    EXPECT_EQ(client.right, 130);
    EXPECT_EQ(client.bottom, 130);
    RECT label;
    GetWindowRect(loupe.LoupeLabel.hwnd(), &label);
    MapWindowPoints(HWND_DESKTOP, loupe.hwnd(), reinterpret_cast<POINT*>(&label), 2);
    EXPECT_EQ(label.top, 113);
    EXPECT_EQ(label.bottom, 130);
    EXPECT_EQ(label.right, 130);
    EXPECT_EQ(loupe.LoupeLabel.text(), "Start/Stop : CTRL+A");
    EXPECT_TRUE(loupe.Timer.Enabled());
    EXPECT_EQ(loupe.Timer.Interval(), 30u);

    main.FrontCheckBox.set_checked(false);
    main.set_position(500, 300);
    main.show();
    main.LoupeBtnClick();
    EXPECT_TRUE(loupe.visible());
    EXPECT_EQ(loupe.left(), 360);
    EXPECT_EQ(loupe.top(), 403);
    EXPECT_FALSE(loupe.always_on_top());

    // 140 is no room to the left: it opens to the right, 5 pixels apart. A click while it
    // is shown places it again, in the style the main window has now.
    main.FrontCheckBox.set_checked(true);
    main.set_position(140, 50);
    main.LoupeBtnClick();
    EXPECT_EQ(loupe.left(), 140 + main.outer_width() + 5);
    EXPECT_EQ(loupe.top(), 153);
    EXPECT_TRUE(loupe.always_on_top());

    // The close box hides it; the button brings it back.
    loupe.close();
    EXPECT_FALSE(loupe.visible());
    ASSERT_NE(loupe.hwnd(), nullptr);
    main.LoupeBtnClick();
    EXPECT_TRUE(loupe.visible());
}

TEST_F(Loupe, BesideAMainWindowLowOnTheScreenItOpensWhollyOnTheScreenInstead) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    // 103 pixels below the main window's top is below the screen's bottom.
    main.set_position(300, work.bottom - 60);
    main.show();
    main.LoupeBtnClick();
    ASSERT_TRUE(loupe.visible());
    RECT outer;
    GetWindowRect(loupe.hwnd(), &outer);
    EXPECT_EQ(outer.left, 160);
    EXPECT_EQ(outer.bottom, work.bottom);
}

TEST_F(Loupe, MagnifiesTheSquareAroundTheCursorAndDrawsTheCrossWhileTheBoxIsChecked) {
    tests::SolidWindow left(blue, 500, 400), right(grey, 560, 400);
    ASSERT_TRUE(left.on_screen() && right.on_screen());
    main.set_position(100, 100);
    main.LoupeBtnClick();
    // The cursor's pixel, the first grey one, is the square's 16th column: destination
    // columns 65 on (15 * 130 / 30) show it, 64 still shows the blue one before it.
    SetCursorPos(560, 430);
    ASSERT_TRUE(tests::pump_until([&] { return shown_at(65, 40) == grey; }));
    EXPECT_EQ(shown_at(64, 40), blue);
    EXPECT_EQ(shown_at(0, 0), blue);
    EXPECT_EQ(shown_at(129, 100), grey);
    // The cross: 11 pixels each way around (65, 65).
    for (int d = -5; d <= 5; ++d) {
        EXPECT_EQ(shown_at(65 + d, 65), black) << d;
        EXPECT_EQ(shown_at(65, 65 + d), black) << d;
    }
    EXPECT_EQ(shown_at(59, 65), blue);
    EXPECT_EQ(shown_at(71, 65), grey);

    main.CursorCheckBox.set_checked(false);
    EXPECT_TRUE(comes_to_show(65, 65, grey));
    EXPECT_EQ(shown_at(60, 65), blue);
    main.CursorCheckBox.set_checked(true);
    EXPECT_TRUE(comes_to_show(65, 65, black));
}

TEST_F(Loupe, ItsHotKeyFreezesThePictureWhichSurvivesAnUncoverAndResumes) {
    tests::SolidWindow blue_patch(blue, 500, 400), grey_patch(grey, 700, 400);
    ASSERT_TRUE(blue_patch.on_screen() && grey_patch.on_screen());
    main.CursorCheckBox.set_checked(false);
    main.set_position(400, 100);
    main.show();
    main.LoupeBtnClick();
    SetCursorPos(530, 430);
    ASSERT_TRUE(comes_to_show(65, 65, blue));

    // Wine hands hotkeys to the program only while one of its windows has the focus.
    ASSERT_TRUE(tests::give_focus_to(main.hwnd()));
    tests::press_keys({VK_CONTROL}, 'A');
    ASSERT_TRUE(tests::pump_until([&] { return !loupe.Timer.Enabled(); }));
    SetCursorPos(730, 430);
    tests::pump_messages(200ms);
    EXPECT_EQ(shown_at(65, 65), blue);

    // Covered and uncovered, and hidden and shown again: the frozen picture comes back.
    {
        tests::SolidWindow cover(grey, loupe.left(), loupe.top());
        ASSERT_TRUE(cover.on_screen());
    }
    tests::pump_messages(200ms);
    EXPECT_EQ(shown_at(65, 65), blue);
    EXPECT_EQ(shown_at(20, 20), blue);
    loupe.close();
    main.LoupeBtnClick();
    tests::pump_messages(200ms);
    EXPECT_EQ(shown_at(65, 65), blue);

    ASSERT_TRUE(tests::give_focus_to(main.hwnd()));
    tests::press_keys({VK_CONTROL}, 'A');
    EXPECT_TRUE(comes_to_show(65, 65, grey));
    EXPECT_TRUE(loupe.Timer.Enabled());
}

TEST_F(Loupe, BeyondTheScreensEdgeTheSquareShowsTheWindowsColour) {
    tests::SolidWindow corner(blue, 0, 0);
    ASSERT_TRUE(corner.on_screen());
    main.CursorCheckBox.set_checked(false);
    main.set_position(600, 300);
    main.LoupeBtnClick();
    // 15 columns and rows of the square lie left of and above the screen.
    SetCursorPos(0, 0);
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    ASSERT_TRUE(tests::pump_until([&] { return shown_at(10, 10) == face; }));
    EXPECT_EQ(shown_at(65, 65), blue);
    EXPECT_EQ(shown_at(10, 10), face);
    EXPECT_EQ(shown_at(64, 100), face);
    EXPECT_EQ(shown_at(100, 64), face);
    EXPECT_EQ(shown_at(100, 100), blue);
    // One column beyond the edge: the rest of the square is the screen's.
    SetCursorPos(14, 14);
    EXPECT_TRUE(comes_to_show(10, 10, blue));
    EXPECT_EQ(shown_at(2, 2), face);
}

TEST_F(Loupe, ArrowKeysStepTheCursorAPixelOrTenAndTheGrabPageAndPictureFollowBeforeAnyTick) {
    tests::SolidWindow blue_patch(blue, 500, 400), grey_patch(grey, 560, 400);
    ASSERT_TRUE(blue_patch.on_screen() && grey_patch.on_screen());
    main.CursorCheckBox.set_checked(false);
    main.set_position(100, 100);
    main.show();
    main.LoupeBtnClick();
    // Grabbing and updating, but neither the sampler nor the loupe ticks any more: what
    // the page and the picture show after a step comes from the step itself.
    main.ColorPicker.SetEnabled(true);
    main.ColorPicker.SetOnTimer(nullptr);
    loupe.Timer.SetOnTimer(nullptr);
    ASSERT_TRUE(tests::give_focus_to(loupe.hwnd()));
    SetCursorPos(559, 430);
    const auto cursor_is = [](int x, int y) {
        return tests::pump_until([&] {
            POINT at{};
            GetCursorPos(&at);
            return at.x == x && at.y == y;
        });
    };

    tests::press_keys({}, VK_RIGHT);
    ASSERT_TRUE(cursor_is(560, 430));
    EXPECT_TRUE(tests::pump_until([&] { return main.CursorLabel.text() == " X : 560 Y : 430 "; }));
    EXPECT_EQ(main.HtmlColor.text(), "#808080");
    EXPECT_TRUE(comes_to_show(65, 65, grey));
    EXPECT_EQ(shown_at(64, 65), blue);

    tests::press_keys({VK_SHIFT}, VK_LEFT);
    ASSERT_TRUE(cursor_is(550, 430));
    EXPECT_TRUE(tests::pump_until([&] { return main.HtmlColor.text() == "#1E90FF"; }));
    EXPECT_TRUE(comes_to_show(65, 65, blue));
    tests::press_keys({}, VK_DOWN);
    tests::press_keys({VK_SHIFT}, VK_UP);
    EXPECT_TRUE(cursor_is(550, 421));
    EXPECT_EQ(main.CursorLabel.text(), " X : 550 Y : 421 ");

    // The virtual screen's edges hold the cursor.
    const int right = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    SetCursorPos(right - 3, top + 4);
    tests::press_keys({VK_SHIFT}, VK_RIGHT);
    EXPECT_TRUE(cursor_is(right - 1, top + 4));
    tests::press_keys({VK_SHIFT}, VK_UP);
    EXPECT_TRUE(cursor_is(right - 1, top));
}

TEST_F(Loupe, PlusAndMinusSetTheSampleSizeWhichIsOutlinedAndReadOnlyWhereTheScreenIs) {
    tests::SolidWindow blue_patch(blue, 500, 400), grey_corner(grey, 0, 0);
    ASSERT_TRUE(blue_patch.on_screen() && grey_corner.on_screen());
    main.CursorCheckBox.set_checked(false);
    main.set_position(100, 100);
    main.show();
    main.LoupeBtnClick();
    main.ColorPicker.SetEnabled(true);
    main.ColorPicker.SetOnTimer(nullptr);
    ASSERT_TRUE(tests::give_focus_to(loupe.hwnd()));
    SetCursorPos(530, 430);
    ASSERT_TRUE(comes_to_show(61, 61, blue));

    // 3 by 3: source columns and rows 14 to 16, shown from 61 (14 * 130 / 30, rounded up)
    // to 73: a black line on the outermost pixels and a white one inside it.
    tests::press_keys({}, VK_OEM_PLUS);
    ASSERT_TRUE(tests::pump_until([&] { return main.ColorPicker.SampleSize() == 3; }));
    EXPECT_EQ(loupe.caption(), " Loupe 3\xC3\x97"
                               "3");
    EXPECT_TRUE(comes_to_show(61, 61, black));
    for (int d = 61; d <= 73; ++d) {
        EXPECT_EQ(shown_at(61, d), black) << d;
        EXPECT_EQ(shown_at(d, 73), black) << d;
    }
    EXPECT_EQ(shown_at(62, 62), RGB(255, 255, 255));
    EXPECT_EQ(shown_at(72, 67), RGB(255, 255, 255));
    EXPECT_EQ(shown_at(67, 67), blue);
    EXPECT_EQ(shown_at(60, 67), blue);

    // At the screen's top-left corner only a quarter of 11 by 11 lies on it: that quarter's
    // colour, with no black from beyond the edge.
    tests::press_keys({}, VK_ADD);
    tests::press_keys({}, VK_ADD);
    ASSERT_TRUE(tests::pump_until([&] { return main.ColorPicker.SampleSize() == 11; }));
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN), top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    ASSERT_EQ(left, 0);
    ASSERT_EQ(top, 0);
    SetCursorPos(0, 0);
    main.ColorPickerIdle();
    EXPECT_EQ(main.HtmlColor.text(), "#808080");
    EXPECT_EQ(main.CursorLabel.text(), " X : 0 Y : 0 ");

    // Back down past the smallest size, where the outline goes.
    SetCursorPos(530, 430);
    for (int i = 0; i < 4; ++i)
        tests::press_keys({}, VK_OEM_MINUS);
    ASSERT_TRUE(tests::pump_until([&] { return main.ColorPicker.SampleSize() == 1; }));
    EXPECT_EQ(loupe.caption(), " Loupe");
    EXPECT_TRUE(comes_to_show(61, 61, blue));
}
