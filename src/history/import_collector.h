#pragma once
// What every import shares once it has found a colour in its file: the colours listed
// already, and those taken earlier from the same file, are skipped by their Hex text; no
// more are taken than the table has free slots (the rest are counted); a name is cut to
// the row's bound and to 30 characters in its slot; and the Html, Long, RGB and name
// texts are derived as for a grabbed colour.

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "colour/colour_value.h"
#include "history/import_file.h"
#include "palettes/palette.h"

namespace pipetto {

class ImportCollector {
  public:
    ImportCollector(const HistoryTable& table, const DateTimeName& date_time_name,
                    ImportBatch& batch);

    // A colour text as a text file gives it; `name` in the code page's bytes, or none
    // for a line without one, which is named with the date and time. Every line with a
    // new colour that finds no room is counted.
    void take(std::string_view colour_text, std::optional<std::string_view> name);

    // Whether a palette's colour is to be taken: new, and room left for it. A new colour
    // that finds no room is counted once, however often the file repeats it.
    bool admits(PaletteColour colour);
    // An entry of a palette whose colour was admitted, its name in UTF-8 (converted to the
    // code page as history.dat holds names); an empty name is a date-and-time name too.
    void take(const PaletteEntry& entry);

  private:
    bool room_left() const noexcept { return admitted_ < free_slots_; }
    void append(std::string_view colour_text, std::string caption);

    const HistoryTable& table_;
    const DateTimeName& date_time_name_;
    ImportBatch& batch_;
    std::size_t free_slots_;
    std::size_t admitted_ = 0;
    // The colour texts listed and taken, compared in the table: no message to the list
    // per row, and no pass over the rows per line. Made at a text file's first line.
    std::unordered_set<std::string> known_texts_;
    bool texts_listed_ = false;
    // The same for a palette, as colour values: of the listed texts only a "$00BBGGRR" as
    // grabbing writes it can be the Hex text of a palette's colour. Made at its first
    // colour, so a palette's line costs no text of its own.
    std::unordered_set<TColor> known_colours_;
    bool colours_listed_ = false;
    // A bit for each of the 2^24 palette colours counted as left out; made when the first
    // one is.
    std::vector<std::uint64_t> counted_left_out_;
};

} // namespace pipetto
