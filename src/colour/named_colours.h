#pragma once
// The 649 colour names of the X11 colour list that the program knows, with
// their Html codes. Several names share a code; the first in table order wins.

#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace pipetto {

struct NamedColour {
    std::string_view name; // "DodgerBlue"
    std::string_view code; // "#1E90FF", upper case
};

inline constexpr std::size_t named_colour_count = 649;

// Shown and copied for a colour the table doesn't hold.
inline constexpr std::string_view no_colour_name = "n/a";

// The whole table, in lookup order.
std::span<const NamedColour, named_colour_count> named_colours() noexcept;

// The name of the first entry whose code equals html exactly (case and all).
std::optional<std::string_view> colour_name_of(std::string_view html) noexcept;

// The Name form: the name, or "n/a".
std::string_view name_form(std::string_view html) noexcept;

} // namespace pipetto
