#include "hotkeys/shortcut_text.h"

#include "hotkeys/platform_key_name.h"

#include <string>

namespace pipetto {

namespace {

KeyNameLookup key_name_lookup = &platform_key_name;

// Letter case is folded for ASCII only: every name the hotkey list can produce
// is ASCII, and platform names beyond that are matched as the system spells them.
char ascii_lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equals_ignoring_case(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (ascii_lower(a[i]) != ascii_lower(b[i]))
            return false;
    }
    return true;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           equals_ignoring_case(text.substr(0, prefix.size()), prefix);
}

std::string replace_ignoring_case(std::string_view text, std::string_view from,
                                  std::string_view to) {
    std::string result;
    result.reserve(text.size());
    while (!text.empty()) {
        if (starts_with_ignoring_case(text, from)) {
            result += to;
            text.remove_prefix(from.size());
        } else {
            result += text.front();
            text.remove_prefix(1);
        }
    }
    return result;
}

std::string_view named_key(std::uint8_t key) {
    switch (key) {
    case 0x08:
        return "R\u00fcck";
    case 0x09:
        return "Tab";
    case 0x0D:
        return "Enter";
    case 0x1B:
        return "Esc";
    case 0x20:
        return "Leerzeichen";
    case 0x21:
        return "BildAuf";
    case 0x22:
        return "BildAb";
    case 0x23:
        return "Ende";
    case 0x24:
        return "Start";
    case 0x25:
        return "Links";
    case 0x26:
        return "Nach oben";
    case 0x27:
        return "Rechts";
    case 0x28:
        return "Nach unten";
    case 0x2D:
        return "Einfg";
    case 0x2E:
        return "Entf";
    default:
        return {};
    }
}

void append_key_name(std::string& out, std::uint8_t key) {
    if (std::string_view name = named_key(key); !name.empty())
        out += name;
    else if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z'))
        out += static_cast<char>(key);
    else if (key >= 0x60 && key <= 0x69) // numeric keypad
        out += static_cast<char>('0' + (key - 0x60));
    else if (key >= 0x70 && key <= 0x87)
        out += 'F' + std::to_string(key - 0x6F);
    else
        out += key_name_lookup(key);
}

struct ModifierPrefix {
    std::string_view text;
    TShortCut bit;
};

// Tried in this order, again and again, until none matches.
constexpr ModifierPrefix modifier_prefixes[] = {
    {"Umsch+", shortcut_shift_bit},
    {"^", shortcut_ctrl_bit},
    {"Strg+", shortcut_ctrl_bit},
    {"Alt+", shortcut_alt_bit},
};

} // namespace

std::string key_name(std::uint16_t key) {
    std::string name;
    append_key_name(name, static_cast<std::uint8_t>(key & 0xFF));
    return name;
}

std::string FormatShortCutText(TShortCut shortcut) {
    std::string name = key_name(shortcut);
    if (name.empty())
        return {};
    std::string text;
    if (shortcut & shortcut_shift_bit)
        text += "Umsch+";
    if (shortcut & shortcut_ctrl_bit)
        text += "Strg+";
    if (shortcut & shortcut_alt_bit)
        text += "Alt+";
    return text + name;
}

TShortCut ParseShortCutText(std::string_view text) {
    unsigned modifiers = 0;
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const ModifierPrefix& prefix : modifier_prefixes) {
            if (starts_with_ignoring_case(text, prefix.text)) {
                text.remove_prefix(prefix.text.size());
                modifiers |= prefix.bit;
                stripped = true;
                break;
            }
        }
    }
    if (text.empty())
        return 0;

    // The key codes 8..0x255 are tried in ascending order. None of them carries a
    // modifier bit, so each one's text is the key name of its low byte. That makes
    // 0x108..0x255 repeats of names already tried; of the codes above 0xFF only
    // 0x100..0x107 (low bytes 0..7) can still match. One buffer serves every name.
    std::string name;
    const auto names_the_key = [&](unsigned code) {
        name.clear();
        append_key_name(name, static_cast<std::uint8_t>(code & 0xFF));
        return !name.empty() && equals_ignoring_case(name, text);
    };
    for (unsigned code = 0x08; code <= 0x107; ++code) {
        if (names_the_key(code))
            return static_cast<TShortCut>(modifiers | code);
    }
    return 0;
}

TShortCut ItemTextToShortCut(std::string_view item_text) {
    const std::string with_strg = replace_ignoring_case(item_text, "CTRL", "STRG");
    return ParseShortCutText(replace_ignoring_case(with_strg, "Shift", "Umsch"));
}

KeyNameLookup set_key_name_lookup(KeyNameLookup lookup) noexcept {
    const KeyNameLookup previous = key_name_lookup;
    key_name_lookup = lookup ? lookup : &platform_key_name;
    return previous;
}

} // namespace pipetto
