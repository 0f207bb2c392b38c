#pragma once
// The fixed list both hotkey combo boxes offer. config.ini stores a choice as its
// index here, so the order must never change.

#include <array>
#include <cstddef>
#include <string_view>

namespace pipetto {

inline constexpr std::size_t hotkey_entry_count = 100;

inline constexpr std::array<std::string_view, hotkey_entry_count> hotkey_entry_texts = {
    // Ctrl + letter
    "CTRL+A", "CTRL+B", "CTRL+C", "CTRL+D", "CTRL+E", "CTRL+F", "CTRL+G", "CTRL+H", "CTRL+I",
    "CTRL+J", "CTRL+K", "CTRL+L", "CTRL+M", "CTRL+N", "CTRL+O", "CTRL+P", "CTRL+Q", "CTRL+R",
    "CTRL+S", "CTRL+T", "CTRL+U", "CTRL+V", "CTRL+W", "CTRL+X", "CTRL+Y", "CTRL+Z",
    // Ctrl + Alt + letter
    "CTRL+ALT+A", "CTRL+ALT+B", "CTRL+ALT+C", "CTRL+ALT+D", "CTRL+ALT+E", "CTRL+ALT+F",
    "CTRL+ALT+G", "CTRL+ALT+H", "CTRL+ALT+I", "CTRL+ALT+J", "CTRL+ALT+K", "CTRL+ALT+L",
    "CTRL+ALT+M", "CTRL+ALT+N", "CTRL+ALT+O", "CTRL+ALT+P", "CTRL+ALT+Q", "CTRL+ALT+R",
    "CTRL+ALT+S", "CTRL+ALT+T", "CTRL+ALT+U", "CTRL+ALT+V", "CTRL+ALT+W", "CTRL+ALT+X",
    "CTRL+ALT+Y", "CTRL+ALT+Z",
    // function keys alone
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12",
    // Ctrl + function key
    "CTRL+F1", "CTRL+F2", "CTRL+F3", "CTRL+F4", "CTRL+F5", "CTRL+F6", "CTRL+F7", "CTRL+F8",
    "CTRL+F9", "CTRL+F10", "CTRL+F11", "CTRL+F12",
    // Shift + function key
    "Shift+F1", "Shift+F2", "Shift+F3", "Shift+F4", "Shift+F5", "Shift+F6", "Shift+F7", "Shift+F8",
    "Shift+F9", "Shift+F10", "Shift+F11", "Shift+F12",
    // Shift + Ctrl + function key
    "Shift+CTRL+F1", "Shift+CTRL+F2", "Shift+CTRL+F3", "Shift+CTRL+F4", "Shift+CTRL+F5",
    "Shift+CTRL+F6", "Shift+CTRL+F7", "Shift+CTRL+F8", "Shift+CTRL+F9", "Shift+CTRL+F10",
    "Shift+CTRL+F11", "Shift+CTRL+F12"};

// The choices in force until config.ini supplies others.
inline constexpr int grab_hotkey_default_index = 18; // "CTRL+S"
inline constexpr int loupe_hotkey_default_index = 0; // "CTRL+A"

static_assert(hotkey_entry_texts[grab_hotkey_default_index] == "CTRL+S");
static_assert(hotkey_entry_texts[loupe_hotkey_default_index] == "CTRL+A");
static_assert(hotkey_entry_texts.back() == "Shift+CTRL+F12");

} // namespace pipetto
