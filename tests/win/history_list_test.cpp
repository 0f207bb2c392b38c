// The history as the user meets it in the real window: colours kept when grabbing stops,
// rows clicked, renamed and deleted, and history.dat read at start and written at close.

#include <windows.h>

#include <commctrl.h>

#include <gtest/gtest.h>

#include <memory>

#include "app/main_form.h"
#include "colour/colour_identifiers.h"
#include "colour/named_colours.h"
#include "framework/core/errors.h"
#include "history/date_time_text.h"
#include "history_records.h"
#include "message_box_watcher.h"
#include "pump.h"
#include "temporary_folder.h"

using namespace pipetto;
using tests::MessageBoxWatcher;
using tests::TemporaryFolder;

namespace {

constexpr std::size_t record_size = 186;

std::string record(std::string_view name, TColor colour) {
    return tests::colour_record(name, colour);
}

// What the Grab page shows once grabbing has stopped on `colour`.
void stop_grabbing_on(TMainform& form, TColor colour) {
    form.ColorPicker.SetEnabled(false);
    form.HexColor.set_text(hex_form(colour));
    form.HtmlColor.set_text(html_form(colour));
    form.LongColor.set_text(long_form(colour));
    form.RGBColor.set_text(rgb_form(colour));
    form.IdentColor.set_text(name_form(html_form(colour)));
}

// On the History page, as the user clicks a row.
void click_row(TMainform& form, int row) {
    form.PageControl.set_active_page(form.HistorySheet);
    form.HistoryList.select_row(row);
    form.HistoryListClick();
}

std::vector<std::string> captions(const TMainform& form) {
    std::vector<std::string> result;
    for (int row = 0; row < form.HistoryList.row_count(); ++row)
        result.push_back(form.HistoryList.caption(row));
    return result;
}

class History : public ::testing::Test {
  protected:
    TemporaryFolder folder;
    std::unique_ptr<TMainform> form;

    void start() { form = std::make_unique<TMainform>(folder.path(), false); }
    std::string close_and_read_history() {
        form->close();
        EXPECT_EQ(form->hwnd(), nullptr);
        return folder.read("history.dat");
    }
};

} // namespace

TEST_F(History, OnlyWholeRecordsOfTheFileBecomeRows) {
    const std::string two = record("first", clRed) + record("", clBlue);
    for (const auto& [content, rows] :
         {std::pair{std::string(), 0}, std::pair{two.substr(0, record_size - 1), 0},
          std::pair{two + "x", 2}}) {
        SCOPED_TRACE(content.size());
        folder.write("history.dat", content);
        start();
        ASSERT_EQ(form->HistoryList.row_count(), rows);
        EXPECT_EQ(form->HistoryTable.count(), rows);
    }
    EXPECT_EQ(captions(*form), (std::vector<std::string>{"first", ""}));
    EXPECT_EQ(form->HistoryList.sub_item(1), "$00FF0000");
}

TEST_F(History, AFileOfMoreThan5000ColoursListsTheFirst5000SaysSoAndIsLeftAsItWas) {
    std::string stored;
    for (int i = 0; i <= HistoryTable::capacity; ++i)
        stored += record("colour " + std::to_string(i), static_cast<TColor>(i));
    folder.write("history.dat", stored);
    MessageBoxWatcher boxes;
    start();
    ASSERT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(boxes.messages()[0].title, "Informationen");
    EXPECT_NE(boxes.messages()[0].text.find("5001"), std::string::npos);
    EXPECT_EQ(form->HistoryList.row_count(), HistoryTable::capacity);
    EXPECT_EQ(form->HistoryList.caption(4999), "colour 4999");

    EXPECT_EQ(close_and_read_history(), stored);
}

TEST_F(History, ThreeEntriesComeBackInOrderAndARenameIsKeptAsItsFirst30Characters) {
    const std::string three = record("a", clRed) + record("b", clLime) + record("c", clNavy);
    folder.write("history.dat", three);
    start();
    EXPECT_EQ(close_and_read_history(), three);

    start();
    const std::string long_name(35, 'N');
    click_row(*form, 1);
    EXPECT_EQ(form->ItemName.text(), "b");
    form->ItemName.set_text(long_name);
    EXPECT_EQ(form->HistoryList.caption(1), long_name); // in full until the next start
    close_and_read_history();
    start();
    EXPECT_EQ(captions(*form), (std::vector<std::string>{"a", long_name.substr(0, 30), "c"}));
}

TEST_F(History, LoadsAndSavesWithTheHistoryPageNeverOpenedAndListsAllOnceItIs) {
    const std::string two = record("a", clRed) + record("b", clLime);
    folder.write("history.dat", two);
    start();
    stop_grabbing_on(*form, clNavy);
    ASSERT_TRUE(form->AddToHistory());
    EXPECT_FALSE(form->HistorySheet.contents_built());
    const std::string saved = close_and_read_history();
    ASSERT_EQ(saved.size(), 3 * record_size);
    EXPECT_EQ(saved.substr(0, 2 * record_size), two);

    start();
    form->PageControl.set_active_page(form->HistorySheet);
    const HWND list = form->HistoryList.hwnd();
    ASSERT_EQ(ListView_GetItemCount(list), 3);
    wchar_t text[32] = {};
    ListView_GetItemText(list, 1, 0, text, 32);
    EXPECT_STREQ(text, L"b");
    ListView_GetItemText(list, 2, 1, text, 32);
    EXPECT_STREQ(text, L"$00800000");
}

TEST_F(History, StoppingOnAColourKeepsItOnceNamedWithTheDateAndTime) {
    start();
    stop_grabbing_on(*form, 0x00FF901E);
    const std::string before = current_date_time_text();
    ASSERT_TRUE(form->AddToHistory());
    const std::string after = current_date_time_text();
    EXPECT_FALSE(form->AddToHistory());
    ASSERT_EQ(form->HistoryList.row_count(), 1);
    const std::string name = form->HistoryList.caption(0);
    EXPECT_TRUE(name == before || name == after) << name;
    EXPECT_LT(form->HistoryList.selected_row(), 0);

    const std::string saved = close_and_read_history();
    EXPECT_EQ(saved.substr(31), record("", 0x00FF901E).substr(31));
    EXPECT_EQ(saved.substr(1, static_cast<unsigned char>(saved[0])), name);
}

TEST_F(History, TheFirstSecondOfADayNamesTheDateAlone) {
    SYSTEMTIME midnight{2024, 3, 2, 5, 0, 0, 0, 0};
    SYSTEMTIME one_second_later = midnight;
    one_second_later.wSecond = 1;
    const std::string date = date_time_text(midnight);
    EXPECT_FALSE(date.empty());
    EXPECT_EQ(date.find(':'), std::string::npos);
    EXPECT_EQ(date_time_text(one_second_later).rfind(date + " ", 0), 0u);
}

TEST_F(History, DeletingTheMiddleRowKeepsTheOthersPairedAndDeleteAllLeavesAnEmptyFile) {
    folder.write("history.dat", record("a", clRed) + record("b", clLime) + record("c", clNavy));
    start();
    form->PageControl.set_active_page(form->HistorySheet);
    form->HistoryList.select_row(-1);
    form->Lschen1Click(); // nothing selected: nothing happens
    EXPECT_EQ(form->HistoryList.row_count(), 3);
    form->HistoryList.select_row(1);
    form->HistoryPopup.choose(4); // "Delete"
    EXPECT_EQ(captions(*form), (std::vector<std::string>{"a", "c"}));
    EXPECT_EQ(form->HistoryList.sub_item(1), "$00800000");
    EXPECT_EQ(form->HistoryTable.slot(2).Name.view(), "c");

    form->HistoryPopup.choose(5); // "Delete All"
    EXPECT_EQ(form->HistoryList.row_count(), 0);
    EXPECT_EQ(close_and_read_history(), "");
}

TEST_F(History, RenamingNeedsASelectedRowAndNeverTouchesARowThatIsGone) {
    folder.write("history.dat", record("a", clRed) + record("b", clLime));
    start();
    form->PageControl.set_active_page(form->HistorySheet);
    MessageBoxWatcher boxes;
    form->ItemName.set_text("typed");
    form->ItemNameClick();
    tests::pump_messages(std::chrono::milliseconds(100));
    EXPECT_EQ(boxes.texts(), (std::vector<std::string>(2, "Please select a color value...")));
    EXPECT_EQ(boxes.messages().at(0).title, "Informationen");

    click_row(*form, 1);
    form->HistoryList.select_row(1);
    form->Lschen1Click();
    form->HistoryList.select_row(0); // selected by the program, not by the user: no row is chosen
    form->ItemName.set_text("renamed");
    EXPECT_EQ(captions(*form), std::vector<std::string>{"a"});
    EXPECT_EQ(form->HistoryTable.slot(1).Name.view(), "a");
    EXPECT_EQ(form->HistoryTable.slot(2).Name.view(), "b"); // free now, but untouched
    EXPECT_EQ(boxes.messages().size(), 2u);
}

TEST_F(History, ARealClickOnARowSelectsItsColourAndName) {
    folder.write("history.dat", record("red", clRed) + record("dodger", 0x00FF901E));
    start();
    form->show();
    form->PageControl.set_active_page(form->HistorySheet);
    tests::pump_messages(std::chrono::milliseconds(100));
    RECT cell;
    ListView_GetSubItemRect(form->HistoryList.hwnd(), 1, 0, LVIR_LABEL, &cell);
    POINT at{(cell.left + cell.right) / 2, (cell.top + cell.bottom) / 2};
    ClientToScreen(form->HistoryList.hwnd(), &at);
    SetCursorPos(at.x, at.y);
    INPUT click[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                      {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
    SendInput(2, click, sizeof(INPUT));
    ASSERT_TRUE(tests::pump_until([&] { return form->SelectedIndex == 1; }));
    EXPECT_EQ(form->SelectedColor, 0x00FF901Eu);
    EXPECT_EQ(form->ItemName.text(), "dodger");
    ASSERT_TRUE(form->PixelImage2.has_bitmap());
    EXPECT_EQ(form->PixelImage2.bitmap_size().cx, 15);
    EXPECT_EQ(form->PixelImage2.bitmap_size().cy, 18);
}

TEST_F(History, TheColorColumnIsASwatchAndARowWithoutAColourIsDrawnPlainWithoutAMessage) {
    std::string bad = record("bad", 0);
    bad.replace(32, 9, "$zzzzzzzz");
    folder.write("history.dat", record("lime", clLime) + bad);
    start();
    MessageBoxWatcher boxes;
    form->show();
    form->PageControl.set_active_page(form->HistorySheet);
    for (int redraw = 0; redraw < 3; ++redraw) {
        RedrawWindow(form->HistoryList.hwnd(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        tests::pump_messages(std::chrono::milliseconds(50));
    }
    auto pixel_in_colour_cell = [&](int row) {
        RECT cell;
        ListView_GetSubItemRect(form->HistoryList.hwnd(), row, 1, LVIR_BOUNDS, &cell);
        win::WindowDC dc(form->HistoryList.hwnd());
        return GetPixel(dc.get(), cell.right - 3, (cell.top + cell.bottom) / 2);
    };
    EXPECT_EQ(pixel_in_colour_cell(0), RGB(0, 255, 0));
    EXPECT_EQ(pixel_in_colour_cell(1), win::to_colorref(clCream));
    EXPECT_TRUE(boxes.messages().empty());

    // A click on it tells once, and the row can still be renamed.
    click_row(*form, 0);
    EXPECT_THROW(click_row(*form, 1), EConvertError);
    EXPECT_EQ(form->SelectedIndex, 1);
    form->ItemName.set_text("fixed later");
    EXPECT_EQ(form->HistoryTable.slot(2).Name.view(), "fixed later");
    EXPECT_EQ(form->HistoryTable.slot(1).Name.view(), "lime");
}

TEST_F(History, AFullHistoryTakesNoMoreColoursAndSaysSoOnce) {
    std::string full;
    for (int i = 0; i < HistoryTable::capacity; ++i)
        full += record("kept", static_cast<TColor>(i));
    folder.write("history.dat", full);
    start();
    ASSERT_EQ(form->HistoryList.row_count(), 5000);
    MessageBoxWatcher boxes;
    stop_grabbing_on(*form, clWhite);
    EXPECT_FALSE(form->AddToHistory());
    EXPECT_FALSE(form->AddToHistory());
    tests::pump_messages(std::chrono::milliseconds(100));
    EXPECT_EQ(boxes.messages().size(), 1u);
    EXPECT_EQ(form->HistoryTable.count(), 5000);

    form->PageControl.set_active_page(form->HistorySheet);
    form->HistoryList.select_row(0);
    form->Lschen1Click();
    EXPECT_TRUE(form->AddToHistory());
    EXPECT_EQ(form->HistoryList.sub_item(4999), "$00FFFFFF");
}

TEST_F(History, EachChangeIsOnDiskHalfASecondLaterAndAWriteThatFailsIsToldOnce) {
    using namespace std::chrono_literals;
    folder.write("history.dat", record("a", clRed));
    start();
    const auto on_disk = [&] { return folder.read("history.dat"); };

    // A kept colour and a rename right after it are written together, half a second later.
    stop_grabbing_on(*form, clLime);
    ASSERT_TRUE(form->AddToHistory());
    click_row(*form, 0);
    form->ItemName.set_text("renamed");
    EXPECT_EQ(on_disk(), record("a", clRed));
    ASSERT_TRUE(tests::pump_until([&] { return on_disk().size() == 2 * record_size; }, 1500ms));
    EXPECT_EQ(on_disk().substr(0, record_size), record("renamed", clRed));
    EXPECT_FALSE(form->history_write_pending());

    // While history.dat can't be replaced (made read-only while Pipetto runs), the first
    // failing write says why; the next change says nothing more, and history.dat stays as it was.
    const std::filesystem::path history_file = folder / "history.dat";
    ASSERT_TRUE(SetFileAttributesW(history_file.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string before = on_disk();
    {
        MessageBoxWatcher boxes;
        form->HistoryList.select_row(1);
        form->Lschen1Click();
        tests::pump_messages(800ms);
        form->Alleentfernen1Click();
        tests::pump_messages(800ms);
        EXPECT_EQ(boxes.texts(), (std::vector<std::string>{"Dateizugriff verweigert."}));
    }
    EXPECT_EQ(on_disk(), before);

    // Once it can be written again, the next change takes everything along.
    ASSERT_TRUE(SetFileAttributesW(history_file.c_str(), FILE_ATTRIBUTE_NORMAL));
    stop_grabbing_on(*form, clNavy);
    ASSERT_TRUE(form->AddToHistory());
    ASSERT_TRUE(tests::pump_until([&] { return on_disk().size() == record_size; }, 1500ms));
    EXPECT_EQ(on_disk().substr(record_size - 155), record("", clNavy).substr(record_size - 155));
}
