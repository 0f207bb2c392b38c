// An Adobe Swatch Exchange file from any bytes: the reader never asks for more than the
// file holds, and takes exactly what a plain reading of the whole file in memory takes:
// the RGB and Gray entries up to the first block that doesn't fit (counted or not), inside
// groups too, in file order, as far as a filter asked in that order keeps them; CMYK and
// LAB entries counted; damage and a foreign file told apart.

#include "palettes/ase_file.h"

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
    std::vector<PaletteEntry> entries;
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
Expected expected_of(std::string_view file, const PaletteFilter& keep) {
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
        // As many whole characters as fit the head of a name.
        for (std::size_t bytes = 0, i = 0; i < name.size(); ++i) {
            bytes += encode_utf8(name.substr(i, 1)).size();
            if (bytes > palette_name_head) {
                name.resize(i);
                break;
            }
        }
        const PaletteColour colour{static_cast<std::uint8_t>(rgb[0]),
                                   static_cast<std::uint8_t>(rgb[1]),
                                   static_cast<std::uint8_t>(rgb[2])};
        if (keep(colour))
            result.entries.push_back({encode_utf8(name), colour});
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

void check(const PaletteReading& reading, const Expected& expected) {
    FUZZ_CHECK(!reading.failure && reading.names_not_utf8 == 0);
    FUZZ_CHECK(reading.wrong_content == expected.wrong_content);
    FUZZ_CHECK(reading.damaged == expected.damaged);
    FUZZ_CHECK(reading.colours_in_other_models == expected.other_models);
    FUZZ_CHECK(reading.palette.entries.size() == expected.entries.size());
    for (std::size_t i = 0; i < expected.entries.size(); ++i) {
        FUZZ_CHECK(reading.palette.entries[i].colour == expected.entries[i].colour);
        FUZZ_CHECK(reading.palette.entries[i].name == expected.entries[i].name);
    }
}

std::uint32_t key(PaletteColour colour) {
    return std::uint32_t{colour.red} << 16 | colour.green << 8 | colour.blue;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const fs::path source = scratch_folder() / "import.ase";
    put_file(source, data, size);
    const std::string_view file = as_text(data, size);

    check(read_ase_file(source), expected_of(file, [](PaletteColour) { return true; }));
    // A filter that keeps each colour once, as an import does, sees them in file order.
    std::set<std::uint32_t> seen;
    const PaletteReading once = read_ase_file(
        source, [&](PaletteColour colour) { return seen.insert(key(colour)).second; });
    seen.clear();
    check(once,
          expected_of(file, [&](PaletteColour colour) { return seen.insert(key(colour)).second; }));
    return 0;
}
