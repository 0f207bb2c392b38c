// Every change to the kept colours is in history.dat within about a second, so a kill,
// a crash or a power cut loses none of them.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <thread>

#include "desktop_user.h"
#include "history_records.h"
#include "keyboard.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::history_record;
using tests::record_size;
using tests::RunningProgram;
using tests::TemporaryFolder;

namespace {

std::string name_in_record(const std::string& history, size_t index) {
    const size_t at = index * record_size;
    if (history.size() < at + record_size)
        return "<none>";
    return history.substr(at + 1, static_cast<unsigned char>(history[at]));
}

} // namespace

TEST(KeptColours, AKeptColourARenameADeleteAndAnImportAreOnDiskBeforeAKill) {
    TemporaryFolder folder;
    folder.write("history.dat", history_record("first", "$00123456") +
                                    history_record("second", "$00654321") +
                                    history_record("third", "$00ABCDEF"));
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    // The Grab page shows the colour under the cursor before anything else is done.
    const HWND first_field = tests::child_of_class(main, L"Edit", true);
    ASSERT_TRUE(tests::wait_until([&] { return !tests::asked_text(first_field).empty(); }, 3s));
    ASSERT_TRUE(tests::open_history_page(main));
    const HWND list = tests::child_of_class(main, L"SysListView32");
    const HWND header = tests::child_of_class(list, L"SysHeader32");
    RECT header_rect;
    GetWindowRect(header, &header_rect);
    const auto row_point = [&](int row) {
        return POINT{header_rect.left + 30, header_rect.bottom + 7 + row * 16};
    };
    const auto history = [&] { return folder.read("history.dat"); };

    // The grab hotkey stops grabbing and keeps the colour under the cursor.
    tests::press_keys({VK_CONTROL}, 'S');
    ASSERT_TRUE(tests::wait_until([&] { return history().size() == 4 * record_size; }, 2s))
        << history().size();
    EXPECT_EQ(history().substr(0, 3 * record_size), history_record("first", "$00123456") +
                                                        history_record("second", "$00654321") +
                                                        history_record("third", "$00ABCDEF"));
    EXPECT_EQ(history()[3 * record_size + 31], 9) << "a Hex text of 9 characters";

    // A click on the first row, then one more letter at the end of its name.
    tests::click_at(row_point(0));
    const HWND item_name = tests::child_of_class(main, L"Edit", true);
    ASSERT_TRUE(tests::wait_until([&] { return tests::asked_text(item_name) == "first"; }, 2s))
        << tests::asked_text(item_name);
    RECT edit;
    GetWindowRect(item_name, &edit);
    tests::click_at({edit.right - 4, (edit.top + edit.bottom) / 2});
    ASSERT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == item_name; }, 2s));
    tests::type_keys({VK_END, 'X'});
    EXPECT_TRUE(tests::wait_until([&] { return name_in_record(history(), 0) == "firstx"; }, 2s))
        << name_in_record(history(), 0);

    // The second row deleted from the popup menu, by the access key of "Delete".
    ASSERT_TRUE(tests::open_history_popup(main, row_point(1)));
    EXPECT_EQ(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 1);
    tests::type_keys({'D'});
    ASSERT_TRUE(tests::wait_until([&] { return history().size() == 3 * record_size; }, 2s))
        << history().size();
    EXPECT_EQ(name_in_record(history(), 1), "third");

    // An import of two colours, one of them listed already.
    folder.write("more.txt", "Sky=$00FF0000\r\nagain=$00ABCDEF\r\n");
    const HWND dialog = tests::open_im_export_dialog(program, main);
    ASSERT_NE(dialog, nullptr);
    tests::use_file_dialog(program, dialog, L"Import", L"Import", (folder / "more.txt").wstring());
    ASSERT_TRUE(tests::wait_until([&] { return history().size() == 4 * record_size; }, 2s))
        << history().size();
    EXPECT_EQ(name_in_record(history(), 3), "Sky");

    // Killed, as Task Manager or a power cut ends it: nothing is lost.
    const std::string before_kill = history();
    std::this_thread::sleep_for(2s);
    HANDLE process = OpenProcess(PROCESS_TERMINATE, FALSE, program.process_id());
    ASSERT_NE(process, nullptr);
    TerminateProcess(process, 1);
    CloseHandle(process);
    ASSERT_EQ(program.wait_for_exit(), 1);
    EXPECT_EQ(history(), before_kill);
    EXPECT_FALSE(folder.exists("history.dat.tmp"));
    EXPECT_EQ(name_in_record(history(), 0), "firstx");
}

TEST(KeptColours, BeyondTheFirst5000TheRecordsStayBehindTheListAndTheRunsChangesAreWritten) {
    TemporaryFolder folder;
    const auto record = [](int i) {
        char hex[10];
        std::snprintf(hex, sizeof hex, "$00%06X", i);
        return history_record("colour " + std::to_string(i), hex);
    };
    std::string stored;
    for (int i = 1; i <= 5003; ++i)
        stored += record(i);
    folder.write("history.dat", stored);
    RunningProgram program(folder.path());
    const auto shown = program.answer_message_boxes(1, 20s);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text, "history.dat holds 5003 colours, but Pipetto lists at most 5000. The "
                             "first 5000 are listed; the other 3 stay in history.dat, after the "
                             "listed ones, whenever Pipetto writes it.");
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    ASSERT_TRUE(tests::open_history_page(main));
    const HWND list = tests::child_of_class(main, L"SysListView32");
    RECT header;
    GetWindowRect(tests::child_of_class(list, L"SysHeader32"), &header);
    const auto row_point = [&](int row) {
        return POINT{header.left + 30, header.bottom + 7 + row * 16};
    };

    // The first row renamed, the second deleted.
    tests::click_at(row_point(0));
    const HWND item_name = tests::child_of_class(main, L"Edit", true);
    ASSERT_TRUE(tests::wait_until([&] { return tests::asked_text(item_name) == "colour 1"; }, 2s))
        << tests::asked_text(item_name);
    RECT edit;
    GetWindowRect(item_name, &edit);
    tests::click_at({edit.right - 4, (edit.top + edit.bottom) / 2});
    ASSERT_TRUE(tests::wait_until([&] { return tests::focus_of(main) == item_name; }, 2s));
    tests::type_keys({VK_END, 'X'});
    ASSERT_TRUE(tests::open_history_popup(main, row_point(1)));
    tests::type_keys({'D'});
    ASSERT_TRUE(
        tests::wait_until([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 4999; }, 5s));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    const std::string written = folder.read("history.dat");
    ASSERT_EQ(written.size(), 5002u * record_size);
    EXPECT_EQ(name_in_record(written, 0), "colour 1x");
    EXPECT_EQ(written.substr(record_size, 4998 * record_size),
              stored.substr(2 * record_size, 4998 * record_size));
    EXPECT_EQ(written.substr(4999 * record_size), stored.substr(5000 * record_size));
}
