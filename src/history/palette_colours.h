#pragma once
// The history as the palette formats write it: each entry's colour and its name in UTF-8,
// in list order. The palette writers share this step; the text export doesn't take it.

#include <cstdint>
#include <string>
#include <vector>

#include "history/history_table.h"

namespace pipetto {

struct PaletteColour {
    std::string name; // UTF-8
    std::uint8_t red = 0, green = 0, blue = 0;
};

struct PaletteColours {
    std::vector<PaletteColour> colours;
    // Entries whose colour text is no RGB colour (a hand-made import's "$12345" is one,
    // "$ABC" or a system colour's "$80000005" are not): a palette can't hold them.
    int left_out = 0;
};

// With `with_name` off, each colour is named by its Html text, "#1E90FF".
PaletteColours palette_colours(const HistoryTable& table, bool with_name);

// What the user is told when entries were left out of a palette.
std::string left_out_of_palette_message(int left_out);

} // namespace pipetto
