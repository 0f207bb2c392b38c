#include <bit>
#include <cstdint>

#include "framework/core/unicode_text.h"
#include "palettes/ase_file.h"

namespace pipetto {
namespace {

void append_u16(std::string& bytes, std::uint16_t value) {
    bytes.push_back(static_cast<char>(value >> 8));
    bytes.push_back(static_cast<char>(value & 0xFF));
}

void append_u32(std::string& bytes, std::uint32_t value) {
    append_u16(bytes, static_cast<std::uint16_t>(value >> 16));
    append_u16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
}

constexpr std::uint16_t colour_entry = 0x0001;
constexpr std::uint16_t normal_colour = 2;

// The name in UTF-16, as many whole characters of it as the 16-bit count holds with the
// terminating zero.
std::string utf16_name(std::string_view utf8) {
    std::u32string code_points = decode_utf8(utf8);
    std::size_t units = 0, kept = 0;
    for (; kept < code_points.size(); ++kept) {
        units += code_points[kept] > 0xFFFF ? 2 : 1;
        if (units > 0xFFFE)
            break;
    }
    code_points.resize(kept);
    return encode_utf16(code_points, true);
}

} // namespace

std::string ase_bytes(const Palette& palette) {
    std::string bytes = "ASEF";
    append_u16(bytes, 1);
    append_u16(bytes, 0);
    append_u32(bytes, static_cast<std::uint32_t>(palette.entries.size()));
    for (const PaletteEntry& entry : palette.entries) {
        const std::string name = utf16_name(entry.name);
        const std::size_t units = name.size() / 2 + 1;
        append_u16(bytes, colour_entry);
        append_u32(bytes, static_cast<std::uint32_t>(2 + units * 2 + 4 + 3 * 4 + 2));
        append_u16(bytes, static_cast<std::uint16_t>(units));
        bytes.append(name);
        append_u16(bytes, 0);
        bytes.append("RGB ");
        for (const std::uint8_t value : {entry.colour.red, entry.colour.green, entry.colour.blue})
            append_u32(bytes, std::bit_cast<std::uint32_t>(static_cast<float>(value) / 255.0f));
        append_u16(bytes, normal_colour);
    }
    return bytes;
}

} // namespace pipetto
