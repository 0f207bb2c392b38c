// Colour texts (identifiers and numbers) and the Html pairs that the RGB form is read from:
// what is taken gives its own text forms back, and what is refused is refused with the
// conversion error.

#include "colour/colour_identifiers.h"
#include "colour/colour_value.h"
#include "colour/integer_conversion.h"
#include "framework/core/errors.h"

#include "fuzz_check.h"

#include <string>

using namespace pipetto;

namespace {

void check_colour_text(std::string_view text) {
    const std::optional<TColor> value = try_colour_from_text(text);
    try {
        const TColor thrown_or_not = colour_from_text(text);
        FUZZ_CHECK(value && *value == thrown_or_not);
    } catch (const EConvertError&) {
        FUZZ_CHECK(!value);
    }
    // Identifiers are found regardless of letter case, and so are hexadecimal digits.
    FUZZ_CHECK(try_colour_from_text(fuzz::ascii_upper(text)) == value);
    FUZZ_CHECK(try_colour_from_text(fuzz::ascii_lower(text)) == value);
    if (!value)
        return;

    const HexText hex = hex_form(*value);
    FUZZ_CHECK(hex.size() == 9);
    FUZZ_CHECK(try_colour_from_text(hex) == value);
    const HtmlText html = html_form(*value);
    FUZZ_CHECK(html.size() == 7);
    const std::string rgb = "rgb(" + std::to_string(red_of(*value)) + "," +
                            std::to_string(green_of(*value)) + "," +
                            std::to_string(blue_of(*value)) + ")";
    FUZZ_CHECK(rgb_form(*value) == rgb);
}

// An Html text typed by the user or stored in a file: each of the three pairs is one
// hexadecimal byte, or the whole text is refused.
void check_html_text(std::string_view html) {
    std::optional<std::string> rgb;
    try {
        rgb = rgb_form_from_html(html).str();
    } catch (const EConvertError&) {
    }
    std::string expected = "rgb(";
    for (std::size_t first = 1; first <= 5; first += 2) {
        const std::string pair = first < html.size() ? std::string(html.substr(first, 2)) : "";
        const std::optional<std::int32_t> byte = try_str_to_int("$" + pair);
        if (!byte) {
            FUZZ_CHECK(!rgb);
            return;
        }
        FUZZ_CHECK(*byte >= 0 && *byte <= 255);
        expected += std::to_string(*byte) + (first < 5 ? "," : ")");
    }
    FUZZ_CHECK(rgb == expected);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::as_text(data, size);
    check_colour_text(text);
    check_html_text(text);
    return 0;
}
