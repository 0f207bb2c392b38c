#include "framework/core/unicode_text.h"

namespace pipetto {

namespace {

bool is_continuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// The code point of a well-formed sequence at the front of text, and its length; or
// nothing (length 0) for a malformed one: overlong forms, surrogates, beyond U+10FFFF.
std::pair<char32_t, std::size_t> sequence_at(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text[0]);
    std::size_t length;
    char32_t code_point;
    char32_t least;
    if (lead < 0x80)
        return {lead, 1};
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code_point = lead & 0x1F, least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code_point = lead & 0x0F, least = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code_point = lead & 0x07, least = 0x10000;
    } else {
        return {0, 0};
    }
    if (text.size() < length)
        return {0, 0};
    for (std::size_t i = 1; i < length; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (!is_continuation(byte))
            return {0, 0};
        code_point = (code_point << 6) | (byte & 0x3F);
    }
    if (code_point < least || code_point > 0x10FFFF ||
        (code_point >= 0xD800 && code_point <= 0xDFFF))
        return {0, 0};
    return {code_point, length};
}

} // namespace

std::u32string decode_utf8(std::string_view utf8) {
    std::u32string code_points;
    code_points.reserve(utf8.size());
    while (!utf8.empty()) {
        const auto [code_point, length] = sequence_at(utf8);
        code_points += length ? code_point : replacement_character;
        utf8.remove_prefix(length ? length : 1);
    }
    return code_points;
}

bool is_well_formed_utf8(std::string_view utf8) noexcept {
    while (!utf8.empty()) {
        const std::size_t length = sequence_at(utf8).second;
        if (length == 0)
            return false;
        utf8.remove_prefix(length);
    }
    return true;
}

std::string encode_utf8(std::u32string_view code_points) {
    std::string utf8;
    utf8.reserve(code_points.size());
    for (char32_t c : code_points) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = replacement_character;
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else if (c < 0x800) {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            utf8 += static_cast<char>(0xE0 | (c >> 12));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            utf8 += static_cast<char>(0xF0 | (c >> 18));
            utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

std::u32string decode_utf16(std::string_view bytes, bool big_endian) {
    std::u32string code_points;
    code_points.reserve(bytes.size() / 2 + 1);
    const auto unit_at = [&](std::size_t i) -> char32_t {
        const auto first = static_cast<unsigned char>(bytes[i]);
        const auto second = static_cast<unsigned char>(bytes[i + 1]);
        return big_endian ? (first << 8) | second : (second << 8) | first;
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        const char32_t unit = unit_at(i);
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 3 < bytes.size()) {
            const char32_t low = unit_at(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                code_points += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
                continue;
            }
        }
        code_points += (unit >= 0xD800 && unit <= 0xDFFF) ? replacement_character : unit;
    }
    if (i < bytes.size())
        code_points += replacement_character;
    return code_points;
}

std::string encode_utf16(std::u32string_view code_points, bool big_endian) {
    std::string bytes;
    bytes.reserve(code_points.size() * 2);
    const auto put = [&](char32_t unit) {
        const char high = static_cast<char>(unit >> 8);
        const char low = static_cast<char>(unit & 0xFF);
        bytes += big_endian ? high : low;
        bytes += big_endian ? low : high;
    };
    for (char32_t c : code_points) {
        if (c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
            c = replacement_character;
        if (c < 0x10000) {
            put(c);
        } else {
            put(0xD800 + ((c - 0x10000) >> 10));
            put(0xDC00 + ((c - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

} // namespace pipetto
