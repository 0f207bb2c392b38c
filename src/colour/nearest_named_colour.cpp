#include "colour/nearest_named_colour.h"

#include <array>
#include <charconv>

#include "colour/css_colour.h"
#include "colour/named_colours.h"

namespace pipetto {
namespace {

using Oklab = std::array<double, 3>;

// Lightness from 0 to 1, as a and b are scaled.
Oklab oklab_of(std::uint32_t rgb) noexcept {
    Oklab oklab = css_components(CssForm::oklab, rgb);
    oklab[0] /= 100;
    return oklab;
}

std::uint32_t rgb_of_code(std::string_view code) noexcept {
    std::uint32_t value = 0;
    std::from_chars(code.data() + 1, code.data() + code.size(), value, 16);
    // "#RRGGBB" read as a number is red first; the colour value has red lowest.
    return ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
}

// Worked out once, on the first search.
const std::array<Oklab, named_colour_count>& table_in_oklab() {
    static const std::array<Oklab, named_colour_count> table = [] {
        std::array<Oklab, named_colour_count> oklab{};
        const auto names = named_colours();
        for (std::size_t i = 0; i < names.size(); ++i)
            oklab[i] = oklab_of(rgb_of_code(names[i].code));
        return oklab;
    }();
    return table;
}

} // namespace

std::string_view nearest_colour_name(std::uint32_t rgb) noexcept {
    const Oklab colour = oklab_of(rgb);
    const auto& table = table_in_oklab();
    std::size_t nearest = 0;
    double nearest_distance = 0;
    for (std::size_t i = 0; i < table.size(); ++i) {
        double distance = 0;
        for (int c = 0; c < 3; ++c)
            distance += (table[i][c] - colour[c]) * (table[i][c] - colour[c]);
        // Only a strictly nearer entry replaces one before it.
        if (i == 0 || distance < nearest_distance) {
            nearest = i;
            nearest_distance = distance;
        }
    }
    return named_colours()[nearest].name;
}

} // namespace pipetto
