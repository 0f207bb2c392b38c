// config.ini as the user meets it: read into the controls at start, written at close.

#include <gtest/gtest.h>

#include "app/main_form.h"
#include "framework/win/win_text.h"
#include "message_box_watcher.h"
#include "pump.h"
#include "temporary_folder.h"

using namespace pipetto;
using tests::MessageBoxWatcher;
using tests::TemporaryFolder;

namespace {

constexpr char default_file[] = "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                                "[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n";

std::string windows_path(const std::filesystem::path& path) {
    return win::narrow(path.wstring());
}

// Closes the window as its close button does; true when it went.
bool close(TMainform& form) {
    form.close();
    return form.hwnd() == nullptr;
}

} // namespace

TEST(SettingsFile, WithoutAFileTheWindowStartsOnTopAt100And100AndClosingWritesTheNineLines) {
    TemporaryFolder folder;
    TMainform form(folder.path(), false);
    EXPECT_TRUE(form.always_on_top());
    EXPECT_EQ(form.left(), 100);
    EXPECT_EQ(form.top(), 100);
    EXPECT_TRUE(form.FrontCheckBox.checked());
    EXPECT_TRUE(form.CursorCheckBox.checked());
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: CTRL+S");
    EXPECT_FALSE(folder.exists("config.ini"));

    ASSERT_TRUE(close(form));
    EXPECT_EQ(folder.read("config.ini"), default_file);
}

TEST(SettingsFile, StoredChoicesAreAppliedAndWrittenBackUnchanged) {
    TemporaryFolder folder;
    const std::string stored = "[screen]\r\nx=-50\r\ny=-20\r\nstayontop=False\r\n"
                               "[loupe]\r\ncursor=False\r\n[hotkey]\r\ngrab=5\r\nloupe=54\r\n";
    folder.write("config.ini", stored);
    TMainform form(folder.path(), false);
    EXPECT_EQ(form.left(), -50);
    EXPECT_EQ(form.top(), -20);
    EXPECT_FALSE(form.always_on_top());
    EXPECT_FALSE(form.FrontCheckBox.checked());
    EXPECT_FALSE(form.CursorCheckBox.checked());
    EXPECT_EQ(form.GrabKey.selected_text(), "CTRL+F");
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: CTRL+F");
    EXPECT_EQ(form.LoupeKey.selected_text(), "F3");

    ASSERT_TRUE(close(form));
    EXPECT_EQ(folder.read("config.ini"), stored);
}

TEST(SettingsFile, APlaceOffTheScreenOpensWhollyOnItAndThePlaceShownIsWritten) {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nx=5000\r\ny=-3000\r\nstayontop=False\r\n"
                               "[loupe]\r\ncursor=False\r\n[hotkey]\r\ngrab=5\r\nloupe=54\r\n");
    TMainform form(folder.path(), false);
    RECT outer;
    GetWindowRect(form.hwnd(), &outer);
    EXPECT_EQ(outer.right, work.right);
    EXPECT_EQ(outer.top, work.top);

    ASSERT_TRUE(close(form));
    EXPECT_EQ(folder.read("config.ini"),
              "[screen]\r\nx=" + std::to_string(outer.left) + "\r\ny=" + std::to_string(outer.top) +
                  "\r\nstayontop=False\r\n[loupe]\r\ncursor=False\r\n[hotkey]\r\ngrab=5\r\n"
                  "loupe=54\r\n");
}

TEST(SettingsFile, ChoicesRoundTripWithoutTheSettingsPageWhoseControlsShowThemOnceOpened) {
    TemporaryFolder folder;
    const std::string stored = "[screen]\r\nx=40\r\ny=60\r\nstayontop=False\r\n"
                               "[loupe]\r\ncursor=False\r\n[hotkey]\r\ngrab=5\r\nloupe=54\r\n";
    folder.write("config.ini", stored);
    {
        TMainform form(folder.path(), false);
        EXPECT_FALSE(form.AboutSheet.contents_built());
        ASSERT_TRUE(close(form));
    }
    EXPECT_EQ(folder.read("config.ini"), stored);

    TMainform form(folder.path(), false);
    form.show();
    form.PageControl.set_active_page(form.AboutSheet);
    EXPECT_EQ(SendMessageW(form.FrontCheckBox.hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(form.CursorCheckBox.hwnd(), BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(form.GrabKey.hwnd(), CB_GETCURSEL, 0, 0), 5);
    EXPECT_EQ(SendMessageW(form.LoupeKey.hwnd(), CB_GETCURSEL, 0, 0), 54);
    SendMessageW(form.FrontCheckBox.hwnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.always_on_top());
    ASSERT_TRUE(close(form));
    EXPECT_EQ(folder.read("config.ini"),
              "[screen]\r\nx=40\r\ny=60\r\nstayontop=True\r\n"
              "[loupe]\r\ncursor=False\r\n[hotkey]\r\ngrab=5\r\nloupe=54\r\n");
}

TEST(SettingsFile, OnlyTheExactTextTrueCountsAsTrue) {
    for (const char* not_true : {"true", "TRUE", "1", ""}) {
        SCOPED_TRACE(not_true);
        TemporaryFolder folder;
        folder.write("config.ini", std::string("[screen]\nx=10\ny=20\nstayontop=") + not_true +
                                       "\n[loupe]\ncursor=" + not_true +
                                       "\n[hotkey]\ngrab=18\nloupe=0\n");
        TMainform form(folder.path(), false);
        EXPECT_FALSE(form.FrontCheckBox.checked());
        EXPECT_FALSE(form.always_on_top());
        EXPECT_FALSE(form.CursorCheckBox.checked());
    }
}

TEST(SettingsFile, KeepInTheForegroundFollowsTheCheckBox) {
    TemporaryFolder folder;
    TMainform form(folder.path(), false);
    form.show();
    EXPECT_TRUE(GetWindowLongPtrW(form.hwnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    form.PageControl.set_active_page(form.AboutSheet);
    SendMessageW(form.FrontCheckBox.hwnd(), BM_CLICK, 0, 0);
    EXPECT_FALSE(form.FrontCheckBox.checked());
    EXPECT_FALSE(form.always_on_top());
    SendMessageW(form.FrontCheckBox.hwnd(), BM_CLICK, 0, 0);
    EXPECT_TRUE(form.always_on_top());
}

TEST(SettingsFile, ABadNumberIsReportedOnceAndEverythingElseStillLoads) {
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nx=abc\r\ny=200\r\nstayontop=False\r\n"
                               "[loupe]\r\ncursor=False\r\n[hotkey]\r\ngrab=zz\r\nloupe=3\r\n");
    folder.write("history.dat", std::string(186, '\0'));
    MessageBoxWatcher boxes;
    TMainform form(folder.path(), false);
    tests::pump_messages(std::chrono::milliseconds(100));

    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].title, "Pipetto 2.0");
    EXPECT_EQ(boxes.messages()[0].text, "'abc' ist kein gültiger Integerwert.");
    EXPECT_EQ(form.left(), 100); // the default for the bad value
    EXPECT_EQ(form.top(), 200);
    EXPECT_FALSE(form.always_on_top());
    EXPECT_FALSE(form.CursorCheckBox.checked());
    EXPECT_EQ(form.GrabKey.item_index(), 18);
    EXPECT_EQ(form.LoupeKey.selected_text(), "CTRL+D");
    EXPECT_EQ(form.HistoryList.row_count(), 1); // the history loads all the same
    EXPECT_EQ(&form.PageControl.active_page(), &form.GrabSheet);
}

TEST(SettingsFile, AnAbsentNumberIsReportedWithAnEmptyText) {
    TemporaryFolder folder;
    folder.write("config.ini", "[screen]\r\nstayontop=True\r\n");
    MessageBoxWatcher boxes;
    TMainform form(folder.path(), false);
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], "'' ist kein gültiger Integerwert.");
    EXPECT_TRUE(form.always_on_top());
}

TEST(SettingsFile, HotkeyIndexesOutsideTheListKeepTheDefaultsSilently) {
    TemporaryFolder folder;
    folder.write("config.ini",
                 "[screen]\r\nx=1\r\ny=2\r\nstayontop=True\r\n[loupe]\r\ncursor=True\r\n"
                 "[hotkey]\r\ngrab=100\r\nloupe=-1\r\n");
    MessageBoxWatcher boxes;
    TMainform form(folder.path(), false);
    EXPECT_TRUE(boxes.messages().empty());
    EXPECT_EQ(form.GrabKey.selected_text(), "CTRL+S");
    EXPECT_EQ(form.GrabLabel.text(), "Start/Stop: CTRL+S");
    EXPECT_EQ(form.LoupeKey.selected_text(), "CTRL+A");
}

TEST(SettingsFile, ALoupeSampleSizeThatIsNoSizeReadsAsOnePixelSilentlyAndGoesAtTheClose) {
    for (const std::string& value :
         {std::string("7"), std::string("5x5"), std::string(""), std::string(2'000'000, '3')}) {
        TemporaryFolder folder;
        folder.write("config.ini", "[screen]\r\nx=100\r\ny=100\r\nstayontop=True\r\n"
                                   "[loupe]\r\ncursor=True\r\nsamplesize=" +
                                       value + "\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
        MessageBoxWatcher boxes;
        TMainform form(folder.path(), false);
        tests::pump_messages(std::chrono::milliseconds(50));
        EXPECT_TRUE(boxes.messages().empty()) << value.size();
        EXPECT_EQ(form.ColorPicker.SampleSize(), 1) << value.size();
        ASSERT_TRUE(close(form));
        EXPECT_EQ(folder.read("config.ini"), default_file) << value.size();
    }
}

TEST(SettingsFile, SectionsAndKeysOfOthersSurviveASave) {
    TemporaryFolder folder;
    folder.write("config.ini", "; kept by the user\r\n[other]\r\nkeep=me\r\n[screen]\r\nx=10\r\n"
                               "y=20\r\nextra=1\r\nstayontop=True\r\n[loupe]\r\ncursor=True\r\n"
                               "[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
    TMainform form(folder.path(), false);
    form.set_position(30, 40);
    ASSERT_TRUE(close(form));
    EXPECT_EQ(folder.read("config.ini"),
              "; kept by the user\r\n[other]\r\nkeep=me\r\n[screen]\r\nx=30\r\ny=40\r\nextra=1\r\n"
              "stayontop=True\r\n[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n");
}

TEST(SettingsFile, AFileThatCantBeWrittenIsToldAndTheUserChoosesWhetherToCloseAnyway) {
    TemporaryFolder folder;
    folder.write("config.ini", default_file);
    folder.write("history.dat", "");
    TMainform form(folder.path(), false);
    // Another program holds the file open without sharing it.
    HANDLE held = CreateFileW((folder / "config.ini").wstring().c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    {
        MessageBoxWatcher boxes(IDNO);
        EXPECT_FALSE(close(form));
        ASSERT_EQ(boxes.texts().size(), 2u);
        EXPECT_EQ(boxes.texts()[0],
                  "In " + windows_path(folder / "config.ini") + " kann nicht geschrieben werden.");
        EXPECT_TRUE(boxes.messages()[1].question);
        // No: Pipetto goes on as it was.
        EXPECT_EQ(form.caption(), " Pipetto 2.0");
        EXPECT_TRUE(IsWindow(form.hwnd()));
    }
    {
        MessageBoxWatcher boxes(IDYES);
        EXPECT_TRUE(close(form));
        EXPECT_EQ(boxes.texts().size(), 2u);
    }
    CloseHandle(held);
    EXPECT_EQ(folder.read("config.ini"), default_file);
}

TEST(SettingsFile, AFileThatCantBeReadIsReportedAndNeverWrittenOver) {
    TemporaryFolder folder;
    const std::string stored = "[screen]\r\nx=5\r\ny=6\r\nstayontop=False\r\n";
    folder.write("config.ini", stored);
    // Another program holds the file open without sharing it.
    HANDLE held = CreateFileW((folder / "config.ini").wstring().c_str(), GENERIC_READ, 0, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    MessageBoxWatcher boxes;
    TMainform form(folder.path(), false);
    CloseHandle(held);
    // Windows' own code for a file another program holds, which has no text of its own.
    ASSERT_EQ(boxes.texts().size(), 1u);
    EXPECT_EQ(boxes.texts()[0], "E/A-Fehler 32.");
    EXPECT_EQ(form.left(), 100);
    EXPECT_TRUE(form.always_on_top());

    ASSERT_TRUE(close(form));
    EXPECT_EQ(folder.read("config.ini"), stored);
}
