// The import/export dialog of pipetto.exe as a user meets it: opened from the history
// list's popup menu, driving the system's real file dialogs.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "desktop_user.h"
#include "framework/win/win_text.h"
#include "linux_program.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::RunningProgram;
using tests::TemporaryFolder;

namespace {

// The program in a folder of its own, its History page open.
class ImExportDialog : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::unique_ptr<RunningProgram> program;
    HWND main = nullptr;
    HWND dialog = nullptr;

    void start() {
        program = std::make_unique<RunningProgram>(folder.path());
        main = program->wait_for_window(L"TMainform");
        ASSERT_NE(main, nullptr);
        ASSERT_TRUE(open_history_page());
    }

    HWND control(const wchar_t* window_class) const {
        return tests::child_of_class(main, window_class);
    }

    bool open_history_page() const { return tests::open_history_page(main); }

    void open_dialog_from_popup_menu() {
        dialog = tests::open_im_export_dialog(*program, main);
        ASSERT_NE(dialog, nullptr);
    }

    // Presses the dialog's button and answers the file dialog it opens with `file_name`;
    // returns the name the file dialog proposed. The names are given with their folder:
    // the file dialog opens in the folder the program's dialogs used last.
    std::string use_file_dialog(const wchar_t* button, const wchar_t* title,
                                const std::wstring& file_name) {
        return tests::use_file_dialog(*program, dialog, button, title, file_name);
    }

    void click(const wchar_t* caption) {
        SendMessageW(tests::button(dialog, caption), BM_CLICK, 0, 0);
    }

    // Presses the dialog's button; the file dialog it opens, with its list of file types.
    HWND file_dialog(const wchar_t* button, const wchar_t* title, std::vector<std::string>& types) {
        tests::press_button(dialog, button);
        const HWND files = tests::wait_for_dialog(program->process_id(), title);
        if (files)
            types = tests::file_dialog_types(files);
        return files;
    }

    // Delete All from the history list's popup menu, by its access key.
    bool delete_all_rows() {
        const HWND list = control(L"SysListView32");
        RECT area;
        GetWindowRect(list, &area);
        const POINT at{area.left + 60, area.bottom - 20};
        if (!tests::open_history_popup(main, at))
            return false;
        tests::type_keys({'A'});
        return tests::wait_until([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0; });
    }
};

} // namespace

TEST_F(ImExportDialog, ExportTwiceImportAHandMadeFileCloseAndTheHistoryKeepsIt) {
    const std::string stored =
        tests::history_record("first", "$00FF901E", "#1E90FF", "16748574", "rgb(30,144,255)",
                              "DodgerBlue") +
        tests::history_record("a=b", "$000000FF", "#FF0000", "255", "rgb(255,0,0)", "red");
    folder.write("history.dat", stored);
    start();
    open_dialog_from_popup_menu();
    EXPECT_EQ(tests::window_text(dialog), "Im-/Export");
    EXPECT_FALSE(IsWindowEnabled(main));
    RECT outer;
    GetWindowRect(dialog, &outer);
    EXPECT_EQ(outer.left, 1032);
    EXPECT_EQ(outer.top, 592);

    // A name typed without an extension gets ".txt".
    EXPECT_EQ(use_file_dialog(L"Export", L"Export", (folder / "exported").wstring()), "ccexport");
    ASSERT_TRUE(tests::wait_until([&] { return folder.exists("exported.txt"); }));
    EXPECT_EQ(folder.read("exported.txt"), "first=$00FF901E\r\na=b=$000000FF\r\n");

    // The choices take effect at once; the file last chosen is proposed next.
    click(L"Export Long-Values");
    click(L"With listname");
    const std::string proposed =
        use_file_dialog(L"Export", L"Export", (folder / "exported.txt").wstring());
    EXPECT_NE(proposed.find("exported.txt"), std::string::npos) << proposed;
    EXPECT_TRUE(tests::wait_until([&] {
        return folder.read("exported.txt") == "16748574\r\n255\r\n";
    })) << folder.read("exported.txt");

    // Edited by hand: a named Hex line, one without a name, an Html one, a colour listed
    // already, and a last line without a line break.
    folder.write("hand.txt",
                 "Sky=$00FF0000\r\n$0000FF00\r\nhtml=#00FF00\r\nagain=$00FF901E\r\nLast=$00000080");
    EXPECT_EQ(use_file_dialog(L"Import", L"Import", (folder / "hand.txt").wstring()), "ccexport");
    const HWND list = control(L"SysListView32");
    EXPECT_TRUE(tests::wait_until([&] { return SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 5; }));
    EXPECT_TRUE(IsWindowVisible(dialog));

    click(L"Close");
    EXPECT_TRUE(tests::wait_until([&] { return !IsWindowVisible(dialog); }, 3s));
    EXPECT_TRUE(IsWindowEnabled(main));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program->wait_for_exit(), 0);
    const std::string history = folder.read("history.dat");
    ASSERT_EQ(history.size(), 5u * 186);
    EXPECT_EQ(history.substr(0, 2 * 186), stored);
    EXPECT_EQ(
        history.substr(2 * 186, 186),
        tests::history_record("Sky", "$00FF0000", "#0000FF", "16711680", "rgb(0,0,255)", "blue"));
    EXPECT_EQ(history.substr(4 * 186, 186),
              tests::history_record("Last", "$00000080", "#800000", "128", "rgb(128,0,0)", "n/a"));
    // The line without a name is named with the date and time of the import.
    const std::string dated = history.substr(3 * 186, 186);
    EXPECT_GT(static_cast<unsigned char>(dated[0]), 8);
    EXPECT_EQ(dated.substr(31),
              tests::history_record("", "$0000FF00", "#00FF00", "65280", "rgb(0,255,0)", "green")
                  .substr(31));
}

TEST_F(ImExportDialog, ExportNeverUsesAFileOfTheUsersAndAFailureSaysWhatWindowsSaid) {
    folder.write("history.dat", tests::history_record("new", "$00123456"));
    const std::string old_content = "my colours=$00FFFFFF\r\n";
    const std::string exported = "new=$00123456\r\n";
    // Beside the targets: a file of the user's and a folder, each under the name a
    // temporary file of the target's might have; and a leftover of an export of ours cut
    // short by a power cut.
    folder.write("victim.txt", old_content);
    folder.write("victim.txt.tmp", "precious user data");
    folder.write("blocked.txt", old_content);
    std::filesystem::create_directory(folder / "blocked.txt.tmp");
    folder.write("~pipetto-00c0ffee.tmp", "half an export");
    // What the user set on a file stays.
    folder.write("hidden.txt", old_content);
    SetFileAttributesW((folder / "hidden.txt").wstring().c_str(), FILE_ATTRIBUTE_HIDDEN);
    folder.write("read-only.txt", old_content);
    SetFileAttributesW((folder / "read-only.txt").wstring().c_str(), FILE_ATTRIBUTE_READONLY);
    folder.write("locked.txt", old_content);
    // Written through a symbolic link, the file it points at gets the export.
    folder.write("real.txt", old_content);
    const tests::SymbolicLink link(folder / "link.txt", "real.txt");
    start();
    open_dialog_from_popup_menu();

    for (const char* name : {"victim.txt", "blocked.txt", "hidden.txt", "link.txt"}) {
        SCOPED_TRACE(name);
        use_file_dialog(L"Export", L"Export", (folder / name).wstring());
        EXPECT_TRUE(tests::wait_until([&] { return folder.read(name) == exported; }, 5s))
            << folder.read(name);
    }
    EXPECT_EQ(folder.read("real.txt"), exported);
    EXPECT_EQ(folder.read("victim.txt.tmp"), "precious user data");
    EXPECT_TRUE(std::filesystem::is_directory(folder / "blocked.txt.tmp"));
    EXPECT_EQ(GetFileAttributesW((folder / "hidden.txt").wstring().c_str()) & FILE_ATTRIBUTE_HIDDEN,
              static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    for (const auto& shown : program->answer_message_boxes(1, 300ms))
        ADD_FAILURE() << shown.text;

    // Another program holds locked.txt open without sharing it.
    HANDLE held = CreateFileW((folder / "locked.txt").wstring().c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    const std::pair<const char*, const char*> refused[] = {
        {"read-only.txt", "Dateizugriff verweigert."}, {"locked.txt", "E/A-Fehler 32."}};
    for (const auto& [name, told] : refused) {
        SCOPED_TRACE(name);
        use_file_dialog(L"Export", L"Export", (folder / name).wstring());
        const auto shown = program->answer_message_boxes(1, 5s);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].title, "Pipetto 2.0");
        EXPECT_EQ(shown[0].text, told);
        EXPECT_TRUE(IsWindowVisible(dialog));
    }
    CloseHandle(held);
    EXPECT_EQ(folder.read("read-only.txt"), old_content);
    EXPECT_EQ(folder.read("locked.txt"), old_content);

    // Typed names of a file, and of a folder, that aren't there.
    const std::pair<std::wstring, const char*> missing[] = {
        {(folder / "missing.txt").wstring(), "Datei nicht gefunden."},
        {(folder / "no folder" / "ccexport.txt").wstring(), "Ungültiger Dateiname."}};
    for (const auto& [name, told] : missing) {
        use_file_dialog(L"Import", L"Import", name);
        const auto shown = program->answer_message_boxes(1, 5s);
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].text, told);
        EXPECT_TRUE(IsWindowVisible(dialog));
    }

    // Nothing of Pipetto's is left beside the files.
    for (const auto& entry : std::filesystem::directory_iterator(folder.path()))
        EXPECT_FALSE(entry.path().filename().wstring().starts_with(L"~pipetto-"))
            << entry.path().filename().string();
}

TEST_F(ImExportDialog, ThePaletteTypesGoOutThroughTheSaveDialogAndComeBackThroughTheOpenDialog) {
    // "Grün" in the code page, as history.dat keeps names.
    const std::string stored =
        tests::history_record("Sky blue", "$00EBCE87", "#87CEEB", "15453831", "rgb(135,206,235)",
                              "SkyBlue") +
        tests::history_record("Gr\xFCn", "$00008000", "#008000", "32768", "rgb(0,128,0)", "n/a");
    folder.write("history.dat", stored);
    start();
    open_dialog_from_popup_menu();

    // The type chosen decides for a name typed without an extension.
    std::vector<std::string> types;
    HWND files = file_dialog(L"Export", L"Export", types);
    ASSERT_NE(files, nullptr);
    EXPECT_EQ(types, (std::vector<std::string>{"Text files (*.txt)", "GIMP palette (*.gpl)",
                                               "CSS custom properties (*.css)",
                                               "Adobe Swatch Exchange (*.ase)"}));
    tests::choose_file_type(files, 1);
    tests::choose_in_file_dialog(files, (folder / "palette").wstring());
    ASSERT_TRUE(tests::wait_until([&] { return folder.exists("palette.gpl"); }));
    EXPECT_EQ(folder.read("palette.gpl"), "GIMP Palette\n"
                                          "Name: palette\n"
                                          "Columns: 0\n"
                                          "#\n"
                                          "135 206 235\tSky blue\n"
                                          "  0 128   0\tGr\xC3\xBCn\n");

    // The extension typed decides whatever type the list shows.
    use_file_dialog(L"Export", L"Export", (folder / "colours.css").wstring());
    ASSERT_TRUE(tests::wait_until([&] { return folder.exists("colours.css"); }));
    EXPECT_EQ(folder.read("colours.css"), ":root {\n"
                                          "  --sky-blue: #87ceeb; /* Sky blue */\n"
                                          "  --gr-n: #008000; /* Gr\xC3\xBCn */\n"
                                          "}\n");
    use_file_dialog(L"Export", L"Export", (folder / "colours.ase").wstring());
    ASSERT_TRUE(tests::wait_until([&] { return folder.exists("colours.ase"); }));
    const std::string swatches = folder.read("colours.ase");
    EXPECT_EQ(swatches.size(), 12u + 44 + 36);
    EXPECT_EQ(swatches.substr(0, 4), "ASEF");
    EXPECT_NE(swatches.find(std::string("\0G\0r\0\xFC\0n\0\0RGB ", 14)), std::string::npos);

    // Each palette back into an emptied history gives the same entries, in the same order.
    click(L"Close");
    for (const char* palette : {"palette.gpl", "colours.ase"}) {
        SCOPED_TRACE(palette);
        ASSERT_TRUE(tests::wait_until([&] { return !IsWindowVisible(dialog); }));
        ASSERT_TRUE(delete_all_rows());
        ASSERT_TRUE(tests::wait_until([&] { return folder.read("history.dat").empty(); }));
        open_dialog_from_popup_menu();
        files = file_dialog(L"Import", L"Import", types);
        ASSERT_NE(files, nullptr);
        EXPECT_EQ(types, (std::vector<std::string>{"All palettes (*.txt;*.gpl;*.ase)",
                                                   "Text files (*.txt)", "GIMP palette (*.gpl)",
                                                   "Adobe Swatch Exchange (*.ase)"}));
        tests::choose_in_file_dialog(files, (folder / palette).wstring());
        EXPECT_TRUE(tests::wait_until([&] { return !IsWindowVisible(files); }));
        if (!tests::wait_until([&] { return folder.read("history.dat") == stored; })) {
            ADD_FAILURE() << testing::PrintToString(folder.read("history.dat"));
            for (const auto& shown : program->answer_message_boxes(1, 1s))
                ADD_FAILURE() << "told: " << shown.text;
        }
        click(L"Close");
    }

    // A file whose content isn't what its extension says: one message, nothing imported.
    ASSERT_TRUE(tests::wait_until([&] { return !IsWindowVisible(dialog); }));
    open_dialog_from_popup_menu();
    folder.write("renamed.ase", "GIMP Palette\n1 2 3\tnot swatches\n");
    use_file_dialog(L"Import", L"Import", (folder / "renamed.ase").wstring());
    const auto shown = program->answer_message_boxes(1, 5s);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].text,
              "renamed.ase is not an Adobe Swatch Exchange file. Nothing was imported.");
    EXPECT_EQ(SendMessageW(control(L"SysListView32"), LVM_GETITEMCOUNT, 0, 0), 2);
}
