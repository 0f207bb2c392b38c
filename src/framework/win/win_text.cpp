#include "framework/win/win_text.h"

#include <windows.h>

namespace pipetto::win {
namespace {

std::wstring to_wide(UINT code_page, std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string from_wide(UINT code_page, std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    const int length =
        WideCharToMultiByte(code_page, 0, wide.data(), size, nullptr, 0, nullptr, nullptr);
    std::string text(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), length, nullptr, nullptr);
    return text;
}

} // namespace

std::wstring widen(std::string_view utf8) {
    return to_wide(CP_UTF8, utf8);
}
std::string narrow(std::wstring_view wide) {
    return from_wide(CP_UTF8, wide);
}
std::wstring widen_ansi(std::string_view ansi) {
    return to_wide(CP_ACP, ansi);
}
std::string narrow_to_ansi(std::wstring_view wide) {
    return from_wide(CP_ACP, wide);
}
std::string ansi_to_utf8(std::string_view ansi) {
    return narrow(widen_ansi(ansi));
}
std::string utf8_to_ansi(std::string_view utf8) {
    return narrow_to_ansi(widen(utf8));
}

} // namespace pipetto::win
