// Names of keys outside the fixed table come from the keyboard layout, so a
// German system says "Druck" where an English one says "Print Screen".

#include "hotkeys/platform_key_name.h"

#include <windows.h>

#include <string>

namespace pipetto {

namespace {

// The layout answers in the ANSI code page; the program's own texts are UTF-8.
std::string ansi_to_utf8(const char* text, int length) {
    const int wide_length = MultiByteToWideChar(CP_ACP, 0, text, length, nullptr, 0);
    if (wide_length <= 0)
        return {};
    std::wstring wide(static_cast<std::size_t>(wide_length), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, length, wide.data(), wide_length);
    const int utf8_length =
        WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, nullptr, 0, nullptr, nullptr);
    if (utf8_length <= 0)
        return {};
    std::string utf8(static_cast<std::size_t>(utf8_length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), wide_length, utf8.data(), utf8_length, nullptr,
                        nullptr);
    return utf8;
}

} // namespace

std::string platform_key_name(std::uint8_t key) {
    const UINT scan_code = MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
    if (scan_code == 0)
        return {};
    char name[256];
    const int length =
        GetKeyNameTextA(static_cast<LONG>(scan_code << 16), name, static_cast<int>(sizeof name));
    if (length <= 0)
        return {};
    return ansi_to_utf8(name, length);
}

} // namespace pipetto
