#include "framework/core/ansi_text.h"

#include <windows.h>

namespace pipetto {

namespace {

std::wstring wide_from(UINT code_page, std::string_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    std::wstring wide(
        static_cast<std::size_t>(MultiByteToWideChar(code_page, 0, text.data(), size, nullptr, 0)),
        L'\0');
    MultiByteToWideChar(code_page, 0, text.data(), size, wide.data(),
                        static_cast<int>(wide.size()));
    return wide;
}

std::string bytes_from(UINT code_page, std::wstring_view wide) {
    if (wide.empty())
        return {};
    const int size = static_cast<int>(wide.size());
    std::string text(static_cast<std::size_t>(WideCharToMultiByte(code_page, 0, wide.data(), size,
                                                                  nullptr, 0, nullptr, nullptr)),
                     '\0');
    WideCharToMultiByte(code_page, 0, wide.data(), size, text.data(), static_cast<int>(text.size()),
                        nullptr, nullptr);
    return text;
}

} // namespace

// The same two steps GetPrivateProfileStringA takes with such a file, so both read alike.
std::string ansi_from_utf8(std::string_view utf8) {
    return bytes_from(CP_ACP, wide_from(CP_UTF8, utf8));
}

std::string utf8_from_ansi(std::string_view ansi) {
    return bytes_from(CP_UTF8, wide_from(CP_ACP, ansi));
}

} // namespace pipetto
