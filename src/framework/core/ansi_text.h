#pragma once
// Between UTF-8 and the system's single-byte ANSI code page, for the files that a user's
// editor saved with a byte-order mark. Each platform links one definition:
// ansi_text_win.cpp asks Windows, ansi_text_latin1.cpp takes Latin-1 as the code page.

#include <string>
#include <string_view>

namespace pipetto {

// A character the code page lacks becomes what Windows gives for it: its nearest
// likeness, or "?". Malformed UTF-8 becomes "?" as well.
std::string ansi_from_utf8(std::string_view utf8);
std::string utf8_from_ansi(std::string_view ansi);

} // namespace pipetto
