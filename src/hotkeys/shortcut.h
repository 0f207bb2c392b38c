#pragma once
// A key combination packed into 16 bits, as the hotkey list and config.ini use it:
// the virtual key code in the low byte, modifiers in the top three bits.

#include <cstdint>
#include <initializer_list>

namespace pipetto {

using TShortCut = std::uint16_t;

// Modifier bits of a shortcut value. Bits 8..12 are never set by the program;
// when present they are read as part of the key code.
inline constexpr TShortCut shortcut_shift_bit = 0x2000;
inline constexpr TShortCut shortcut_ctrl_bit = 0x4000;
inline constexpr TShortCut shortcut_alt_bit = 0x8000;
inline constexpr std::uint16_t shortcut_key_mask = 0x1FFF;

// The members a shift state can hold; the mouse members exist for the key event's
// signature but a hotkey never sets them.
enum TShiftFlag : std::uint8_t { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };

// A set over TShiftFlag, small enough to pass by value.
class TShiftState {
  public:
    constexpr TShiftState() noexcept = default;
    constexpr TShiftState(std::initializer_list<TShiftFlag> flags) noexcept {
        for (TShiftFlag flag : flags)
            include(flag);
    }

    constexpr bool contains(TShiftFlag flag) const noexcept { return (bits_ & bit(flag)) != 0; }
    constexpr bool empty() const noexcept { return bits_ == 0; }
    constexpr TShiftState& include(TShiftFlag flag) noexcept {
        bits_ = static_cast<std::uint8_t>(bits_ | bit(flag));
        return *this;
    }
    constexpr TShiftState& exclude(TShiftFlag flag) noexcept {
        bits_ = static_cast<std::uint8_t>(bits_ & ~bit(flag));
        return *this;
    }

    friend constexpr bool operator==(TShiftState, TShiftState) noexcept = default;

  private:
    static constexpr std::uint8_t bit(TShiftFlag flag) noexcept {
        return static_cast<std::uint8_t>(1u << flag);
    }
    std::uint8_t bits_ = 0;
};

// The key part of a shortcut value, bits 8..12 included.
constexpr std::uint16_t shortcut_key(TShortCut shortcut) noexcept {
    return static_cast<std::uint16_t>(shortcut & shortcut_key_mask);
}

// The modifiers of a shortcut value; never any mouse member.
constexpr TShiftState shortcut_shift(TShortCut shortcut) noexcept {
    TShiftState shift;
    if (shortcut & shortcut_shift_bit)
        shift.include(ssShift);
    if (shortcut & shortcut_ctrl_bit)
        shift.include(ssCtrl);
    if (shortcut & shortcut_alt_bit)
        shift.include(ssAlt);
    return shift;
}

// Packs a key and its modifiers; 0 (no combination) when the key doesn't fit in a byte.
constexpr TShortCut make_shortcut(std::uint16_t key, TShiftState shift) noexcept {
    if (key & 0xFF00)
        return 0;
    unsigned value = key;
    if (shift.contains(ssShift))
        value |= shortcut_shift_bit;
    if (shift.contains(ssCtrl))
        value |= shortcut_ctrl_bit;
    if (shift.contains(ssAlt))
        value |= shortcut_alt_bit;
    return static_cast<TShortCut>(value);
}

// Modifier flags as RegisterHotKey takes them; stated here as numbers so the
// mapping stays testable without <windows.h>.
inline constexpr unsigned hotkey_mod_alt = 1;
inline constexpr unsigned hotkey_mod_control = 2;
inline constexpr unsigned hotkey_mod_shift = 4;

constexpr unsigned hotkey_modifier_flags(TShortCut shortcut) noexcept {
    unsigned flags = 0;
    if (shortcut & shortcut_ctrl_bit)
        flags |= hotkey_mod_control;
    if (shortcut & shortcut_alt_bit)
        flags |= hotkey_mod_alt;
    if (shortcut & shortcut_shift_bit)
        flags |= hotkey_mod_shift;
    return flags;
}

} // namespace pipetto
