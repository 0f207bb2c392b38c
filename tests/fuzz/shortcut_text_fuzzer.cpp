// Shortcut texts: whatever a text parses to formats back to a text that parses to the same
// shortcut; letter case never matters; and every shortcut that formats to a text is named
// again by parsing that text.

#include "hotkeys/shortcut_text.h"

#include "fuzz_check.h"

#include <cstring>

using namespace pipetto;

namespace {

constexpr TShortCut modifier_bits = shortcut_shift_bit | shortcut_ctrl_bit | shortcut_alt_bit;

void check_parsed(std::string_view text) {
    const TShortCut shortcut = ParseShortCutText(text);
    FUZZ_CHECK(ParseShortCutText(fuzz::ascii_upper(text)) == shortcut);
    FUZZ_CHECK(ParseShortCutText(fuzz::ascii_lower(text)) == shortcut);
    if (shortcut == 0)
        return;
    // A key code and modifier bits, nothing else.
    FUZZ_CHECK((shortcut & ~modifier_bits) >= 0x08 && (shortcut & ~modifier_bits) <= 0x107);
    const std::string formatted = FormatShortCutText(shortcut);
    FUZZ_CHECK(!formatted.empty());
    FUZZ_CHECK(ParseShortCutText(formatted) == shortcut);

    const TShortCut item = ItemTextToShortCut(text);
    FUZZ_CHECK(ItemTextToShortCut(fuzz::ascii_upper(text)) == item);
}

// A shortcut value from anywhere: its text, when it has one, names the same key (the
// lowest code of that name: the keypad digits read as the digit keys) and the same modifiers.
void check_formatted(TShortCut shortcut) {
    const std::string formatted = FormatShortCutText(shortcut);
    if (formatted.empty())
        return;
    const TShortCut parsed = ParseShortCutText(formatted);
    FUZZ_CHECK(parsed != 0);
    FUZZ_CHECK((parsed & modifier_bits) == (shortcut & modifier_bits));
    FUZZ_CHECK(FormatShortCutText(parsed) == formatted);
    FUZZ_CHECK(key_name(parsed) == key_name(shortcut));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    const std::string_view text = fuzz::as_text(data, size);
    check_parsed(text);
    if (size >= 2) {
        TShortCut shortcut;
        std::memcpy(&shortcut, data, sizeof shortcut);
        check_formatted(shortcut);
    }
    const TShortCut item = ItemTextToShortCut(text);
    FUZZ_CHECK(ItemTextToShortCut(fuzz::ascii_lower(text)) == item);
    if (item != 0)
        FUZZ_CHECK(ParseShortCutText(FormatShortCutText(item)) == item);
    return 0;
}
