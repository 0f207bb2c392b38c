#pragma once
// The history as the palette formats take it: each live slot in list order, coloured as
// the history list's swatch shows the row, and named by its name in UTF-8 or by its Html
// text. The text export doesn't take this step.

#include <optional>
#include <string>

#include "colour/colour_value.h"
#include "history/history_table.h"
#include "palettes/palette.h"

namespace pipetto {

struct HistoryPalette {
    Palette palette;
    // Entries whose swatch shows no colour (a hand-made import's "$zz"): a palette has
    // nothing to hold for them.
    int left_out = 0;
};

// The RGB value a row's swatch is painted in: its whole colour text read as a colour
// ("$ABC" is $00000ABC, "clRed" red, a system colour the scheme's current value); none
// for a text that is no colour.
std::optional<TColor> swatch_colour(const THistoryEntry& entry);

// With `with_name` off ("With listname"), each colour is named by the Html text of its
// swatch colour, "#1E90FF".
HistoryPalette history_palette(const HistoryTable& table, bool with_name);

// What the user is told when entries were left out of a palette.
std::string left_out_of_palette_message(int left_out);

} // namespace pipetto
