#include <cstdio>

#include "palettes/gpl_file.h"

namespace pipetto {
namespace {

// A line break, or any other control character, in a name would break its line.
void append_name(std::string& text, std::string_view name) {
    for (const char c : name)
        text.push_back(static_cast<unsigned char>(c) < 0x20 || c == 0x7F ? ' ' : c);
}

} // namespace

std::string gpl_text(const Palette& palette, std::string_view palette_name) {
    std::string text = "GIMP Palette\nName: ";
    append_name(text, palette_name);
    text.append("\nColumns: 0\n#\n");
    text.reserve(text.size() + palette.entries.size() * 48);
    for (const PaletteEntry& entry : palette.entries) {
        char values[16];
        const int length = std::snprintf(values, sizeof values, "%3d %3d %3d\t", entry.colour.red,
                                         entry.colour.green, entry.colour.blue);
        text.append(values, static_cast<std::size_t>(length));
        append_name(text, entry.name);
        text.push_back('\n');
    }
    return text;
}

} // namespace pipetto
