#include "palettes/palette_format.h"

#include <string>
#include <type_traits>

namespace pipetto {

std::optional<PaletteFormat> format_of_extension(const FilePath& file) {
    const FilePath::string_type name = file.file_name();
    const std::size_t dot = name.rfind('.');
    if (dot == FilePath::string_type::npos)
        return std::nullopt;
    std::string extension;
    for (const auto c : name.substr(dot + 1)) {
        if (static_cast<std::make_unsigned_t<FilePath::value_type>>(c) > 0x7F)
            return std::nullopt;
        extension += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    if (extension == "txt")
        return PaletteFormat::text;
    if (extension == "gpl")
        return PaletteFormat::gpl;
    if (extension == "css")
        return PaletteFormat::css;
    if (extension == "ase")
        return PaletteFormat::ase;
    return std::nullopt;
}

PaletteFormat export_format(const FilePath& target, std::size_t filter_index) {
    if (const auto named = format_of_extension(target))
        return *named;
    return filter_index <= static_cast<std::size_t>(PaletteFormat::ase)
               ? static_cast<PaletteFormat>(filter_index)
               : PaletteFormat::text;
}

PaletteFormat import_format(const FilePath& source) {
    const auto named = format_of_extension(source);
    return named == PaletteFormat::gpl || named == PaletteFormat::ase ? *named
                                                                      : PaletteFormat::text;
}

} // namespace pipetto
