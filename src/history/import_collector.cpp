#include "history/import_collector.h"

#include "framework/core/ansi_text.h"

namespace pipetto {
namespace {

// A colour text is "$" and 8 hexadecimal digits.
constexpr std::size_t colour_text_length = 9;

TColor colour_value(PaletteColour colour) noexcept {
    return static_cast<TColor>(colour.red | colour.green << 8 | colour.blue << 16);
}

// The value whose Hex text a listed text is, if it is one of a palette's colours: "$00"
// and six digits in upper case, as hex_form writes them.
std::optional<TColor> palette_colour_of(std::string_view text) noexcept {
    if (text.size() != colour_text_length || !text.starts_with("$00"))
        return std::nullopt;
    TColor value = 0;
    for (const char c : text.substr(3)) {
        const int digit = c >= '0' && c <= '9' ? c - '0' : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
        if (digit < 0)
            return std::nullopt;
        value = value << 4 | static_cast<TColor>(digit);
    }
    return value;
}

} // namespace

ImportCollector::ImportCollector(const HistoryTable& table, const DateTimeName& date_time_name,
                                 ImportBatch& batch)
    : table_(table), date_time_name_(date_time_name), batch_(batch),
      free_slots_(static_cast<std::size_t>(HistoryTable::capacity - table.count())) {}

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
    if (!texts_listed_) {
        for (int slot = 1; slot <= table_.count(); ++slot)
            known_texts_.emplace(table_.slot(slot).Hex.view().substr(0, colour_text_length));
        texts_listed_ = true;
    }
    std::string text(colour_text);
    if (known_texts_.contains(text))
        return;
    if (!room_left()) {
        ++batch_.lines_left_out;
        return;
    }
    known_texts_.insert(std::move(text));
    ++admitted_;
    append(colour_text, name ? std::string(*name) : date_time_name_());
}

bool ImportCollector::admits(PaletteColour colour) {
    if (!colours_listed_) {
        known_colours_.reserve(static_cast<std::size_t>(table_.count()) + free_slots_);
        for (int slot = 1; slot <= table_.count(); ++slot)
            if (const auto listed =
                    palette_colour_of(table_.slot(slot).Hex.view().substr(0, colour_text_length)))
                known_colours_.insert(*listed);
        colours_listed_ = true;
    }
    const TColor value = colour_value(colour);
    if (known_colours_.contains(value))
        return false;
    if (room_left()) {
        known_colours_.insert(value);
        ++admitted_;
        return true;
    }
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
