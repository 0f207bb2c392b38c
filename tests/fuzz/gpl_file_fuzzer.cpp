// A GIMP palette from any bytes: what is kept is exactly what a plain reading of the
// palette's lines takes (R, G and B from 0 to 255 and the rest of the line as the name, in
// file order), a filter is asked of each colour in that order and leaves out what it
// refuses, and a file without the palette's first line, or with a NUL byte, keeps nothing.

#include "palettes/gpl_file.h"

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
    PaletteColour colour;
    std::string name; // as the line has it
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
std::optional<std::vector<Expected>> expected_entries(std::string_view file) {
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
        taken.push_back({{static_cast<std::uint8_t>(rgb[0]), static_cast<std::uint8_t>(rgb[1]),
                          static_cast<std::uint8_t>(rgb[2])},
                         std::string(name),
                         cut});
    }
    return taken;
}

// The kept entries against the expected ones, in order: a name as the line has it, short
// of the piece of a character where the line was cut; and, unless a cut line hides it,
// the count of the names that are no UTF-8.
void check_entries(const PaletteReading& reading, const std::vector<const Expected*>& expected) {
    FUZZ_CHECK(reading.palette.entries.size() == expected.size());
    std::uintmax_t not_utf8 = 0;
    bool any_cut = false;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const PaletteEntry& kept = reading.palette.entries[i];
        const Expected& wanted = *expected[i];
        FUZZ_CHECK(kept.colour == wanted.colour);
        any_cut = any_cut || wanted.cut;
        const std::size_t dropped = wanted.name.size() - kept.name.size();
        FUZZ_CHECK(kept.name.size() <= wanted.name.size() && dropped <= (wanted.cut ? 3u : 0u));
        FUZZ_CHECK(std::string_view(wanted.name).starts_with(kept.name));
        not_utf8 += is_well_formed_utf8(kept.name) ? 0 : 1;
    }
    FUZZ_CHECK(any_cut || reading.names_not_utf8 == not_utf8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view file = as_text(data, size);
    const fs::path source = scratch_folder() / "import.gpl";
    put_file(source, data, size);

    const PaletteReading reading = read_gpl_file(source);
    FUZZ_CHECK(!reading.failure && !reading.damaged && reading.colours_in_other_models == 0);
    const auto expected = expected_entries(file);
    FUZZ_CHECK(reading.wrong_content == !expected);
    if (!expected) {
        FUZZ_CHECK(reading.palette.entries.empty() && reading.names_not_utf8 == 0);
        return 0;
    }
    std::vector<const Expected*> all;
    for (const Expected& entry : *expected)
        all.push_back(&entry);
    check_entries(reading, all);

    // A filter that keeps each colour once, as an import does, sees them in file order.
    std::set<std::uint32_t> seen;
    const auto key = [](PaletteColour c) {
        return std::uint32_t{c.red} << 16 | c.green << 8 | c.blue;
    };
    const PaletteReading once = read_gpl_file(
        source, [&](PaletteColour colour) { return seen.insert(key(colour)).second; });
    seen.clear();
    std::vector<const Expected*> first;
    for (const Expected& entry : *expected)
        if (seen.insert(key(entry.colour)).second)
            first.push_back(&entry);
    check_entries(once, first);
    return 0;
}
