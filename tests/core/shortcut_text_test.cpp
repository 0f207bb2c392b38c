#include "hotkeys/hotkey_entries.h"
#include "hotkeys/shortcut_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace pipetto;

namespace {

// Puts a stand-in keyboard layout in place for one test.
class ScopedKeyNames {
  public:
    explicit ScopedKeyNames(KeyNameLookup lookup) : previous_(set_key_name_lookup(lookup)) {}
    ~ScopedKeyNames() { set_key_name_lookup(previous_); }
    ScopedKeyNames(const ScopedKeyNames&) = delete;
    ScopedKeyNames& operator=(const ScopedKeyNames&) = delete;

  private:
    KeyNameLookup previous_;
};

std::string no_names(std::uint8_t) {
    return {};
}

std::string layout_names(std::uint8_t key) {
    switch (key) {
    case 0x2C:
        return "Druck";
    case 0x90:
        return "Num";
    case 0xBA:
        return "\xc3\x9c"; // "Ü" as the Windows backend hands it over, in UTF-8
    case 0xC0:
        return "A"; // clashes with the letter key, which comes first
    case 0x05:
        return "Maus X1"; // a low byte only reached through code 0x105
    default:
        return {};
    }
}

} // namespace

TEST(HotkeyEntries, EveryEntryYieldsItsCombination) {
    ASSERT_EQ(hotkey_entry_texts.size(), 100u);
    struct Group {
        std::size_t first, count;
        TShortCut first_value;
    };
    const Group groups[] = {{0, 26, 0x4041},  {26, 26, 0xC041}, {52, 12, 0x0070},
                            {64, 12, 0x4070}, {76, 12, 0x2070}, {88, 12, 0x6070}};
    for (const Group& group : groups) {
        for (std::size_t i = 0; i < group.count; ++i) {
            const std::string_view text = hotkey_entry_texts[group.first + i];
            EXPECT_EQ(ItemTextToShortCut(text), group.first_value + i) << text;
        }
    }
}

TEST(HotkeyEntries, DefaultsPointAtTheirTexts) {
    EXPECT_EQ(hotkey_entry_texts[grab_hotkey_default_index], "CTRL+S");
    EXPECT_EQ(hotkey_entry_texts[loupe_hotkey_default_index], "CTRL+A");
    EXPECT_EQ(hotkey_entry_texts[76], "Shift+F1");
}

TEST(ItemText, EnglishModifierWordsAreReadInAnyCase) {
    EXPECT_EQ(ItemTextToShortCut("CTRL+ALT+Q"), 0xC051);
    EXPECT_EQ(ItemTextToShortCut("CTRL+ALT+Z"), 0xC05A);
    EXPECT_EQ(ItemTextToShortCut("Shift+CTRL+F10"), 0x6079);
    EXPECT_EQ(ItemTextToShortCut("F12"), 0x007B);
    EXPECT_EQ(ItemTextToShortCut("ctrl+shift+f1"), 0x6070);
    EXPECT_EQ(ItemTextToShortCut("SHIFT+Alt+Tab"), 0xA009);
    // the German prefixes keep working too
    EXPECT_EQ(ItemTextToShortCut("Umsch+Strg+F10"), 0x6079);
    EXPECT_EQ(ItemTextToShortCut(""), 0);
    EXPECT_EQ(ItemTextToShortCut("CTRL+"), 0);
    EXPECT_EQ(ItemTextToShortCut("CTRL+F25"), 0);
}

TEST(ParseText, PrefixesAreCaseFreeAndMayRepeat) {
    EXPECT_EQ(ParseShortCutText("strg+alt+a"), 0xC041);
    EXPECT_EQ(ParseShortCutText("^S"), 0x4053);
    EXPECT_EQ(ParseShortCutText("^s"), 0x4053);
    EXPECT_EQ(ParseShortCutText("ALT+UMSCH+f5"), 0xA074);
    EXPECT_EQ(ParseShortCutText("Strg+^Strg+B"), 0x4042);
    EXPECT_EQ(ParseShortCutText("Umsch+Umsch+Nach Oben"), 0x2026);
    // the main digit keys come before the keypad's
    EXPECT_EQ(ParseShortCutText("Strg+7"), 0x4037);
}

TEST(ParseText, TextsNamingNoKeyGiveNoCombination) {
    EXPECT_EQ(ParseShortCutText(""), 0);
    EXPECT_EQ(ParseShortCutText("Ctrl+S"), 0); // the Ctrl prefix is "Strg+"
    EXPECT_EQ(ParseShortCutText("Strg+"), 0);
    EXPECT_EQ(ParseShortCutText("^"), 0);
    EXPECT_EQ(ParseShortCutText("Strg"), 0);
    EXPECT_EQ(ParseShortCutText("Strg+Q+"), 0);
}

TEST(FormatText, ModifiersPrecedeTheKeyNameInFixedOrder) {
    EXPECT_EQ(FormatShortCutText(0x6079), "Umsch+Strg+F10");
    EXPECT_EQ(FormatShortCutText(0xE041), "Umsch+Strg+Alt+A");
    EXPECT_EQ(FormatShortCutText(0x8008), "Alt+R\u00fcck");
    EXPECT_EQ(FormatShortCutText(0x4069), "Strg+9");
    // only the low byte names the key
    EXPECT_EQ(FormatShortCutText(0x4141), "Strg+A");
}

TEST(FormatText, ParsingReadsBackWhatFormattingWrote) {
    for (unsigned key = 0x08; key <= 0xFF; ++key) {
        for (TShortCut modifiers : {0x0000, 0x2000, 0x4000, 0x8000, 0xE000}) {
            const TShortCut value = static_cast<TShortCut>(key | modifiers);
            const std::string text = FormatShortCutText(value);
            if (text.empty())
                continue;
            const TShortCut parsed = ParseShortCutText(text);
            // the keypad digits read back as the main digits, which come first
            const unsigned expected_key = (key >= 0x60 && key <= 0x69) ? key - 0x30 : key;
            EXPECT_EQ(parsed, expected_key | modifiers) << text;
        }
    }
}

TEST(KeyNames, KeysOutsideTheTableAreNamedByTheLayout) {
    const ScopedKeyNames layout(&layout_names);
    EXPECT_EQ(FormatShortCutText(0x402C), "Strg+Druck");
    EXPECT_EQ(ParseShortCutText("strg+druck"), 0x402C);
    EXPECT_EQ(ParseShortCutText("Num"), 0x0090);
    EXPECT_EQ(ParseShortCutText("Alt+\xc3\x9c"), 0x80BA);
    // a layout name equal to a table name never wins over the lower code
    EXPECT_EQ(ParseShortCutText("a"), 0x0041);
    // low bytes 0..7 are only reached as the codes just above 0xFF
    EXPECT_EQ(ParseShortCutText("Maus X1"), 0x0105);
}

TEST(KeyNames, AKeyWithoutANameFormatsToNothing) {
    const ScopedKeyNames layout(&no_names);
    EXPECT_EQ(key_name(0x2C), "");
    EXPECT_EQ(FormatShortCutText(0x602C), "");
    EXPECT_EQ(ParseShortCutText("Druck"), 0);
    // the fixed table doesn't depend on the layout
    EXPECT_EQ(key_name(0x1B), "Esc");
    EXPECT_EQ(key_name(0x0D), "Enter");
}
