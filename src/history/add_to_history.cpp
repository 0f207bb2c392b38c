// Keeping the colour the Grab page shows when grabbing stops.

#include <string>
#include <string_view>

#include "app/main_form.h"
#include "framework/win/application.h"
#include "framework/win/win_text.h"
#include "history/date_time_text.h"

namespace pipetto {
namespace {

// A row's colour text is compared and stored by its first 9 characters, "$" and 8 digits.
constexpr std::size_t colour_text_length = 9;

std::string_view first_colour_characters(std::string_view text) {
    return text.substr(0, colour_text_length);
}

std::string history_full_message() {
    std::string message = "The history is full: Pipetto keeps at most ";
    message.append(std::to_string(HistoryTable::capacity))
        .append(" colours. New colours are not added until you delete some entries.");
    return message;
}

} // namespace

bool TMainform::AddToHistory() {
    // The table holds the same texts as the rows, as ANSI bytes; comparing there keeps
    // the test free of one list message per row.
    const std::string hex = win::utf8_to_ansi(HexColor.text());
    for (int slot = 1; slot <= HistoryTable.count(); ++slot)
        if (first_colour_characters(HistoryTable.slot(slot).Hex.view()) == hex)
            return false;

    if (HistoryTable.full()) {
        // Told once: every further stop would otherwise bring the same box up again.
        if (!history_full_reported_) {
            history_full_reported_ = true;
            win::Application::current().show_information(history_full_message());
        }
        return false;
    }

    const std::string name = current_date_time_text();
    THistoryEntry entry{};
    entry.Name.assign(win::utf8_to_ansi(name));
    entry.Hex.assign(first_colour_characters(hex));
    entry.Html.assign(win::utf8_to_ansi(HtmlColor.text()));
    entry.Long.assign(win::utf8_to_ansi(LongColor.text()));
    entry.RGB.assign(win::utf8_to_ansi(RGBColor.text()));
    entry.Ident.assign(win::utf8_to_ansi(IdentColor.text()));
    HistoryTable.append(entry);
    HistoryList.add_row(name, win::ansi_to_utf8(entry.Hex.view()));
    HistoryChanged();
    return true;
}

} // namespace pipetto
