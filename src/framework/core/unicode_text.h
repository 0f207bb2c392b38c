#pragma once
// UTF-8 and UTF-16 file text as code points and back, for the INI files that an editor
// saved in a Unicode form.

#include <string>
#include <string_view>

namespace pipetto {

inline constexpr char32_t replacement_character = U'\uFFFD';

// A byte that starts no well-formed sequence becomes U+FFFD and is skipped alone, so the
// ASCII bytes after it (line breaks, "=") keep their meaning.
std::u32string decode_utf8(std::string_view utf8);
std::string encode_utf8(std::u32string_view code_points);
// Every byte belongs to a well-formed sequence.
bool is_well_formed_utf8(std::string_view utf8) noexcept;

// A lone surrogate, and a last odd byte, become U+FFFD.
std::u32string decode_utf16(std::string_view bytes, bool big_endian);
std::string encode_utf16(std::u32string_view code_points, bool big_endian);

} // namespace pipetto
