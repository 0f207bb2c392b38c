// Choosing the two hotkeys on the Settings page, and the grab hotkey at work: the real main
// window and loupe under Wine, with real key presses and registrations.

#include <gtest/gtest.h>

#include <chrono>

#include "app/main_form.h"
#include "app/web_addresses.h"
#include "hotkey_holder.h"
#include "keyboard.h"
#include "loupe/loupe_form.h"
#include "message_box_watcher.h"
#include "pump.h"
#include "solid_window.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::MessageBoxWatcher;
using tests::TemporaryFolder;

namespace {

constexpr char held_message_end[] =
    " is used by another program. Please choose another one on the Settings page.";

// Selects an entry as the user does, on the Settings page: the list tells its parent that
// the selection changed.
void choose(TMainform& form, win::ComboBox& list, int index) {
    form.PageControl.set_active_page(form.AboutSheet);
    list.set_item_index(index);
    SendMessageW(GetParent(list.hwnd()), WM_COMMAND, MAKEWPARAM(0, CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.hwnd()));
}

std::string held_message(const std::string& entry) {
    return "The hotkey " + entry + held_message_end;
}

struct Windows {
    explicit Windows(const std::filesystem::path& folder)
        : main(folder, false), loupe(main.CursorCheckBox) {
        main.LoupeForm = &loupe;
    }
    TMainform main;
    TLoupeForm loupe;
};

} // namespace

TEST(HotKeyChoice, TheTwoListsNeverNameTheSameCombinationAndTheLabelsFollow) {
    TemporaryFolder folder;
    Windows windows(folder.path());
    TMainform& form = windows.main;
    EXPECT_EQ(form.GlobalHotKey.HotKey(), 16467);
    EXPECT_TRUE(form.GlobalHotKey.Registered());
    EXPECT_EQ(windows.loupe.GlobalHotKey.HotKey(), 16449);

    // The loupe has CTRL+A: grabbing moves on to CTRL+B, without a second change event.
    int grab_changes = 0;
    const auto grab_change = form.GrabKey.on_change;
    form.GrabKey.on_change = [&] {
        ++grab_changes;
        grab_change();
    };
    choose(form, form.GrabKey, 0);
    EXPECT_EQ(grab_changes, 1);
    EXPECT_EQ(form.GrabKey.selected_text(), "CTRL+B");
    EXPECT_EQ(form.GlobalHotKey.HotKey(), 0x4042);
    EXPECT_TRUE(form.GlobalHotKey.Registered());
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: CTRL+B");

    choose(form, form.GrabKey, 80);
    EXPECT_EQ(form.GrabKey.selected_text(), "Shift+F5");
    EXPECT_EQ(form.GlobalHotKey.HotKey(), 0x2074);
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: Shift+F5");

    // The loupe's list meets grabbing's: it moves to the entry before, or to 1 from 0.
    choose(form, form.GrabKey, 18);
    choose(form, form.LoupeKey, 18);
    EXPECT_EQ(form.LoupeKey.selected_text(), "CTRL+R");
    EXPECT_EQ(windows.loupe.GlobalHotKey.HotKey(), 0x4052);
    EXPECT_EQ(windows.loupe.LoupeLabel.text(), "Start/Stop : CTRL+R");
    choose(form, form.GrabKey, 0);
    choose(form, form.LoupeKey, 0);
    EXPECT_EQ(form.LoupeKey.selected_text(), "CTRL+B");
    EXPECT_EQ(windows.loupe.LoupeLabel.text(), "Start/Stop : CTRL+B");
}

TEST(HotKeyChoice, HotkeysChosenOnTheSettingsPageWhenFirstOpenedWorkAtOnce) {
    TemporaryFolder folder;
    Windows windows(folder.path());
    TMainform& form = windows.main;
    form.show();
    EXPECT_FALSE(form.AboutSheet.contents_built());
    choose(form, form.GrabKey, 6);   // CTRL+G
    choose(form, form.LoupeKey, 11); // CTRL+L
    ASSERT_TRUE(tests::give_focus_to(form.hwnd()));

    tests::press_keys({VK_CONTROL}, 'G');
    ASSERT_TRUE(tests::pump_until([&] { return !form.ColorPicker.Enabled(); }));
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: CTRL+G");
    tests::press_keys({VK_CONTROL}, 'L');
    ASSERT_TRUE(tests::pump_until([&] { return !windows.loupe.Timer.Enabled(); }));
    // The combinations left behind are free again: pressing them does nothing here.
    tests::press_keys({VK_CONTROL}, 'S');
    tests::press_keys({VK_CONTROL}, 'A');
    tests::pump_messages(200ms);
    EXPECT_FALSE(form.ColorPicker.Enabled());
    EXPECT_FALSE(windows.loupe.Timer.Enabled());
}

TEST(HotKeyChoice, LoadAppliesTheStoredGrabHotKeyAndTheLoupeKeepsCtrlAUntilOpened) {
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                               "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=5\r\nloupe=54\r\n");
    Windows windows(folder.path());
    EXPECT_EQ(windows.main.GlobalHotKey.HotKey(), 0x4046); // Ctrl+F
    EXPECT_TRUE(windows.main.GlobalHotKey.Registered());
    EXPECT_EQ(windows.loupe.GlobalHotKey.HotKey(), 0x4041);
    EXPECT_EQ(windows.loupe.hwnd(), nullptr); // built when first opened
    windows.loupe.build_window();
    EXPECT_EQ(windows.loupe.LoupeLabel.text(), "Start/Stop : CTRL+A");

    windows.main.LoupeBtnClick();
    EXPECT_EQ(windows.loupe.GlobalHotKey.HotKey(), 0x0072); // F3
    EXPECT_EQ(windows.loupe.LoupeLabel.text(), "Start/Stop : F3");
}

TEST(HotKeyChoice, StopResumeStopOnAPaintedColourKeepsOneEntryAndTheLinkItsAddress) {
    tests::SolidWindow blue(RGB(30, 144, 255), 500, 400);
    ASSERT_TRUE(blue.on_screen());
    TemporaryFolder folder;
    TMainform form(folder.path(), false);
    form.set_position(100, 100);
    form.show();
    // Wine hands hotkeys to the program only while one of its windows has the focus.
    ASSERT_TRUE(tests::give_focus_to(form.hwnd()));
    const auto shell = TUrlLabel::set_shell_open([](const std::wstring&) {});
    EXPECT_EQ(form.colorToolsUrl.Url, color_tools_address);
    SetCursorPos(530, 430);
    ASSERT_TRUE(tests::pump_until([&] { return form.HtmlColor.text() == "#1E90FF"; }));

    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(tests::pump_until([&] { return !form.ColorPicker.Enabled(); }));
    ASSERT_EQ(form.HistoryList.row_count(), 1);
    const std::string address = std::string(color_tools_address) + "?color=1E90FF";
    EXPECT_EQ(form.colorToolsUrl.Url, address);
    EXPECT_EQ(form.colorToolsUrl.text(), "Open Online Color-Tool");
    // The page is frozen: the cursor moves on, the page stays.
    SetCursorPos(700, 700);
    tests::pump_messages(300ms);
    EXPECT_EQ(form.HtmlColor.text(), "#1E90FF");
    EXPECT_EQ(form.CursorLabel.text(), " X : 530 Y : 430 ");
    EXPECT_EQ(&form.PageControl.active_page(), &form.GrabSheet);

    SetCursorPos(530, 430);
    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(tests::pump_until([&] { return form.ColorPicker.Enabled(); }));
    tests::pump_messages(250ms);
    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(tests::pump_until([&] { return !form.ColorPicker.Enabled(); }));
    EXPECT_EQ(form.HistoryList.row_count(), 1);
    EXPECT_EQ(form.colorToolsUrl.Url, address);
    TUrlLabel::set_shell_open(shell);
}

TEST(HotKeyChoice, AChosenCombinationAnotherProgramHoldsIsToldAtOnceAndTheChoiceStays) {
    tests::HotKeyHolder holder(MOD_CONTROL | MOD_ALT, 'Q');
    ASSERT_TRUE(holder.holds());
    TemporaryFolder folder;
    Windows windows(folder.path());
    MessageBoxWatcher boxes;

    choose(windows.main, windows.main.GrabKey, 42); // CTRL+ALT+Q
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].title, "Pipetto 2.0");
    EXPECT_EQ(boxes.messages()[0].text, held_message("CTRL+ALT+Q"));
    EXPECT_EQ(windows.main.GrabKey.selected_text(), "CTRL+ALT+Q");
    EXPECT_EQ(windows.main.GrabLabel.text(), "Start/Stop: CTRL+ALT+Q");
    EXPECT_FALSE(windows.main.GlobalHotKey.Registered());

    choose(windows.main, windows.main.LoupeKey, 42); // meets grabbing's: CTRL+ALT+P
    choose(windows.main, windows.main.LoupeKey, 43); // CTRL+ALT+R is free
    EXPECT_EQ(boxes.messages().size(), 1u);
    choose(windows.main, windows.main.GrabKey, 18);
    EXPECT_TRUE(windows.main.GlobalHotKey.Registered());
    choose(windows.main, windows.main.LoupeKey, 42);
    ASSERT_EQ(boxes.messages().size(), 2u);
    EXPECT_EQ(boxes.messages()[1].text, held_message("CTRL+ALT+Q"));
    EXPECT_EQ(windows.loupe.LoupeLabel.text(), "Start/Stop : CTRL+ALT+Q");
}

TEST(HotKeyChoice, AtStartUpAHeldGrabHotKeyIsToldOnceOverTheWindowAndTheProgramRunsOn) {
    tests::HotKeyHolder holder(MOD_CONTROL, 'F');
    ASSERT_TRUE(holder.holds());
    TemporaryFolder folder;
    // Grabbing takes CTRL+A here, which the loupe then can't have: that stays silent.
    folder.write("config.ini", "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                               "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=5\r\nloupe=0\r\n");
    MessageBoxWatcher boxes;
    Windows windows(folder.path());
    EXPECT_TRUE(boxes.messages().empty()); // not before the window is up
    windows.main.show();
    tests::pump_messages(300ms);
    ASSERT_EQ(boxes.texts(), std::vector<std::string>{held_message("CTRL+F")});
    EXPECT_TRUE(windows.main.ColorPicker.Enabled());
}

TEST(HotKeyChoice, OpeningTheLoupeWithAHeldHotKeyTellsItOnce) {
    TemporaryFolder folder;
    // Stored choices that meet, as the Settings page never lets them: read through its rule,
    // the loupe gets CTRL+B, and Pipetto's own grab hotkey is never "another program".
    folder.write("config.ini", "[screen]\r\nx=400\r\ny=100\r\nstayontop=True\r\n"
                               "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=0\r\nloupe=0\r\n");
    tests::HotKeyHolder holder(MOD_CONTROL, 'B');
    ASSERT_TRUE(holder.holds());
    MessageBoxWatcher boxes;
    Windows windows(folder.path());
    windows.main.show();
    tests::pump_messages(200ms);
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_TRUE(windows.main.GlobalHotKey.Registered());
    EXPECT_EQ(windows.main.LoupeKey.selected_text(), "CTRL+B");

    windows.main.LoupeBtnClick();
    tests::pump_messages(100ms);
    ASSERT_EQ(boxes.texts(), std::vector<std::string>{held_message("CTRL+B")});
    EXPECT_TRUE(windows.loupe.visible());
    windows.main.LoupeBtnClick();
    tests::pump_messages(100ms);
    EXPECT_EQ(boxes.messages().size(), 1u);
}

TEST(HotKeyChoice, GrabbingMayTakeCtrlAFromALoupeThatWasNeverOpened) {
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                               "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=54\r\n");
    MessageBoxWatcher boxes;
    Windows windows(folder.path());
    choose(windows.main, windows.main.GrabKey, 0);
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_TRUE(windows.main.GlobalHotKey.Registered());
    EXPECT_EQ(windows.main.GlobalHotKey.HotKey(), 0x4041);
    EXPECT_EQ(windows.loupe.GlobalHotKey.HotKey(), 0x0072); // its own choice, F3
    EXPECT_TRUE(windows.loupe.GlobalHotKey.Registered());
}
