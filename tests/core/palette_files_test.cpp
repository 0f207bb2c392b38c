// The palette files: what a design program finds in each exported file, byte for byte;
// the round trip back into an empty history; and the damaged and foreign files an
// import must refuse or read only as far as they are sound.

#include <gtest/gtest.h>

#include <bit>
#include <cmath>

#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "history/history_palette.h"
#include "history/palette_export.h"
#include "history/palette_import.h"
#include "palettes/css_file.h"
#include "support/grabbed_entry.h"
#include "support/scratch_folder.h"

using namespace pipetto;

namespace {

std::string be16(unsigned value) {
    return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)};
}
std::string be32(std::uint32_t value) {
    return be16(value >> 16) + be16(value & 0xFFFF);
}
std::string be_float(float value) {
    return be32(std::bit_cast<std::uint32_t>(value));
}
// A UTF-16BE name of ASCII characters with its terminating zero, and its unit count.
std::string ase_name(std::string_view name) {
    std::string bytes = be16(static_cast<unsigned>(name.size() + 1));
    for (const char c : name)
        bytes += std::string{'\0', c};
    return bytes + be16(0);
}
std::string ase_block(unsigned type, const std::string& content) {
    return be16(type) + be32(static_cast<std::uint32_t>(content.size())) + content;
}
std::string ase_colour(std::string_view name, std::string_view model,
                       std::initializer_list<float> values) {
    std::string content = ase_name(name) + std::string(model);
    for (const float value : values)
        content += be_float(value);
    return ase_block(1, content + be16(2));
}
std::string ase_file(std::uint32_t blocks, const std::string& content) {
    return "ASEF" + be16(1) + be16(0) + be32(blocks) + content;
}

class PaletteFiles : public tests::ScratchFolderTest {
  protected:
    HistoryTable table;

    std::string exported(PaletteFormat format, const char* file, bool with_name = true) {
        export_palette(table, {ExportedValue::hex, with_name}, format, dir / file);
        return read_file(dir / file);
    }
    ImportBatch imported(const char* file, const std::string& content) {
        return imported_into(table, file, content);
    }
    ImportBatch imported_into(const HistoryTable& into, const char* file,
                              const std::string& content) {
        write_file(dir / file, content);
        return read_palette_file(import_format(dir / file), dir / file, into,
                                 [] { return std::string("dated"); });
    }
    std::string message(const char* file, const ImportBatch& batch) {
        return import_closing_message(batch, import_format(dir / file), file);
    }
};

std::vector<std::string> hex_texts(const ImportBatch& batch) {
    std::vector<std::string> result;
    for (const ImportedEntry& taken : batch.entries)
        result.push_back(taken.entry.Hex.text());
    return result;
}

} // namespace

TEST_F(PaletteFiles, EachFormatLaysOutItsBytesAsItsProgramsExpect) {
    table.append(grabbed("Sky blue", 0x00EBCE87));
    table.append(grabbed("Gr\xFCn", 0x00008000)); // "Grün" in the code page
    table.append(grabbed("sky-blue", 0x00FF901E));

    EXPECT_EQ(exported(PaletteFormat::gpl, "Mine.gpl"), "GIMP Palette\n"
                                                        "Name: Mine\n"
                                                        "Columns: 0\n"
                                                        "#\n"
                                                        "135 206 235\tSky blue\n"
                                                        "  0 128   0\tGr\xC3\xBCn\n"
                                                        " 30 144 255\tsky-blue\n");
    EXPECT_EQ(exported(PaletteFormat::css, "mine.css"), ":root {\n"
                                                        "  --sky-blue: #87ceeb; /* Sky blue */\n"
                                                        "  --gr-n: #008000; /* Gr\xC3\xBCn */\n"
                                                        "  --sky-blue-2: #1e90ff; /* sky-blue */\n"
                                                        "}\n");
    table.clear();
    table.append(grabbed("A\xE9", 0x000080FF));
    EXPECT_EQ(exported(PaletteFormat::ase, "mine.ase"), std::string("ASEF\0\1\0\0\0\0\0\1"
                                                                    "\0\1\0\0\0\x1A"
                                                                    "\0\3\0A\0\xE9\0\0"
                                                                    "RGB "
                                                                    "\x3F\x80\0\0"
                                                                    "\x3F\0\x80\x81"
                                                                    "\0\0\0\0"
                                                                    "\0\2",
                                                                    44));
    // Without names, each colour is named by its Html text.
    EXPECT_EQ(exported(PaletteFormat::css, "plain.css", false),
              ":root {\n  --ff8000: #ff8000; /* #FF8000 */\n}\n");
}

TEST_F(PaletteFiles, CssNamesBecomeValidPropertyNamesThatNeverCollide) {
    EXPECT_EQ(css_property_name("Sky Blue"), "sky-blue");
    EXPECT_EQ(css_property_name("  --a__b!!c--  "), "a-b-c");
    EXPECT_EQ(css_property_name("12/9/2026 10:15:02 AM"), "color-12-9-2026-10-15-02-am");
    EXPECT_EQ(css_property_name("#1E90FF"), "color-1e90ff");
    EXPECT_EQ(css_property_name(""), "color-");
    EXPECT_EQ(css_property_name("\xC3\xBC\xC3\xBC"), "color-");

    // "a", "a", "a-2" and "A": the suffixes skip what is taken, and a comment can't end early.
    for (const char* name : {"a", "a", "a-2", "A", "x*/y"})
        table.append(grabbed(name, 0));
    EXPECT_EQ(exported(PaletteFormat::css, "names.css"), ":root {\n"
                                                         "  --a: #000000;\n"
                                                         "  --a-2: #000000; /* a */\n"
                                                         "  --a-2-2: #000000; /* a-2 */\n"
                                                         "  --a-3: #000000; /* A */\n"
                                                         "  --x-y: #000000; /* x* /y */\n"
                                                         "}\n");
}

TEST_F(PaletteFiles, EveryImportableFormatGivesBackTheSameColoursInTheSameOrder) {
    const TColor colours[] = {0x00EBCE87, 0x00000000, 0x00FFFFFF, 0x00010203, 0x00FF901E};
    const char* names[] = {"Sky blue", "", "  two  blanks", "Gr\xFCn", "a=b"};
    for (int i = 0; i < 5; ++i)
        table.append(grabbed(names[i], colours[i]));
    // An entry whose value is no colour can't go into a palette, and says so.
    THistoryEntry no_colour{};
    no_colour.Hex.assign("$zz");
    table.append(no_colour);
    EXPECT_EQ(export_palette(table, {}, PaletteFormat::ase, dir / "left.ase"), 1);
    EXPECT_EQ(left_out_of_palette_message(1),
              "1 entry was left out of the palette: its value is no colour.");

    // Today's text format has its own tests; these are the palettes that come back.
    for (const char* file : {"back.gpl", "back.ase"}) {
        for (const bool with_name : {true, false}) {
            SCOPED_TRACE(std::string(file) + (with_name ? " with names" : " without"));
            const std::string content = exported(export_format(dir / file, 0), file, with_name);
            const ImportBatch batch = imported_into(HistoryTable(), file, content);
            ASSERT_EQ(batch.entries.size(), 5u);
            EXPECT_EQ(message(file, batch), "");
            for (int i = 0; i < 5; ++i) {
                const THistoryEntry& back = batch.entries[static_cast<std::size_t>(i)].entry;
                const THistoryEntry& kept = table.slot(i + 1);
                EXPECT_EQ(back.Hex.text(), kept.Hex.text());
                EXPECT_EQ(back.Ident.text(), kept.Ident.text());
                EXPECT_EQ(back.RGB.text(), kept.RGB.text());
                // An unnamed colour is named with the date and time, as a text line
                // without "=" is.
                const std::string name = with_name ? kept.Name.text() : kept.Html.text();
                EXPECT_EQ(back.Name.text(), name.empty() ? "dated" : name) << i;
            }
        }
    }
}

TEST_F(PaletteFiles, APaletteHoldsEachRowInTheColourItsSwatchShows) {
    // Texts a hand-edited file may leave in a row. The list paints a row in its whole text
    // read as a colour; a row it paints in no colour is left out of a palette.
    const std::pair<const char*, const char*> rows[] = {
        {"short", "$ABC"},         // $00000ABC
        {"long", " $000000FF"},    // $000000FF, read whole
        {"named", "clMoneyGreen"}, // $00C0DCC0
        {"system", "$80000005"},   // the scheme's window colour, white in the classic one
        {"top", "$01234567"},      // painted without its top byte
        {"trailing", "$000000FF0"}, {"none", "$zz"},
    };
    for (const auto& [name, hex] : rows) {
        THistoryEntry row{};
        row.Name.assign(name);
        row.Hex.assign(hex);
        table.append(row);
    }
    EXPECT_EQ(export_palette(table, {}, PaletteFormat::gpl, dir / "rows.gpl"), 2);
    EXPECT_EQ(read_file(dir / "rows.gpl"), "GIMP Palette\nName: rows\nColumns: 0\n#\n"
                                           "188  10   0\tshort\n"
                                           "255   0   0\tlong\n"
                                           "192 220 192\tnamed\n"
                                           "255 255 255\tsystem\n"
                                           "103  69  35\ttop\n");
    EXPECT_EQ(exported(PaletteFormat::gpl, "plain.gpl", false),
              "GIMP Palette\nName: plain\nColumns: 0\n#\n"
              "188  10   0\t#BC0A00\n"
              "255   0   0\t#FF0000\n"
              "192 220 192\t#C0DCC0\n"
              "255 255 255\t#FFFFFF\n"
              "103  69  35\t#674523\n");
}

TEST_F(PaletteFiles, AGimpPaletteIsReadByItsLinesAndRefusedWhenItIsNone) {
    table.append(grabbed("listed", 0x000000FF));
    const ImportBatch batch = imported("hand.gpl", "\xEF\xBB\xBFGIMP Palette\r\n"
                                                   "Name: Hand made\r\n"
                                                   "Columns: 4\r\n"
                                                   "# a comment 1 2 3\r\n"
                                                   "\r\n"
                                                   "255 0 0\tlisted already\r\n"
                                                   "  0   0 255 Deep  blue \r\n"
                                                   "1 2 3 \t  after blanks\r\n"
                                                   "256 0 0 too red\n"
                                                   "1 2 three\n"
                                                   "10 20 30\n"
                                                   "1 1 1 bad \xFF byte\n"
                                                   "007 8 9\tleading zeros");
    EXPECT_EQ(hex_texts(batch), (std::vector<std::string>{"$00FF0000", "$00030201", "$001E140A",
                                                          "$00010101", "$00090807"}));
    EXPECT_EQ(batch.entries[0].caption, "Deep  blue ");
    EXPECT_EQ(batch.entries[1].caption, "after blanks");
    EXPECT_EQ(batch.entries[0].entry.Ident.text(), "blue");
    EXPECT_EQ(batch.entries[2].caption, "dated");
    EXPECT_EQ(batch.entries[3].caption, "bad ? byte");
    EXPECT_EQ(message("hand.gpl", batch),
              "1 name was not UTF-8 text: the characters that could not be read show as \"?\".");

    // Not a palette at all, a NUL byte late in the file, an empty file.
    std::string late_nul = "GIMP Palette\n" + std::string(100000, '\n') + "1 2 3 x";
    late_nul.push_back('\0');
    for (const std::string& content :
         {std::string("name=$00FF0000\r\n"), late_nul, std::string()}) {
        const ImportBatch refused = imported("other.gpl", content);
        EXPECT_TRUE(refused.wrong_content);
        EXPECT_TRUE(refused.entries.empty());
        EXPECT_EQ(message("other.gpl", refused),
                  "other.gpl is not a GIMP palette. Nothing was imported.");
    }
}

TEST_F(PaletteFiles, AMillionLinesFillTheHistoryAndCountWhatWasLeftOut) {
    std::string content = "GIMP Palette\n";
    content.reserve(20'000'000);
    for (int i = 0; i < 1'000'000; ++i)
        content += std::to_string(i & 0xFF) + ' ' + std::to_string((i >> 8) & 0xFF) + ' ' +
                   std::to_string(i >> 16) + '\n';
    // And one line of 3 MB: its name is cut to the row's bound.
    content += "1 1 200 " + std::string(3'000'000, 'n');
    table.append(grabbed("first", 0));
    const ImportBatch batch = imported("huge.gpl", content);
    EXPECT_EQ(batch.entries.size(), static_cast<std::size_t>(HistoryTable::capacity - 1));
    EXPECT_EQ(batch.lines_left_out, 1'000'000u - HistoryTable::capacity + 1);
    EXPECT_EQ(message("huge.gpl", batch),
              "The history is full: Pipetto keeps at most 5000 colours. 995001 new colours of "
              "the file were left out.");
}

TEST_F(PaletteFiles, AColourLeftOutOfAFullHistoryIsCountedOnceHoweverOftenTheFileRepeatsIt) {
    for (int i = 0; i < HistoryTable::capacity; ++i)
        table.append(grabbed("kept", static_cast<TColor>(0x00100000 + i)));
    // Two new colours, the first three times, and a listed one twice.
    const ImportBatch gpl = imported("repeats.gpl", "GIMP Palette\n"
                                                    "1 2 3\tA\n"
                                                    "1 2 3\tA\n"
                                                    "0 0 16\tlisted\n"
                                                    "1 2 3\tA\n"
                                                    "4 5 6\tB\n"
                                                    "0 0 16\tlisted\n");
    const ImportBatch ase = imported(
        "repeats.ase",
        ase_file(4, ase_colour("A", "RGB ", {1, 0, 0}) + ase_colour("A", "RGB ", {1, 0, 0}) +
                        ase_colour("Mid", "Gray", {0.5f}) + ase_colour("A", "RGB ", {1, 0, 0})));
    EXPECT_EQ(message("repeats.gpl", gpl), "The history is full: Pipetto keeps at most 5000 "
                                           "colours. 2 new colours of the file were left out.");
    EXPECT_EQ(message("repeats.ase", ase), "The history is full: Pipetto keeps at most 5000 "
                                           "colours. 2 new colours of the file were left out.");
    EXPECT_TRUE(gpl.entries.empty() && ase.entries.empty());

    // A text file still counts its lines, as its message says.
    const ImportBatch text =
        imported("repeats.txt", "A=$00030201\r\nA=$00030201\r\nB=$00060504\r\n");
    EXPECT_EQ(message("repeats.txt", text), "The history is full: Pipetto keeps at most 5000 "
                                            "colours. 3 lines of the file with a new colour were "
                                            "left out.");
}

TEST_F(PaletteFiles, AnAseFileIsReadAsFarAsItIsSound) {
    const std::string group = ase_block(0xC001, ase_name("Brand")) +
                              ase_colour("Red", "RGB ", {1, 0, 0}) +
                              ase_colour("Ink", "CMYK", {0, 0, 0, 1}) +
                              ase_colour("Lab", "LAB ", {50, 0, 0}) + ase_block(0xC002, "");
    const std::string good = ase_colour("Mid", "Gray", {0.5f}) + group +
                             ase_colour("Near", "RGB ", {0.1f, 0.2001f, 0.99999f}) +
                             ase_block(0x7777, "unknown block");
    // A count that leaves out the last blocks, and bytes after them that are no block.
    const ImportBatch batch = imported("good.ase", ase_file(6, good) + "xyz");
    EXPECT_EQ(hex_texts(batch), (std::vector<std::string>{"$00808080", "$000000FF", "$00FF331A"}));
    EXPECT_EQ(batch.entries[1].caption, "Red");
    EXPECT_FALSE(batch.damaged);
    EXPECT_EQ(message("good.ase", batch),
              "2 colours in CMYK or LAB were skipped: Pipetto keeps RGB colours only.");

    // Each damage keeps the colour before it and says so.
    const std::string first = ase_colour("First", "RGB ", {0, 0, 1});
    std::string no_zero = ase_colour("Name", "RGB ", {0, 0, 0});
    no_zero[6 + 2 + 8] = 'x'; // the terminating zero's low byte
    std::string short_block = ase_colour("Short", "RGB ", {0, 0, 0});
    short_block.replace(2, 4, be32(10));
    const std::string damaged[] = {
        ase_file(3, first + ase_colour("Cut", "RGB ", {0, 0, 0}).substr(0, 20)), // truncated
        ase_file(2, first + ase_block(0xC001, "").substr(0, 2) + be32(0xFFFFFFFF) + "abc"),
        ase_file(2, first + be16(1) + be32(0xFFFFFFFF) + be16(0xFFFF) + "abc"),
        ase_file(2, first + no_zero),
        ase_file(2, first + short_block),
        ase_file(2, first + ase_colour("Nan", "RGB ", {std::nanf(""), 0, 0})),
        ase_file(2, first + ase_colour("Big", "RGB ", {2, 0, 0})),
        ase_file(2, first + ase_colour("Odd", "HSB ", {0, 0, 0})),
        ase_file(0xFFFFFFFF, first), // more blocks promised than there are
    };
    for (const std::string& content : damaged) {
        const ImportBatch cut = imported("cut.ase", content);
        EXPECT_TRUE(cut.damaged);
        EXPECT_EQ(hex_texts(cut), (std::vector<std::string>{"$00FF0000"}));
        EXPECT_EQ(message("cut.ase", cut), "cut.ase is damaged or cut short: only the colours "
                                           "before the damage were imported.");
    }

    // Another file named ".ase": nothing of it is taken.
    for (const std::string& content : {std::string("GIMP Palette\n1 2 3\n"), std::string("AS"),
                                       "ASEF" + be16(2) + be16(0) + be32(0)}) {
        const ImportBatch refused = imported("other.ase", content);
        EXPECT_TRUE(refused.wrong_content);
        EXPECT_TRUE(refused.entries.empty());
        EXPECT_EQ(message("other.ase", refused),
                  "other.ase is not an Adobe Swatch Exchange file. Nothing was imported.");
    }
}

TEST_F(PaletteFiles, TheExtensionDecidesTheFormatAndTheTypeChosenOtherwise) {
    EXPECT_EQ(export_format(dir / "a.GPL", 0), PaletteFormat::gpl);
    EXPECT_EQ(export_format(dir / "a.txt", 3), PaletteFormat::text);
    EXPECT_EQ(export_format(dir / "a.colours", 2), PaletteFormat::css);
    EXPECT_EQ(export_format(dir / "a", 3), PaletteFormat::ase);
    EXPECT_EQ(import_format(dir / "a.Ase"), PaletteFormat::ase);
    EXPECT_EQ(import_format(dir / "a.gpl"), PaletteFormat::gpl);
    // Every other file is read as text, as it always was.
    EXPECT_EQ(import_format(dir / "a.css"), PaletteFormat::text);
    EXPECT_EQ(import_format(dir / "gpl"), PaletteFormat::text);
}
