// The export and import text files: what a user's editor sees in an exported file, which
// lines of a file an import takes, and files that are no export files at all.

#include "history/export_file.h"
#include "history/import_file.h"

#include <gtest/gtest.h>

#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "support/grabbed_entry.h"
#include "support/scratch_folder.h"

using namespace pipetto;

namespace {

class ExportImport : public tests::ScratchFolderTest {
  protected:
    HistoryTable table;
    int date_names_asked = 0;

    ImportBatch import_text(const std::string& content) {
        write_file(dir / "in.txt", content);
        return read_import_file(dir / "in.txt", table, [this] {
            return "09.12.2026 10:00:0" + std::to_string(date_names_asked++);
        });
    }
    // An import as the dialog finishes it: the taken entries become live slots.
    int import_and_append(const std::string& content) {
        ImportBatch batch = import_text(content);
        for (const ImportedEntry& taken : batch.entries)
            table.append(taken.entry);
        return static_cast<int>(batch.entries.size());
    }
    std::string exported(ExportChoice choice) {
        export_history(table, choice, dir / "out.txt");
        return read_file(dir / "out.txt");
    }
};

std::vector<std::string> captions(const ImportBatch& batch) {
    std::vector<std::string> result;
    for (const ImportedEntry& taken : batch.entries)
        result.push_back(taken.caption);
    return result;
}

} // namespace

TEST_F(ExportImport, EachChoiceWritesOneCrLfLinePerEntryInListOrder) {
    table.append(grabbed("12/9/2026 10:15:02 AM", 0x00FF901E));
    table.append(grabbed("a=b", 0x000000FF));

    EXPECT_EQ(exported({ExportedValue::hex, true}),
              "12/9/2026 10:15:02 AM=$00FF901E\r\na=b=$000000FF\r\n");
    EXPECT_EQ(exported({ExportedValue::long_value, false}), "16748574\r\n255\r\n");
    EXPECT_EQ(exported({ExportedValue::html, true}),
              "12/9/2026 10:15:02 AM=#1E90FF\r\na=b=#FF0000\r\n");

    table.clear();
    EXPECT_EQ(exported({}), "");
    EXPECT_TRUE(std::filesystem::exists(dir / "out.txt"));
    EXPECT_FALSE(std::filesystem::exists(dir / "out.txt.tmp"));
}

TEST_F(ExportImport, ItsOwnHexExportAddsNothingAndHtmlOrLongExportsAddNothingAnywhere) {
    table.append(grabbed("one", 0x00FF901E));
    table.append(grabbed("two", 0x00000000));
    for (const ExportChoice choice :
         {ExportChoice{ExportedValue::hex, true}, ExportChoice{ExportedValue::hex, false},
          ExportChoice{ExportedValue::html, true}, ExportChoice{ExportedValue::long_value, false}})
        EXPECT_EQ(import_and_append(exported(choice)), 0);

    const std::string html_and_long =
        exported({ExportedValue::html, true}) + exported({ExportedValue::long_value, true});
    table.clear();
    EXPECT_EQ(import_and_append(html_and_long), 0);
    EXPECT_EQ(date_names_asked, 0);
}

TEST_F(ExportImport, TheLineRulesDecideWhatIsTakenAndHowItIsNamed) {
    table.append(grabbed("listed", 0x00FF0000));
    const ImportBatch batch = import_text("first=$000000FF\r\n"      // taken, forms derived
                                          "$0000FF00\n"              // no "=": a date name
                                          "again=$000000FF\r\n"      // taken above already
                                          "listed too=$00FF0000\r\n" // listed before
                                          "html=#FF0000\r\n"         // no "$"
                                          "a=b=$00111111\r\n"        // value "b=$0011..."
                                          "=$00222222 and more\r\n"  // empty name, cut to 9
                                          "short=$12\r\n"            // fewer than 9: whole
                                          "lower=$00abcdef\r\n"      // taken as it stands
                                          "cr\rinside=$00333333\r\n" // a lone CR is no break
                                          "\r\n\n"                   // empty lines
                                          "last=$00444444");         // no line break

    EXPECT_EQ(captions(batch), (std::vector<std::string>{"first", "09.12.2026 10:00:00", "",
                                                         "short", "lower", "cr\rinside", "last"}));
    ASSERT_EQ(batch.entries.size(), 7u);
    EXPECT_EQ(date_names_asked, 1);
    EXPECT_FALSE(batch.not_text);
    EXPECT_EQ(batch.lines_left_out, 0u);
    EXPECT_FALSE(batch.failure);

    const THistoryEntry& first = batch.entries[0].entry;
    EXPECT_EQ(first.Name.text(), "first");
    EXPECT_EQ(first.Hex.text(), "$000000FF");
    EXPECT_EQ(first.Html.text(), "#FF0000");
    EXPECT_EQ(first.Long.text(), "255");
    EXPECT_EQ(first.RGB.text(), "rgb(255,0,0)");
    EXPECT_EQ(first.Ident.text(), "red");
    EXPECT_EQ(batch.entries[2].entry.Hex.text(), "$00222222");
    EXPECT_EQ(batch.entries[6].entry.Hex.text(), "$00444444");

    // A value that is no grabbed colour keeps the other four texts empty.
    const THistoryEntry& short_value = batch.entries[3].entry;
    EXPECT_EQ(short_value.Hex.text(), "$12");
    EXPECT_EQ(short_value.Html.text() + short_value.Long.text() + short_value.RGB.text() +
                  short_value.Ident.text(),
              "");
    // Lower-case digits stay lower-case; the derived forms are the usual ones.
    EXPECT_EQ(batch.entries[4].entry.Hex.text(), "$00abcdef");
    EXPECT_EQ(batch.entries[4].entry.Html.text(), "#EFCDAB");
}

TEST_F(ExportImport, ALongNameIsCutTo30InItsSlotAndToTheCaptionsBoundInItsRow) {
    const std::string name(40, 'n');
    const std::string huge_name(3 * 1024 * 1024, 'N');
    const ImportBatch batch = import_text(name + "=$00000001\r\n" + huge_name + "=$00000002\r\n" +
                                          "$00000003" + std::string(2 * 1024 * 1024, 'x'));
    ASSERT_EQ(batch.entries.size(), 3u);
    EXPECT_EQ(batch.entries[0].caption, name);
    EXPECT_EQ(batch.entries[0].entry.Name.text(), name.substr(0, 30));
    EXPECT_EQ(batch.entries[1].caption, huge_name.substr(0, imported_caption_capacity));
    EXPECT_EQ(batch.entries[1].entry.Hex.text(), "$00000002");
    EXPECT_EQ(batch.entries[2].entry.Hex.text(), "$00000003");
    EXPECT_EQ(batch.entries[2].caption, "09.12.2026 10:00:00");
}

TEST_F(ExportImport, AFileHoldingANulByteIsNoTextFileAndGivesNothing) {
    std::string photo = "\xFF\xD8\xFF\xE0";
    photo += std::string("\0\x10JFIF\0", 8);
    photo += "\n$00FF00FF=\n=$00123456\r\n";
    const ImportBatch batch = import_text("good=$00ABCDEF\r\n" + photo);
    EXPECT_TRUE(batch.not_text);
    EXPECT_TRUE(batch.entries.empty());
    EXPECT_EQ(batch.lines_left_out, 0u);

    EXPECT_EQ(not_a_text_file_message("photo.jpg"),
              "photo.jpg is not a text file. Nothing was imported: only text files with Hex "
              "values can be imported.");
}

TEST_F(ExportImport, AFullTableTakesWhatFitsAndCountsTheLinesLeftOut) {
    for (int i = 0; i < HistoryTable::capacity - 2; ++i)
        table.append(grabbed("kept", static_cast<TColor>(i)));
    const ImportBatch batch = import_text("listed=$00000000\r\n" // a duplicate, not counted
                                          "a=$00AAAAAA\r\nb=$00BBBBBB\r\n"
                                          "c=$00CCCCCC\r\nd=$00DDDDDD\r\nd=$00DDDDDD\r\n"
                                          "skipped=#FFFFFF\r\n");
    EXPECT_EQ(captions(batch), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(batch.lines_left_out, 3u);
    EXPECT_EQ(history_full_import_message(3),
              "The history is full: Pipetto keeps at most 5000 colours. 3 lines of the file "
              "with a new colour were left out.");
    EXPECT_EQ(history_full_import_message(1),
              "The history is full: Pipetto keeps at most 5000 colours. 1 line of the file "
              "with a new colour was left out.");
}
