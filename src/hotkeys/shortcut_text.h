#pragma once
// Shortcut values as German key texts ("Umsch+Strg+F10") and back. The hotkey
// combo boxes hold English entry texts; ItemTextToShortCut bridges the two.

#include "hotkeys/shortcut.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace pipetto {

// The name of a key, by the low byte of its code alone: a fixed German name, a
// digit, a letter or "F1".."F24", otherwise what the key-name lookup answers
// (empty when the key has no name). UTF-8.
std::string key_name(std::uint16_t key);

// Empty when the key has no name; otherwise the modifier prefixes
// ("Umsch+", "Strg+", "Alt+", in that order) and the key name.
std::string FormatShortCutText(TShortCut shortcut);

// The shortcut a text names, 0 when it names none. Prefixes "Umsch+", "^",
// "Strg+" and "Alt+" in any order, letter case and number; the rest must be a
// key name (any letter case). Modifiers before an unknown key are dropped.
TShortCut ParseShortCutText(std::string_view text);

// The shortcut of a hotkey combo box entry such as "Shift+CTRL+F10".
TShortCut ItemTextToShortCut(std::string_view item_text);

// Where names of keys outside the fixed table come from. The default is the
// platform's lookup, chosen at link time (see platform_key_name.h); tests put
// their own in place. Returns the lookup it replaces; nullptr restores the default.
using KeyNameLookup = std::string (*)(std::uint8_t key);
KeyNameLookup set_key_name_lookup(KeyNameLookup lookup) noexcept;

} // namespace pipetto
