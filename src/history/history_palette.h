#pragma once
// The history as the palette formats take it: each live slot in list order, its colour
// and its name in UTF-8 or its Html text. The text export doesn't take this step.

#include <string>

#include "colour/colour_value.h"
#include "history/history_table.h"
#include "palettes/palette.h"

namespace pipetto {

struct HistoryPalette {
    Palette palette;
    // Entries whose colour text is no RGB colour (a hand-made import's "$zz", a system
    // colour's "$80000005"): a palette can't hold them.
    int left_out = 0;
};

// With `with_name` off ("With listname"), each colour is named by its Html text, "#1E90FF".
HistoryPalette history_palette(const HistoryTable& table, bool with_name);

// What the user is told when entries were left out of a palette.
std::string left_out_of_palette_message(int left_out);

} // namespace pipetto
