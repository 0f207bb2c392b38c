#pragma once
// The named colour that looks nearest to a colour: the smallest distance in Oklab, where
// equal steps look alike, among the whole table.

#include <cstdint>
#include <string_view>

namespace pipetto {

// The first entry of the table at the smallest Euclidean distance in Oklab from the
// painted colour ($00BBGGRR); a named colour gets its own (first) name.
std::string_view nearest_colour_name(std::uint32_t rgb) noexcept;

} // namespace pipetto
