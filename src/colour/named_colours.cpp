#include "colour/named_colours.h"

#include <array>

namespace pipetto {

namespace {

constexpr std::array<NamedColour, named_colour_count> table = {{
#include "colour/named_colour_table.inc"
}};

constexpr std::size_t code_length = 7; // "#RRGGBB"

} // namespace

std::span<const NamedColour, named_colour_count> named_colours() noexcept {
    return table;
}

std::optional<std::string_view> colour_name_of(std::string_view html) noexcept {
    // Every code has the same length, so a text of any other length can't
    // match and needn't walk the table.
    if (html.size() != code_length)
        return std::nullopt;
    for (const auto& entry : table)
        if (entry.code == html)
            return entry.name;
    return std::nullopt;
}

std::string_view name_form(std::string_view html) noexcept {
    return colour_name_of(html).value_or(no_colour_name);
}

} // namespace pipetto
