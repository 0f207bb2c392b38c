// The integer conversion against a second reading of the same rule built on std::from_chars,
// and its results against the texts the program itself writes.

#include "colour/integer_conversion.h"
#include "framework/core/errors.h"

#include "fuzz_check.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

using namespace pipetto;

namespace {

bool is_hex_digit(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

// The same rule, read a second way: leading blanks, a sign, then a marked hexadecimal
// number of 1 to 8 digits or a decimal one within the signed 32-bit range.
std::optional<std::int32_t> reference(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    int base = 10;
    if (text.starts_with("0x") || text.starts_with("0X")) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() &&
               (text.front() == '$' || text.front() == 'x' || text.front() == 'X')) {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    for (char c : text)
        if (base == 16 ? !is_hex_digit(c) : (c < '0' || c > '9'))
            return std::nullopt;
    if (base == 16 && text.size() > 8)
        return std::nullopt;
    // Decimal digits beyond 11 can only fit with leading zeros: skip those first.
    if (base == 10)
        while (text.size() > 1 && text.front() == '0')
            text.remove_prefix(1);
    if (text.size() > 12)
        return std::nullopt;
    std::int64_t magnitude = 0;
    std::from_chars(text.data(), text.data() + text.size(), magnitude, base);
    if (base == 10) {
        const std::int64_t value = negative ? -magnitude : magnitude;
        if (value < INT32_MIN || value > INT32_MAX)
            return std::nullopt;
        return static_cast<std::int32_t>(value);
    }
    const std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

std::string hex8(std::uint32_t value) {
    char digits[9] = {};
    std::to_chars(digits, digits + 8, value, 16);
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::as_text(data, size);
    const std::optional<std::int32_t> value = try_str_to_int(text);
    FUZZ_CHECK(value == reference(text));

    try {
        const std::int32_t thrown_or_not = str_to_int(text);
        FUZZ_CHECK(value && *value == thrown_or_not);
    } catch (const EConvertError& error) {
        FUZZ_CHECK(!value);
        // The message is shown as a C string: it ends where the text holds a NUL. A text too
        // long for a message box is shortened in the middle, as every quoted value is.
        const std::string message =
            "'" + quoted_in_message(text) + "' ist kein gültiger Integerwert";
        FUZZ_CHECK(error.what() == message.substr(0, message.find('\0')));
        FUZZ_CHECK(message.size() <=
                   longest_quoted_text + sizeof("'' ist kein gültiger Integerwert"));
    }

    if (value) {
        // What the program writes (config.ini's decimals, Hex texts) reads back as written.
        FUZZ_CHECK(try_str_to_int(std::to_string(*value)) == value);
        FUZZ_CHECK(try_str_to_int("$" + hex8(static_cast<std::uint32_t>(*value))) == value);
        FUZZ_CHECK(try_str_to_int(" " + std::string(text)) == value);
        FUZZ_CHECK(!try_str_to_int(std::string(text) + " "));
    }
    return 0;
}
