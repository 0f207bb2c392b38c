#pragma once
// The files Pipetto keeps beside itself, checked from outside: history.dat must always be
// whole 186-byte records, and config.ini must be written when the program closes.

#include <windows.h>

#include <optional>
#include <string>

namespace pipetto::monkey {

constexpr unsigned history_record_size = 186;

// What is wrong with history.dat, or nothing. While the program runs the file may still be
// missing; after it closed it must be there.
std::optional<std::string> history_fault(const std::wstring& folder, bool must_exist);
// The number of colours history.dat holds (0 without the file).
unsigned long long history_colours(const std::wstring& folder);

// What is wrong with config.ini after a close: missing, not written since the program
// started, or without one of its settings.
std::optional<std::string> config_fault(const std::wstring& folder, FILETIME program_start);

} // namespace pipetto::monkey
