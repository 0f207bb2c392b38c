// pipetto.exe as a user starts and closes it: its window, its config.ini, its messages.

#include <gtest/gtest.h>

#include "framework/win/win_text.h"
#include "running_program.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::RunningProgram;
using tests::TemporaryFolder;

namespace {

constexpr char default_file[] = "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                                "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n";

RECT outer_rect(HWND window) {
    RECT rect;
    GetWindowRect(window, &rect);
    return rect;
}

} // namespace

TEST(ProgramStart, WithoutConfigTheTopmostWindowOpensAt100And100AndClosingWritesTheNineLines) {
    TemporaryFolder folder;
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(tests::window_text(main), " Pipetto 2.0");
    EXPECT_EQ(outer_rect(main).left, 100);
    EXPECT_EQ(outer_rect(main).top, 100);
    EXPECT_TRUE(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 192);
    EXPECT_EQ(client.bottom, 256);
    const HWND taskbar_window = program.wait_for_window(L"PipettoApplication", 2s);
    ASSERT_NE(taskbar_window, nullptr);
    EXPECT_EQ(tests::window_text(taskbar_window), "Pipetto 2.0");

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("config.ini"), default_file);
    EXPECT_EQ(folder.read("history.dat"), "");
}

TEST(ProgramStart, ABadNumberInConfigIsReportedAndTheProgramRunsOn) {
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nx=abc\r\ny=300\r\nstayontop=False\r\n"
                               "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
    RunningProgram program(folder.path());
    const auto shown = program.answer_message_boxes(1, 10s);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].title, "Pipetto 2.0");
    EXPECT_EQ(shown[0].text, "'abc' ist kein gültiger Integerwert.");

    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(outer_rect(main).left, 100);
    EXPECT_EQ(outer_rect(main).top, 300);
    EXPECT_FALSE(GetWindowLongPtrW(main, GWL_EXSTYLE) & WS_EX_TOPMOST);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
}

TEST(ProgramStart, AConfigThatCantBeWrittenKeepsTheWindowOpen) {
    TemporaryFolder folder;
    folder.write("config.ini", default_file);
    std::filesystem::create_directory(folder / "config.ini.tmp");
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);

    PostMessageW(main, WM_CLOSE, 0, 0);
    const auto shown = program.answer_message_boxes(1, 10s);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "In " + win::narrow((folder / "config.ini").wstring()) +
                                 " kann nicht geschrieben werden.");
    EXPECT_EQ(program.wait_for_exit(300ms), -1);
    EXPECT_EQ(tests::window_text(main), "Close...");
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(folder.read("config.ini"), default_file);
}
