// Which object a window handle belongs to: the program's own windows are found with the
// kind they are, and no window of anyone else's (a list view's header, a combo box's own
// list, a tooltip) is ever taken for one of them.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <chrono>

#include "app/main_form.h"
#include "framework/win/application.h"
#include "keyboard.h"
#include "pump.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;

namespace {

class WindowLookup : public ::testing::Test {
  protected:
    WindowLookup() {
        form.ColorPicker.SetEnabled(false);
        form.show();
        // The pages other than Grab build their controls when first shown.
        form.PageControl.set_active_page(form.AboutSheet);
        form.PageControl.set_active_page(form.HistorySheet);
        tests::pump_messages(100ms);
    }

    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
};

} // namespace

TEST_F(WindowLookup, AFormIsAWindowAndNoControlAndAControlIsAControlAndNoForm) {
    EXPECT_EQ(win::Form::of_window(form.hwnd()), &form);
    EXPECT_EQ(win::Control::from_hwnd(form.hwnd()), nullptr);
    for (win::Control* control :
         {static_cast<win::Control*>(&form.HexColor), static_cast<win::Control*>(&form.HistoryList),
          static_cast<win::Control*>(&form.GrabKey), static_cast<win::Control*>(&form.PageControl),
          static_cast<win::Control*>(&form.LoupeBtn)}) {
        ASSERT_NE(control->hwnd(), nullptr);
        EXPECT_EQ(win::Control::from_hwnd(control->hwnd()), control);
        EXPECT_EQ(win::Form::of_window(control->hwnd()), nullptr);
    }
}

TEST_F(WindowLookup, WindowsThatWindowsMakesInsideOurControlsAreNoneOfOurs) {
    const HWND header = FindWindowExW(form.HistoryList.hwnd(), nullptr, L"SysHeader32", nullptr);
    ASSERT_NE(header, nullptr);
    EXPECT_EQ(win::Control::from_hwnd(header), nullptr);
    EXPECT_EQ(win::Form::of_window(header), nullptr);

    COMBOBOXINFO combo{};
    combo.cbSize = sizeof combo;
    ASSERT_TRUE(GetComboBoxInfo(form.GrabKey.hwnd(), &combo));
    EXPECT_EQ(win::Control::from_hwnd(combo.hwndList), nullptr);

    // The hints' tooltip and the desktop.
    const HWND tooltip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr);
    ASSERT_NE(tooltip, nullptr);
    EXPECT_EQ(win::Control::from_hwnd(tooltip), nullptr);
    EXPECT_EQ(win::Control::from_hwnd(GetDesktopWindow()), nullptr);
    EXPECT_EQ(win::Control::from_hwnd(nullptr), nullptr);
}

TEST_F(WindowLookup, AControlWhoseWindowWentWithItsFormIsFoundNoMore) {
    const HWND hex = form.HexColor.hwnd();
    const HWND list = form.HistoryList.hwnd();
    DestroyWindow(form.hwnd());
    EXPECT_EQ(win::Control::from_hwnd(hex), nullptr);
    EXPECT_EQ(win::Control::from_hwnd(list), nullptr);
}

TEST_F(WindowLookup, KeysTypedOnTheFormItselfLeaveItRunning) {
    ASSERT_TRUE(tests::give_focus_to(form.hwnd()));
    SetFocus(form.hwnd());
    ASSERT_EQ(GetFocus(), form.hwnd());
    for (WORD key :
         {WORD('S'), WORD('X'), WORD('1'), WORD(VK_SPACE), WORD(VK_RETURN), WORD(VK_ESCAPE)}) {
        tests::press_keys({}, key);
        // The program's own loop, which offers every key to the form's dialog keys first.
        for (int i = 0; i < 5; ++i) {
            Sleep(10);
            win::Application::current().process_messages();
        }
    }
    EXPECT_TRUE(IsWindow(form.hwnd()));
    EXPECT_EQ(GetFocus(), form.hwnd());
}
