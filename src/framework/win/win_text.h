#pragma once
// The one place where the program's texts meet Windows' UTF-16.
// Program texts are UTF-8; texts kept in files are bytes in the system's ANSI code page.

#include <string>
#include <string_view>

namespace pipetto::win {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view wide);

std::wstring widen_ansi(std::string_view ansi);
std::string narrow_to_ansi(std::wstring_view wide);

// ANSI file bytes shown as program text, and program text stored in a file.
std::string ansi_to_utf8(std::string_view ansi);
std::string utf8_to_ansi(std::string_view utf8);

} // namespace pipetto::win
