// The palette formats on their own, without a history: what a reader keeps of a file, and
// what its filter leaves out.

#include <gtest/gtest.h>

#include "palettes/ase_file.h"
#include "palettes/gpl_file.h"
#include "support/scratch_folder.h"

using namespace pipetto;

namespace {

class PaletteFormats : public tests::ScratchFolderTest {};

} // namespace

TEST_F(PaletteFormats, AReaderKeepsEveryEntryAsTheFileHasItUnlessItsFilterRefusesIt) {
    // Repeats, no name, blanks, and characters no single-byte code page holds: the layer
    // keeps them all, in order; what a history makes of them is the history's own rule.
    Palette palette;
    palette.entries = {{"Sky blue", {135, 206, 235}},
                       {"Sky blue", {135, 206, 235}},
                       {"", {0, 0, 0}},
                       {"  two  blanks  ", {255, 255, 255}},
                       {"Gr\xC3\xBCn \xE6\x97\xA5\xE6\x9C\xAC \xF0\x9F\x8E\xA8", {0, 128, 0}}};
    write_file(dir / "all.gpl", gpl_text(palette, "all"));
    write_file(dir / "all.ase", ase_bytes(palette));
    for (const PaletteReading& reading :
         {read_gpl_file(dir / "all.gpl"), read_ase_file(dir / "all.ase")}) {
        EXPECT_FALSE(reading.wrong_content || reading.damaged || reading.failure);
        EXPECT_EQ(reading.palette.entries, palette.entries);
    }

    // The filter is asked of each colour in file order; a refused entry leaves nothing
    // behind, not even the count of its name that is no UTF-8.
    write_file(dir / "hand.gpl",
               "GIMP Palette\n1 2 3\tfirst \xFF\n4 5 6\tsecond \xFF\n1 2 3\tagain\n");
    std::vector<PaletteColour> asked;
    const PaletteReading kept = read_gpl_file(dir / "hand.gpl", [&asked](PaletteColour colour) {
        asked.push_back(colour);
        return colour.red == 1;
    });
    EXPECT_EQ(asked, (std::vector<PaletteColour>{{1, 2, 3}, {4, 5, 6}, {1, 2, 3}}));
    EXPECT_EQ(kept.palette.entries,
              (std::vector<PaletteEntry>{{"first \xFF", {1, 2, 3}}, {"again", {1, 2, 3}}}));
    EXPECT_EQ(kept.names_not_utf8, 1u);

    // A name as long as the ASE format allows is kept to whole characters within its head.
    std::string euros;
    for (int i = 0; i < 30000; ++i)
        euros += "\xE2\x82\xAC";
    palette.entries = {{euros, {1, 2, 3}}};
    write_file(dir / "long.ase", ase_bytes(palette));
    const PaletteReading long_name = read_ase_file(dir / "long.ase");
    ASSERT_EQ(long_name.palette.entries.size(), 1u);
    EXPECT_EQ(long_name.palette.entries[0].name, euros.substr(0, palette_name_head / 3 * 3));
}
