#pragma once
// The system's own name for a key outside the fixed key-name table, in UTF-8;
// empty when the key has none. Each platform links exactly one definition:
// key_names_win.cpp asks the keyboard layout, key_names_none.cpp knows no names.

#include <cstdint>
#include <string>

namespace pipetto {

std::string platform_key_name(std::uint8_t key);

} // namespace pipetto
