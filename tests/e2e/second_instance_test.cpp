// Two copies of pipetto.exe: the second can't have the grab hotkey, and says so.

#include <gtest/gtest.h>

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
