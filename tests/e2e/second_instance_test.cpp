// Two copies of pipetto.exe: in two folders they run side by side and the second can't have
// the grab hotkey; in one folder the second brings the first forward and ends.

#include <gtest/gtest.h>

#include "desktop_user.h"
#include "keyboard.h"
#include "running_program.h"
#include "temporary_folder.h"

using namespace std::chrono_literals;
using pipetto::tests::RunningProgram;
using pipetto::tests::TemporaryFolder;

TEST(SecondInstance, IsToldOnceThatTheGrabHotKeyIsTakenAndRunsOn) {
    TemporaryFolder first_folder, second_folder;
    RunningProgram first(first_folder.path());
    ASSERT_NE(first.wait_for_window(L"TMainform"), nullptr);
    RunningProgram second(second_folder.path());
    const HWND main = second.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const auto shown = second.answer_message_boxes(2, 3s);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Pipetto 2.0");
    EXPECT_EQ(shown[0].text, "The hotkey CTRL+S is used by another program. Please choose "
                             "another one on the Settings page.");
    // The first one, which has it, says nothing.
    EXPECT_TRUE(first.answer_message_boxes(1, 300ms).empty());

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(second.wait_for_exit(), 0);
}

namespace {

// A program of an earlier test may hold CTRL+S for a moment after it was ended.
bool grab_hotkey_is_free() {
    if (!RegisterHotKey(nullptr, 1, MOD_CONTROL, 'S'))
        return false;
    UnregisterHotKey(nullptr, 1);
    return true;
}

} // namespace

TEST(SecondInstance, ASecondStartInTheSameFolderBringsTheFirstForwardAndItsColoursStayKept) {
    ASSERT_TRUE(pipetto::tests::wait_until(grab_hotkey_is_free, 5s));
    TemporaryFolder folder, other_folder;
    RunningProgram first(folder.path());
    const HWND main = first.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    // Wine hands a hotkey on only while one of its windows has the keyboard.
    ASSERT_TRUE(pipetto::tests::wait_until([&] { return GetForegroundWindow() == main; }, 3s));
    pipetto::tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(
        pipetto::tests::wait_until([&] { return folder.read("history.dat").size() == 186; }));
    const std::string kept = folder.read("history.dat");

    // Another program has the focus when the user double-clicks pipetto.exe again.
    const HWND elsewhere = CreateWindowExW(0, L"STATIC", L"another program", WS_POPUP | WS_VISIBLE,
                                           600, 600, 100, 60, nullptr, nullptr, nullptr, nullptr);
    ASSERT_TRUE(pipetto::tests::give_focus_to(elsewhere));
    RunningProgram second(folder.path(), RunningProgram::StartAgain{});
    EXPECT_EQ(second.wait_for_exit(), 0);
    EXPECT_TRUE(pipetto::tests::wait_until([&] { return GetForegroundWindow() == main; }, 3s));
    EXPECT_EQ(first.wait_for_exit(0ms), -1);
    EXPECT_TRUE(first.answer_message_boxes(1, 300ms).empty());
    DestroyWindow(elsewhere);

    // A copy in another folder runs beside it; only the hotkey is the first one's.
    RunningProgram beside(other_folder.path());
    const HWND beside_main = beside.wait_for_window(L"TMainform");
    ASSERT_NE(beside_main, nullptr);
    EXPECT_EQ(beside.answer_message_boxes(1, 3s).size(), 1u);
    PostMessageW(beside_main, WM_CLOSE, 0, 0);
    EXPECT_EQ(beside.wait_for_exit(), 0);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(first.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("history.dat"), kept);
}
