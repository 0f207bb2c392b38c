#pragma once
// What every import reader shares once it has found a colour in its file: the colours
// listed already, and those taken earlier from the same file, are skipped by their Hex
// text; no more are taken than the table has free slots (the rest are counted); a name
// is cut to the row's bound and to 30 characters in its slot; and the Html, Long, RGB and
// name texts are derived as for a grabbed colour.

#include <optional>
#include <string_view>
#include <unordered_set>

#include "colour/colour_value.h"
#include "history/import_file.h"

namespace pipetto {

class ImportCollector {
  public:
    ImportCollector(const HistoryTable& table, const DateTimeName& date_time_name,
                    ImportBatch& batch);

    // A colour text as a text file gives it; `name` in the code page's bytes, or none
    // for a line without one, which is named with the date and time.
    void take(std::string_view colour_text, std::optional<std::string_view> name);

    // A colour of a palette file, its name in UTF-8 (converted to the code page as
    // history.dat holds names); an empty name is a date-and-time name too. True when
    // it is taken.
    bool take_palette_colour(TColor colour, std::string_view utf8_name);

  private:
    // Whether a colour text is new, and room is left; counts the ones left out.
    bool admits(std::string_view colour_text);
    void append(std::string_view colour_text, std::string caption);

    const DateTimeName& date_time_name_;
    ImportBatch& batch_;
    std::size_t free_slots_;
    std::unordered_set<std::string> known_;
};

} // namespace pipetto
