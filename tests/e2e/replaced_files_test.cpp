// A file that Pipetto replaces (history.dat, config.ini, an export) is there under its name
// at every instant, keeps what the user set on it, and a replace that can't be done leaves
// the folder as it was.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <thread>

#include "desktop_user.h"
#include "history_records.h"
#include "keyboard.h"
#include "linux_program.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "slow_renames.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::history_record;
using tests::record_size;
using tests::RunningProgram;
using tests::TemporaryFolder;

namespace {

std::vector<std::string> names_in(const std::filesystem::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

std::string joined(const std::vector<std::string>& names) {
    std::string text;
    for (const std::string& name : names)
        text += name + " ";
    return text;
}

// The grab hotkey keeps the colour under the cursor, once the Grab page shows one.
bool keep_a_colour(HWND main) {
    const HWND first_field = tests::child_of_class(main, L"Edit", true);
    if (!tests::wait_until([&] { return SendMessageW(first_field, WM_GETTEXTLENGTH, 0, 0) > 0; },
                           3s))
        return false;
    // The start finishes its first messages before the key comes.
    std::this_thread::sleep_for(300ms);
    tests::press_keys({VK_CONTROL}, 'S');
    return true;
}

int history_rows(HWND main) {
    if (!tests::open_history_page(main))
        return -1;
    return static_cast<int>(
        SendMessageW(tests::child_of_class(main, L"SysListView32"), LVM_GETITEMCOUNT, 0, 0));
}

} // namespace

TEST(ReplacedFiles, NoneGoesMissingWhileTheServerRenamesSlowlyAndAKillInTheCloseKeepsTheHistory) {
    TemporaryFolder folder;
    const std::string stored =
        history_record("first", "$00123456") + history_record("second", "$00654321");
    folder.write("history.dat", stored);
    folder.write("config.ini", "[screen]\r\nx=120\r\ny=110\r\nstayontop=True\r\n[loupe]\r\n"
                               "cursor=False\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
    const std::string users_file = "mine=$00FFFFFF\r\n";
    folder.write("colours.txt", users_file);
    auto program = std::make_unique<RunningProgram>(folder.path());
    HWND main = program->wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    // A kept colour first, and the export dialog open.
    ASSERT_TRUE(keep_a_colour(main));
    ASSERT_TRUE(tests::wait_until(
        [&] { return folder.read("history.dat").size() == 3 * record_size; }, 5s));
    ASSERT_TRUE(tests::open_history_page(main));
    const HWND dialog = tests::open_im_export_dialog(*program, main);
    ASSERT_NE(dialog, nullptr);
    {
        const tests::SlowRenames slow(folder.path(), 300ms,
                                      {"history.dat", "config.ini", "colours.txt"});
        if (!slow.refusal().empty())
            GTEST_SKIP() << "the Wine server's renames can't be slowed down: " << slow.refusal();

        // An export goes over a file of the user's; the close writes config.ini and
        // history.dat.
        tests::use_file_dialog(*program, dialog, L"Export", L"Export",
                               (folder / "colours.txt").wstring());
        // Watched through the server's trace: a file that a Wine program holds open, even
        // to read it, can't be replaced.
        EXPECT_TRUE(tests::wait_until(
            [&] { return slow.trace().find("colours.txt\") = 0") != std::string::npos; }, 5s));
        // The server holds everybody up for a while after each rename.
        std::this_thread::sleep_for(600ms);
        EXPECT_EQ(folder.read("colours.txt").substr(0, 30), "first=$00123456\r\nsecond=$00654");
        PostMessageW(dialog, WM_CLOSE, 0, 0);
        ASSERT_TRUE(tests::wait_until([&] { return !IsWindowVisible(dialog); }, 5s))
            << "the dialog is still open; messages: " << joined([&] {
                   std::vector<std::string> texts;
                   for (const auto& shown : program->answer_message_boxes(1, 500ms))
                       texts.push_back(shown.text);
                   return texts;
               }());
        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program->wait_for_exit(10s), 0);
        // The watch ran while the server renamed each of them.
        const std::string trace = slow.trace();
        for (const char* name : {"history.dat\"", "config.ini\"", "colours.txt\""})
            EXPECT_NE(trace.find(name), std::string::npos) << name << " in\n" << trace;
        EXPECT_EQ(joined(slow.missing()), "") << trace;

        // Started again and killed as the server renames for history.dat during the close.
        program = std::make_unique<RunningProgram>(folder.path(), RunningProgram::StartAgain{});
        main = program->wait_for_window(L"TMainform");
        ASSERT_NE(main, nullptr);
        slow.kill_program_at_rename_of("history.dat\"");
        PostMessageW(main, WM_CLOSE, 0, 0);
        ASSERT_TRUE(tests::wait_until([&] { return slow.killed(); }, 10s)) << slow.trace();
        program->wait_for_exit(10s);
        EXPECT_EQ(joined(slow.missing()), "") << slow.trace();
    }
    // Nothing but the files under their own names: no content is left only in a
    // temporary file, which the next start would remove.
    EXPECT_EQ(joined(names_in(folder.path())), "colours.txt config.ini history.dat pipetto.exe ");
    program = std::make_unique<RunningProgram>(folder.path(), RunningProgram::StartAgain{});
    main = program->wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(history_rows(main), 3);
    EXPECT_EQ(folder.read("history.dat").substr(0, 2 * record_size), stored);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->wait_for_exit(), 0);
}

TEST(ReplacedFiles, AWriteGrantsNoMoreAFolderOfTheNameIsRefusedAndALockedFileLeavesNothingNew) {
    TemporaryFolder folder;
    folder.write("history.dat", history_record("first", "$00123456"));

    // A folder where config.ini should be, with a file of the user's in it.
    std::filesystem::create_directory(folder / "config.ini");
    folder.write("config.ini/inside.txt", "kept");
    // The mode as Linux tells it.
    const auto unix_mode = [&] {
        const std::filesystem::path out =
            folder.path().parent_path() / (folder.path().filename().string() + "-mode.txt");
        tests::run_linux_program("/bin/sh",
                                 {"-c", "stat -c %a '" + tests::unix_path(folder / "history.dat") +
                                            "' > '" + tests::unix_path(out) + "'"});
        std::string mode;
        if (FILE* file = _wfopen(out.wstring().c_str(), L"rb")) {
            char text[16] = {};
            mode.assign(text, fread(text, 1, sizeof text - 1, file));
            fclose(file);
        }
        std::filesystem::remove(out);
        return mode.substr(0, mode.find('\n'));
    };
    tests::run_linux_program("/bin/chmod", {"0640", tests::unix_path(folder / "history.dat")});
    const std::string mode_before = unix_mode();
    if (mode_before != "640")
        GTEST_SKIP() << "Unix modes can't be set here (" << mode_before << ")";

    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(keep_a_colour(main));
    ASSERT_TRUE(tests::wait_until(
        [&] { return folder.read("history.dat").size() == 2 * record_size; }, 5s));
    // No write or execute permission that the file lacked; with the usual umask, exactly
    // the mode it had.
    const std::string mode_after = unix_mode();
    ASSERT_EQ(mode_after.size(), 3u) << mode_after;
    const int mode = std::stoi(mode_after, nullptr, 8);
    EXPECT_EQ(mode & 0133, 0) << mode_after;
    EXPECT_EQ(mode & 0600, 0600) << mode_after;

    // The close can't write config.ini over the folder, nor history.dat while another
    // program holds it open without letting it be deleted: each is told, the user closes
    // anyway, and the folder is as it was, with nothing new in it.
    const HANDLE held =
        CreateFileW((folder / "history.dat").wstring().c_str(), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    PostMessageW(main, WM_CLOSE, 0, 0);
    const auto at_close = program.answer_message_boxes(3, 10s, IDYES);
    CloseHandle(held);
    ASSERT_EQ(at_close.size(), 3u);
    EXPECT_NE(at_close[0].text.find("config.ini"), std::string::npos) << at_close[0].text;
    EXPECT_NE(at_close[0].text.find("kann nicht geschrieben werden"), std::string::npos);
    EXPECT_EQ(at_close[1].text, "E/A-Fehler 32.");
    EXPECT_EQ(program.wait_for_exit(), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder / "config.ini"));
    EXPECT_EQ(folder.read("config.ini/inside.txt"), "kept");
    EXPECT_EQ(joined(names_in(folder.path())), "config.ini history.dat pipetto.exe ");
    EXPECT_EQ(folder.read("history.dat").size(), 2 * record_size);
}
