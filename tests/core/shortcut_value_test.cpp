#include "hotkeys/shortcut.h"

#include <gtest/gtest.h>

using namespace pipetto;

TEST(ShortcutValue, DecodingSplitsKeyAndModifiers) {
    EXPECT_EQ(shortcut_key(0x4053), 0x53);
    EXPECT_EQ(shortcut_shift(0x4053), TShiftState{ssCtrl});
    EXPECT_EQ(shortcut_key(0xC041), 0x41);
    EXPECT_EQ(shortcut_shift(0xC041), (TShiftState{ssAlt, ssCtrl}));
    EXPECT_EQ(shortcut_shift(0x6079), (TShiftState{ssShift, ssCtrl}));
    EXPECT_TRUE(shortcut_shift(0x0070).empty());
    // bits 8..12 belong to the key; the mouse members are never set
    EXPECT_EQ(shortcut_key(0xFF41), 0x1F41);
    EXPECT_EQ(shortcut_shift(0xFFFF), (TShiftState{ssShift, ssCtrl, ssAlt}));
}

TEST(ShortcutValue, EncodingIsTheReverseOfDecoding) {
    EXPECT_EQ(make_shortcut(0x53, {ssCtrl}), 16467);
    EXPECT_EQ(make_shortcut(0x74, {ssShift}), 0x2074);
    // mouse members have no bit of their own
    EXPECT_EQ(make_shortcut(0x41, {ssCtrl, ssLeft, ssDouble}), 0x4041);
    for (TShortCut value : {0x4041, 0xC05A, 0x0070, 0x207B, 0x607B, 0xE0FF}) {
        EXPECT_EQ(make_shortcut(shortcut_key(value), shortcut_shift(value)), value) << value;
    }
    // a key wider than a byte is no combination at all
    EXPECT_EQ(make_shortcut(0x100, {ssCtrl}), 0);
    EXPECT_EQ(make_shortcut(0x1F41, {}), 0);
}

TEST(ShortcutValue, ModifierFlagsForRegistration) {
    EXPECT_EQ(hotkey_modifier_flags(0x4053), 2u);
    EXPECT_EQ(hotkey_modifier_flags(0xC041), 2u | 1u);
    EXPECT_EQ(hotkey_modifier_flags(0x2070), 4u);
    EXPECT_EQ(hotkey_modifier_flags(0xE041), 7u);
    // key bits never leak into the flags
    EXPECT_EQ(hotkey_modifier_flags(0x1FFF), 0u);
}
