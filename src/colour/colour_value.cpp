#include "colour/colour_value.h"

#include "colour/integer_conversion.h"
#include "colour/system_colours.h"

namespace pipetto {

std::uint32_t colour_to_rgb(TColor c) {
    return is_system_colour(c) ? system_colour_rgb(static_cast<std::uint8_t>(c & 0xFF)) : c;
}

std::string int_to_hex(std::uint32_t value, int min_width) {
    FixedText<8> digits;
    digits.append_hex(value, 1);
    std::string text;
    if (min_width > static_cast<int>(digits.size()))
        text.assign(static_cast<std::size_t>(min_width) - digits.size(), '0');
    text += digits.view();
    return text;
}

HexText hex_form(TColor c) {
    HexText text("$");
    text.append_hex(c, 8);
    return text;
}

HtmlText html_form(TColor c) {
    HtmlText text("#");
    text.append_hex(red_of(c), 2);
    text.append_hex(green_of(c), 2);
    text.append_hex(blue_of(c), 2);
    return text;
}

LongText long_form(TColor c) {
    LongText text;
    text.append_decimal(colour_to_rgb(c));
    return text;
}

namespace {

// "$" and the two characters of html from index first on (fewer where the text
// is shorter), through the integer conversion like any other number text.
std::int32_t html_pair_value(std::string_view html, std::size_t first) {
    FixedText<3> number("$");
    if (first < html.size())
        number.append(html.substr(first, 2));
    return str_to_int(number);
}

} // namespace

RgbText rgb_form_from_html(std::string_view html) {
    RgbText text("rgb(");
    text.append_decimal(html_pair_value(html, 1));
    text.append(',');
    text.append_decimal(html_pair_value(html, 3));
    text.append(',');
    text.append_decimal(html_pair_value(html, 5));
    text.append(')');
    return text;
}

RgbText rgb_form(TColor c) {
    return rgb_form_from_html(html_form(c));
}

CursorText cursor_position_text(std::int32_t x, std::int32_t y) {
    CursorText text(" X : ");
    text.append_decimal(x);
    text.append(" Y : ");
    text.append_decimal(y);
    text.append(' ');
    return text;
}

} // namespace pipetto
