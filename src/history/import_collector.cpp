#include "history/import_collector.h"

#include "framework/core/ansi_text.h"

namespace pipetto {
namespace {

// A colour text is "$" and 8 hexadecimal digits.
constexpr std::size_t colour_text_length = 9;

TColor colour_value(PaletteColour colour) noexcept {
    return static_cast<TColor>(colour.red | colour.green << 8 | colour.blue << 16);
}

} // namespace

ImportCollector::ImportCollector(const HistoryTable& table, const DateTimeName& date_time_name,
                                 ImportBatch& batch)
    : date_time_name_(date_time_name), batch_(batch),
      free_slots_(static_cast<std::size_t>(HistoryTable::capacity - table.count())) {
    // The colour texts listed already, compared in the table: no message to the list per
    // row, and no pass over the rows per line.
    for (int slot = 1; slot <= table.count(); ++slot)
        known_.emplace(table.slot(slot).Hex.view().substr(0, colour_text_length));
}

bool ImportCollector::admits_text(std::string_view colour_text) {
    if (admitted_ == free_slots_ || known_.contains(std::string(colour_text)))
        return false;
    known_.emplace(colour_text);
    ++admitted_;
    return true;
}

void ImportCollector::append(std::string_view colour_text, std::string caption) {
    ImportedEntry& taken = batch_.entries.emplace_back();
    taken.caption = std::move(caption);
    if (taken.caption.size() > imported_caption_capacity)
        taken.caption.resize(imported_caption_capacity);
    taken.entry = THistoryEntry{};
    taken.entry.Name.assign(taken.caption);
    taken.entry.Hex.assign(colour_text);
    derive_colour_forms(taken.entry);
}

void ImportCollector::take(std::string_view colour_text, std::optional<std::string_view> name) {
    if (admits_text(colour_text))
        append(colour_text, name ? std::string(*name) : date_time_name_());
    else if (admitted_ == free_slots_ && !known_.contains(std::string(colour_text)))
        ++batch_.lines_left_out;
}

bool ImportCollector::admits(PaletteColour colour) {
    const TColor value = colour_value(colour);
    const HexText hex = hex_form(value);
    if (admits_text(hex.view()))
        return true;
    if (admitted_ < free_slots_ || known_.contains(std::string(hex.view())))
        return false;
    if (counted_left_out_.empty())
        counted_left_out_.resize((std::size_t{1} << 24) / 64);
    std::uint64_t& word = counted_left_out_[value / 64];
    const std::uint64_t bit = std::uint64_t{1} << (value % 64);
    if (!(word & bit)) {
        word |= bit;
        ++batch_.lines_left_out;
    }
    return false;
}

void ImportCollector::take(const PaletteEntry& entry) {
    append(hex_form(colour_value(entry.colour)).view(),
           entry.name.empty() ? date_time_name_() : ansi_from_utf8(entry.name));
}

} // namespace pipetto
