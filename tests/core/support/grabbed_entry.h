#pragma once
// A history entry as the tests make them.

#include <string_view>

#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "history/history_entry.h"

namespace pipetto {

// A grabbed colour as AddToHistory keeps it.
inline THistoryEntry grabbed(std::string_view name, TColor colour) {
    THistoryEntry entry{};
    entry.Name.assign(name);
    entry.Hex.assign(hex_form(colour));
    entry.Html.assign(html_form(colour));
    entry.Long.assign(long_form(colour));
    entry.RGB.assign(rgb_form(colour));
    entry.Ident.assign(name_form(html_form(colour)));
    return entry;
}

} // namespace pipetto
