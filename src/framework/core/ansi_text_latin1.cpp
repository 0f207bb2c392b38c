// Without a system code page to ask, Latin-1 serves: its characters are the first 256
// code points, and every other one becomes "?".

#include "framework/core/ansi_text.h"

#include "framework/core/unicode_text.h"

namespace pipetto {

std::string ansi_from_utf8(std::string_view utf8) {
    std::string ansi;
    for (char32_t c : decode_utf8(utf8))
        ansi += c < 0x100 ? static_cast<char>(c) : '?';
    return ansi;
}

std::string utf8_from_ansi(std::string_view ansi) {
    std::u32string code_points;
    for (char c : ansi)
        code_points += static_cast<unsigned char>(c);
    return encode_utf8(code_points);
}

} // namespace pipetto
