#pragma once
// The one rule by which the program turns texts into integers: settings,
// colour texts and the pairs of an Html text all go through it.

#include <cstdint>
#include <optional>
#include <string_view>

namespace pipetto {

// Leading blanks, an optional "+" or "-", then decimal digits or a hexadecimal
// marker ("$", "x", "X", "0x", "0X") and hexadecimal digits of either case, and
// nothing after them. Decimal must fit a signed 32-bit integer; hexadecimal has
// at most 8 digits, and 8 digits may give a negative number.
// Throws EConvertError ("'text' ist kein gültiger Integerwert") otherwise.
std::int32_t str_to_int(std::string_view text);

// The same rule without the exception, for callers that must not raise the
// same error again on every redraw.
std::optional<std::int32_t> try_str_to_int(std::string_view text) noexcept;

} // namespace pipetto
