#include "history/history_palette.h"

#include "colour/colour_identifiers.h"
#include "framework/core/ansi_text.h"

namespace pipetto {

namespace {

// Most names are ASCII, which is the same in UTF-8 and needs no call to the system.
std::string utf8_name(std::string_view ansi) {
    for (const char c : ansi)
        if (static_cast<unsigned char>(c) >= 0x80)
            return utf8_from_ansi(ansi);
    return std::string(ansi);
}

} // namespace

std::optional<TColor> swatch_colour(const THistoryEntry& entry) {
    // As the list's cell drawing reads it: a system colour is painted in its current
    // value, and the top byte of any other value plays no part.
    if (const auto colour = try_colour_from_text(entry.Hex.view()))
        return colour_to_rgb(*colour) & 0x00FFFFFFu;
    return std::nullopt;
}

HistoryPalette history_palette(const HistoryTable& table, bool with_name) {
    HistoryPalette made;
    std::vector<PaletteEntry>& entries = made.palette.entries;
    entries.reserve(static_cast<std::size_t>(table.count()));
    for (int slot = 1; slot <= table.count(); ++slot) {
        const THistoryEntry& entry = table.slot(slot);
        const auto colour = swatch_colour(entry);
        if (!colour) {
            ++made.left_out;
            continue;
        }
        PaletteEntry& out = entries.emplace_back();
        out.name = with_name ? utf8_name(entry.Name.view()) : html_form(*colour).str();
        out.colour = {red_of(*colour), green_of(*colour), blue_of(*colour)};
    }
    return made;
}

std::string left_out_of_palette_message(int left_out) {
    std::string message = std::to_string(left_out);
    message.append(left_out == 1 ? " entry was" : " entries were")
        .append(" left out of the palette: ")
        .append(left_out == 1 ? "its value is" : "their values are")
        .append(" no colour.");
    return message;
}

} // namespace pipetto
