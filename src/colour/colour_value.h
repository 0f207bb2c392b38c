#pragma once
// The colour value and the text forms the program shows, copies and stores.

#include "colour/fixed_text.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pipetto {

// $00BBGGRR, red in the lowest byte. With the top bit set, the low byte is the
// index of a colour of the system's current colour scheme.
using TColor = std::uint32_t;

// What the screen sampler answers for a pixel it can't read.
inline constexpr TColor unreadable_pixel = 0xFFFFFFFF;

constexpr std::uint8_t red_of(TColor c) noexcept {
    return c & 0xFF;
}
constexpr std::uint8_t green_of(TColor c) noexcept {
    return (c >> 8) & 0xFF;
}
constexpr std::uint8_t blue_of(TColor c) noexcept {
    return (c >> 16) & 0xFF;
}
constexpr bool is_system_colour(TColor c) noexcept {
    return (c & 0x80000000u) != 0;
}

// The colour actually painted: a system colour resolves to the scheme's current
// value (0 for an index the system doesn't know); any other value is itself.
std::uint32_t colour_to_rgb(TColor c);

using HexText = FixedText<9>;     // "$00FF901E"
using HtmlText = FixedText<7>;    // "#1E90FF"
using LongText = FixedText<10>;   // "16748574"
using RgbText = FixedText<16>;    // "rgb(255,255,255)"
using CursorText = FixedText<40>; // " X : 640 Y : 480 "

// Upper-case hexadecimal digits of value, zero-padded on the left to min_width.
// A negative int arrives here as its unsigned 32-bit form, which is the form shown.
std::string int_to_hex(std::uint32_t value, int min_width);

// "$" and the 8 digits of c as an unsigned number: blue first for a plain colour.
HexText hex_form(TColor c);
// "#RRGGBB", red first; the top byte of c plays no part.
HtmlText html_form(TColor c);
// The painted value (colour_to_rgb) in decimal.
LongText long_form(TColor c);
// "rgb(r,g,b)", read back from the Html text's hexadecimal pairs.
RgbText rgb_form(TColor c);
// The same from an Html text that may have been edited or stored: each pair goes
// through the integer conversion, so a malformed text throws EConvertError.
RgbText rgb_form_from_html(std::string_view html);
// The caption of the cursor position box.
CursorText cursor_position_text(std::int32_t x, std::int32_t y);

} // namespace pipetto
