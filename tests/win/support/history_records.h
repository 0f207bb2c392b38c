#pragma once
// history.dat records as the tests write them: a colour kept under a name of the user's.

#include <string>
#include <string_view>

#include "colour/colour_value.h"
#include "colour/named_colours.h"

namespace pipetto::tests {

// One text of a record: its length byte and 30 characters.
inline std::string record_field(std::string_view text) {
    std::string bytes(31, '\0');
    bytes[0] = static_cast<char>(text.size());
    bytes.replace(1, text.size(), text);
    return bytes;
}

// A history.dat record of a colour, named as the user would.
inline std::string colour_record(std::string_view name, TColor colour) {
    return record_field(name) + record_field(hex_form(colour)) + record_field(html_form(colour)) +
           record_field(long_form(colour)) + record_field(rgb_form(colour)) +
           record_field(name_form(html_form(colour)));
}

} // namespace pipetto::tests
