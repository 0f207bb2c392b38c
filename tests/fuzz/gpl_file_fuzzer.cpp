// A GIMP palette from any bytes: what is taken is exactly what a plain reading of the
// palette's lines takes (R, G and B from 0 to 255 and the rest of the line as the name, in
// file order, each colour once and none listed already), the names reach the code page
// as history.dat holds them, and a file without the palette's first line, or with a NUL
// byte, takes nothing.

#include "history/gpl_file.h"

#include "colour/colour_value.h"
#include "framework/core/ansi_text.h"
#include "framework/core/unicode_text.h"

#include "fuzz_check.h"
#include "fuzz_files.h"

#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace pipetto;
using namespace pipetto::fuzz;

namespace {

struct Expected {
    std::string hex;
    std::string name; // UTF-8 as the line has it; empty for a date-and-time name
    bool cut = false; // the line was longer than the part looked at
};

constexpr std::string_view blanks = " \t";

// The next blank-separated word of `line`, taken off it.
std::string_view next_word(std::string_view& line) {
    const std::size_t start = std::min(line.find_first_not_of(blanks), line.size());
    const std::size_t end = std::min(line.find_first_of(blanks, start), line.size());
    const std::string_view word = line.substr(start, end - start);
    line.remove_prefix(end);
    return word;
}

// The rules read the simplest way: the whole file in memory, split at every LF.
// Nothing when the file is no palette.
std::optional<std::vector<Expected>> expected_entries(std::string_view file,
                                                      std::set<std::string> listed) {
    if (file.find('\0') != std::string_view::npos)
        return std::nullopt;
    std::vector<Expected> taken;
    bool first = true;
    for (std::size_t start = 0; start <= file.size();) {
        const std::size_t end = std::min(file.find('\n', start), file.size());
        std::string_view line = file.substr(start, end - start);
        start = end + 1;
        const bool cut = line.size() > gpl_line_head;
        line = line.substr(0, gpl_line_head);
        if (!cut && line.ends_with('\r'))
            line.remove_suffix(1);
        if (first) {
            first = false;
            if (line.starts_with("\xEF\xBB\xBF"))
                line.remove_prefix(3);
            if (line.substr(0, line.find_last_not_of(blanks) + 1) != "GIMP Palette")
                return std::nullopt;
            continue;
        }
        int rgb[3];
        bool colour_line = true;
        for (int& value : rgb) {
            const std::string_view word = next_word(line);
            const bool digits =
                !word.empty() && word.find_first_not_of("0123456789") == std::string_view::npos;
            // A word glued to what follows it ("1 2 3x") is no value.
            colour_line = colour_line && digits;
            const std::string_view significant =
                word.substr(std::min(word.find_first_not_of('0'), word.size()));
            value = digits && significant.size() <= 3 ? std::atoi(std::string(significant).c_str())
                                                      : 256;
        }
        if (!colour_line || rgb[0] > 255 || rgb[1] > 255 || rgb[2] > 255)
            continue;
        const std::string_view name =
            line.starts_with('\t')
                ? line.substr(1)
                : line.substr(std::min(line.find_first_not_of(blanks), line.size()));
        const std::string hex =
            hex_form(static_cast<TColor>(rgb[0] | rgb[1] << 8 | rgb[2] << 16)).str();
        if (listed.insert(hex).second)
            taken.push_back({hex, std::string(name), cut});
    }
    return taken;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    static HistoryTable table = [] {
        HistoryTable listed;
        THistoryEntry entry{};
        entry.Hex.assign("$000000FF");
        listed.append(entry);
        return listed;
    }();
    const std::string_view file = as_text(data, size);
    const fs::path source = scratch_folder() / "import.gpl";
    put_file(source, data, size);

    int date_names = 0;
    const ImportBatch batch =
        read_gpl_file(source, table, [&] { return "date " + std::to_string(++date_names); });
    FUZZ_CHECK(!batch.failure && !batch.not_text && !batch.damaged);
    FUZZ_CHECK(batch.lines_left_out == 0 && batch.colours_in_other_models == 0);

    const auto expected = expected_entries(file, {"$000000FF"});
    FUZZ_CHECK(batch.wrong_content == !expected);
    if (!expected) {
        FUZZ_CHECK(batch.entries.empty() && batch.names_not_utf8 == 0);
        return 0;
    }
    FUZZ_CHECK(batch.entries.size() == expected->size());
    int dated = 0;
    std::uintmax_t not_utf8 = 0;
    bool any_cut = false;
    for (std::size_t i = 0; i < expected->size(); ++i) {
        const ImportedEntry& taken = batch.entries[i];
        const Expected& wanted = (*expected)[i];
        FUZZ_CHECK(taken.entry.Hex.view() == wanted.hex);
        FUZZ_CHECK(taken.entry.Html.view().size() == 7);
        FUZZ_CHECK(taken.caption.size() <= imported_caption_capacity);
        FUZZ_CHECK(taken.entry.Name.view() == std::string_view(taken.caption).substr(0, 30));
        if (wanted.name.empty()) {
            FUZZ_CHECK(taken.caption == "date " + std::to_string(++dated));
            continue;
        }
        any_cut = any_cut || wanted.cut;
        // A line cut short may end inside a character, which is no fault of the name.
        bool matched = false;
        for (std::size_t dropped = 0; dropped <= (wanted.cut ? 3u : 0u); ++dropped) {
            if (dropped > wanted.name.size())
                break;
            const std::string_view name =
                std::string_view(wanted.name).substr(0, wanted.name.size() - dropped);
            if (taken.caption == ansi_from_utf8(name).substr(0, imported_caption_capacity)) {
                matched = true;
                not_utf8 += is_well_formed_utf8(name) ? 0 : 1;
                break;
            }
        }
        FUZZ_CHECK(matched);
    }
    FUZZ_CHECK(any_cut || batch.names_not_utf8 == not_utf8);
    return 0;
}
