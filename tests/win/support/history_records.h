#pragma once
// history.dat records as the tests write them: a colour kept under a name of the user's.

#include <cstddef>
#include <string>
#include <string_view>

#include "colour/colour_value.h"
#include "colour/named_colours.h"

namespace pipetto::tests {

// The size of one record of history.dat: six texts of 31 bytes.
constexpr std::size_t record_size = 186;

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

// The Hex text of the record at `index` of a history.dat's bytes, or "<none>".
inline std::string hex_in_record(const std::string& history, std::size_t index) {
    const std::size_t at = index * record_size + 31;
    if (history.size() < at + 31)
        return "<none>";
    return history.substr(at + 1, static_cast<unsigned char>(history[at]));
}

} // namespace pipetto::tests
