// An Adobe Swatch Exchange file from any bytes: the reader never asks for more than the
// file holds, and takes exactly what a plain reading of the whole file in memory takes:
// the RGB and Gray entries up to the first block that doesn't fit (counted or not), inside
// groups too, each colour once and none listed already; CMYK and LAB entries counted;
// damage and a foreign file told apart.

#include "history/ase_file.h"

#include "colour/colour_value.h"
#include "framework/core/ansi_text.h"
#include "framework/core/unicode_text.h"

#include "fuzz_check.h"
#include "fuzz_files.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <set>
#include <string>
#include <string_view>
#include <vector>

using namespace pipetto;
using namespace pipetto::fuzz;

namespace {

struct Expected {
    bool wrong_content = false;
    bool damaged = false;
    std::uintmax_t other_models = 0;
    std::vector<std::pair<std::string, std::string>> entries; // Hex, UTF-8 name
};

std::uint32_t big_endian(std::string_view bytes) {
    std::uint32_t value = 0;
    for (const char c : bytes)
        value = value << 8 | static_cast<unsigned char>(c);
    return value;
}

// Each value × 255 rounded, or -1 for a value outside 0 to 1 (NaN too).
int channel(std::string_view bytes) {
    const double scaled = static_cast<double>(std::bit_cast<float>(big_endian(bytes))) * 255.0;
    return scaled > -0.5 && scaled < 255.5 ? static_cast<int>(std::lround(scaled)) : -1;
}

// The blocks as laid out in the whole file; a block is sound only if it lies in the
// file whole and its content fits it.
Expected expected_of(std::string_view file, std::set<std::string> listed) {
    Expected result;
    if (file.size() < 4 || file.substr(0, 4) != "ASEF" ||
        (file.size() >= 6 && big_endian(file.substr(4, 2)) != 1)) {
        result.wrong_content = true;
        return result;
    }
    if (file.size() < 12) {
        result.damaged = true;
        return result;
    }
    const std::uint32_t count = big_endian(file.substr(8, 4));
    std::size_t at = 12;
    // One block: false when it doesn't fit.
    const auto block_fits = [&] {
        if (file.size() - at < 6)
            return false;
        const std::uint32_t type = big_endian(file.substr(at, 2));
        const std::uint32_t length = big_endian(file.substr(at + 2, 4));
        if (file.size() - at - 6 < length)
            return false;
        const std::string_view block = file.substr(at + 6, length);
        at += 6 + length;
        if (type != 1)
            return true;
        const std::size_t units = block.size() >= 2 ? big_endian(block.substr(0, 2)) : 0;
        if (units == 0 || block.size() < 2 + units * 2 + 4 + 2 ||
            block.substr(2 + units * 2 - 2, 2) != std::string_view("\0\0", 2))
            return false;
        const std::string_view model = block.substr(2 + units * 2, 4);
        const std::size_t values = model == "RGB " || model == "LAB " ? 3
                                   : model == "CMYK"                  ? 4
                                   : model == "Gray"                  ? 1
                                                                      : 0;
        const std::size_t first_value = 2 + units * 2 + 4;
        if (values == 0 || block.size() < first_value + values * 4 + 2)
            return false;
        if (model == "CMYK" || model == "LAB ") {
            ++result.other_models;
            return true;
        }
        int rgb[3];
        for (std::size_t c = 0; c < 3; ++c)
            rgb[c] = channel(block.substr(first_value + (model == "Gray" ? 0 : c * 4), 4));
        if (rgb[0] < 0 || rgb[1] < 0 || rgb[2] < 0)
            return false;
        std::u32string name = decode_utf16(block.substr(2, units * 2 - 2), true);
        name = name.substr(0, name.find(U'\0'));
        const std::string hex =
            hex_form(static_cast<TColor>(rgb[0] | rgb[1] << 8 | rgb[2] << 16)).str();
        if (listed.insert(hex).second)
            result.entries.emplace_back(hex, encode_utf8(name));
        return true;
    };
    for (std::uint32_t i = 0; i < count; ++i) {
        if (!block_fits()) {
            result.damaged = true;
            return result;
        }
    }
    // Blocks past the count are taken while they fit.
    while (at < file.size() && block_fits()) {
    }
    return result;
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
    const fs::path source = scratch_folder() / "import.ase";
    put_file(source, data, size);

    int date_names = 0;
    const ImportBatch batch =
        read_ase_file(source, table, [&] { return "date " + std::to_string(++date_names); });
    const Expected expected = expected_of(as_text(data, size), {"$000000FF"});
    FUZZ_CHECK(!batch.failure && !batch.not_text && batch.lines_left_out == 0);
    FUZZ_CHECK(batch.names_not_utf8 == 0);
    FUZZ_CHECK(batch.wrong_content == expected.wrong_content);
    FUZZ_CHECK(batch.damaged == expected.damaged);
    FUZZ_CHECK(batch.colours_in_other_models == expected.other_models);
    FUZZ_CHECK(batch.entries.size() == expected.entries.size());
    int dated = 0;
    for (std::size_t i = 0; i < expected.entries.size(); ++i) {
        const ImportedEntry& taken = batch.entries[i];
        const auto& [hex, name] = expected.entries[i];
        FUZZ_CHECK(taken.entry.Hex.view() == hex);
        FUZZ_CHECK(taken.entry.Html.view().size() == 7);
        FUZZ_CHECK(taken.caption ==
                   (name.empty() ? "date " + std::to_string(++dated)
                                 : ansi_from_utf8(name).substr(0, imported_caption_capacity)));
        FUZZ_CHECK(taken.entry.Name.view() == std::string_view(taken.caption).substr(0, 30));
    }
    return 0;
}
