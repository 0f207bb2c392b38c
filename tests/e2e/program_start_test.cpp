// pipetto.exe as a user starts and closes it: its window, its config.ini, its messages.

#include <gtest/gtest.h>

#include <optional>
#include <thread>

#include "framework/win/win_text.h"
#include "keyboard.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "sealed_folder.h"
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

TEST(ProgramStart, AValueOfTwoMillionDigitsIsToldInABoxThatFitsOnTheMonitor) {
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nx=" + std::string(2'000'000, '7') +
                                   "\r\ny=300\r\nstayontop=False\r\n");
    RunningProgram program(folder.path());
    const auto shown = program.answer_message_boxes(1, 20s);
    ASSERT_EQ(shown.size(), 1u);
    const std::string& text = shown[0].text;
    EXPECT_TRUE(text.starts_with("'777")) << text.substr(0, 80);
    EXPECT_TRUE(text.ends_with("777' ist kein gültiger Integerwert.")) << text.substr(0, 80);
    EXPECT_NE(text.find("..."), std::string::npos);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromRect(&shown[0].place, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& box = shown[0].place;
    EXPECT_GE(box.left, monitor.rcMonitor.left);
    EXPECT_GE(box.top, monitor.rcMonitor.top);
    EXPECT_LE(box.right, monitor.rcMonitor.right);
    EXPECT_LE(box.bottom, monitor.rcMonitor.bottom);

    // OK closed it, and the program runs on.
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(outer_rect(main).top, 300);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
}

TEST(ProgramStart, AConfigThatCantBeWrittenIsToldAndTheUserChoosesWhetherToCloseAnyway) {
    TemporaryFolder folder;
    folder.write("config.ini", default_file);
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    // Another program holds config.ini open without sharing it.
    const HANDLE held = CreateFileW((folder / "config.ini").wstring().c_str(), GENERIC_READ, 0,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    // No: the window stays, as it was, so the colours can still be exported elsewhere.
    PostMessageW(main, WM_CLOSE, 0, 0);
    auto shown = program.answer_message_boxes(2, 10s, IDNO);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "In " + win::narrow((folder / "config.ini").wstring()) +
                                 " kann nicht geschrieben werden.");
    EXPECT_FALSE(shown[0].question);
    EXPECT_TRUE(shown[1].question);
    EXPECT_EQ(shown[1].title, "Pipetto 2.0");
    EXPECT_EQ(program.wait_for_exit(300ms), -1);
    EXPECT_EQ(tests::window_text(main), " Pipetto 2.0");
    EXPECT_TRUE(IsWindowVisible(main));

    // Yes: Pipetto ends, with history.dat written all the same.
    PostMessageW(main, WM_CLOSE, 0, 0);
    shown = program.answer_message_boxes(2, 10s, IDYES);
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_EQ(program.wait_for_exit(), 0);
    CloseHandle(held);
    EXPECT_EQ(folder.read("config.ini"), default_file);
    EXPECT_TRUE(folder.exists("history.dat"));
}

TEST(ProgramStart, ReadOnlyFilesAndAFolderThatTakesNoNewFilesAreToldOnceAndNeverKeepItOpen) {
    const std::string stored_history = tests::history_record("stored", "$00123456");
    struct Place {
        const char* what;
        bool config_read_only;
        bool history_read_only;
        bool sealed;
        const char* told; // after "... in the folder <folder>"
    };
    const Place places[] = {
        {"history.dat", false, true, false,
         " is read-only: its colours are listed, but changes to them will not be saved."},
        {"config.ini", true, false, false,
         " is read-only, so changes to the settings will not be saved."},
        {"Pipetto can't create files", false, false, true,
         ", so changes to the settings and to the kept colours will not be saved."},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.what);
        TemporaryFolder folder;
        folder.write("config.ini", default_file);
        folder.write("history.dat", stored_history);
        std::filesystem::copy_file(PIPETTO_EXE, folder / "pipetto.exe");
        if (place.config_read_only)
            SetFileAttributesW((folder / "config.ini").wstring().c_str(), FILE_ATTRIBUTE_READONLY);
        if (place.history_read_only)
            SetFileAttributesW((folder / "history.dat").wstring().c_str(), FILE_ATTRIBUTE_READONLY);
        std::optional<tests::SealedFolder> sealed;
        if (place.sealed) {
            sealed.emplace(folder.path());
            if (!sealed->sealed())
                GTEST_SKIP() << "this machine can't make a folder refuse new files to root";
        }
        RunningProgram program(folder.path(), RunningProgram::StartAgain{});
        const auto shown = program.answer_message_boxes(1, 10s);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, std::string(place.what) + " in the folder " +
                                     win::narrow(folder.path().wstring()) + "\\" + place.told);
        const HWND main = program.wait_for_window(L"TMainform");
        ASSERT_NE(main, nullptr);

        // A colour kept and the window moved: changes that wait to be written.
        tests::press_keys({VK_CONTROL}, 'S');
        SetWindowPos(main, nullptr, 150, 120, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        std::this_thread::sleep_for(800ms);
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.wait_for_exit(), 0) << "a close that didn't end the program";
        EXPECT_TRUE(program.answer_message_boxes(1, 0ms).empty());
        if (place.config_read_only || place.sealed)
            EXPECT_EQ(folder.read("config.ini"), default_file);
        else
            EXPECT_NE(folder.read("config.ini").find("x=150"), std::string::npos);
        if (place.history_read_only || place.sealed)
            EXPECT_EQ(folder.read("history.dat"), stored_history);
        else
            EXPECT_EQ(folder.read("history.dat").size(), 2u * 186);
        SetFileAttributesW((folder / "config.ini").wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
        SetFileAttributesW((folder / "history.dat").wstring().c_str(), FILE_ATTRIBUTE_NORMAL);
    }
}
