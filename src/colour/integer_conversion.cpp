#include "colour/integer_conversion.h"

#include "framework/core/errors.h"

namespace pipetto {

namespace {

int hex_digit_value(char c) noexcept {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

bool starts_hex_marker(std::string_view rest, std::size_t& marker_length) noexcept {
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        marker_length = 1;
        return true;
    }
    if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        marker_length = 2;
        return true;
    }
    return false;
}

std::optional<std::uint32_t> parse_hex(std::string_view digits) noexcept {
    if (digits.empty() || digits.size() > 8)
        return std::nullopt;
    std::uint32_t value = 0;
    for (char c : digits) {
        int digit = hex_digit_value(c);
        if (digit < 0)
            return std::nullopt;
        value = (value << 4) | static_cast<std::uint32_t>(digit);
    }
    return value;
}

// The magnitude, allowed up to 2^31 so that the most negative number fits.
std::optional<std::uint32_t> parse_decimal(std::string_view digits, bool negative) noexcept {
    if (digits.empty())
        return std::nullopt;
    const std::uint64_t limit = negative ? 0x80000000u : 0x7FFFFFFFu;
    std::uint64_t value = 0;
    for (char c : digits) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
        if (value > limit)
            return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

} // namespace

std::optional<std::int32_t> try_str_to_int(std::string_view text) noexcept {
    std::size_t pos = text.find_first_not_of(' ');
    if (pos == std::string_view::npos)
        return std::nullopt;
    bool negative = false;
    if (text[pos] == '+' || text[pos] == '-') {
        negative = text[pos] == '-';
        ++pos;
    }
    std::string_view rest = text.substr(pos);
    std::size_t marker_length = 0;
    std::optional<std::uint32_t> magnitude = starts_hex_marker(rest, marker_length)
                                                 ? parse_hex(rest.substr(marker_length))
                                                 : parse_decimal(rest, negative);
    if (!magnitude)
        return std::nullopt;
    // Negated as unsigned so that "-$80000000" wraps instead of overflowing.
    std::uint32_t bits = negative ? 0u - *magnitude : *magnitude;
    return static_cast<std::int32_t>(bits);
}

std::int32_t str_to_int(std::string_view text) {
    if (auto value = try_str_to_int(text))
        return *value;
    throw EConvertError::invalid_integer(text);
}

} // namespace pipetto
