#pragma once
// The exceptions that carry the texts the user reads in the error display.
// Messages are UTF-8; the framework converts them where it calls Windows.

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace pipetto {

// Base of every failure the program reports to the user; what() is the message shown.
class Exception : public std::runtime_error {
  public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
};

// A text that is no integer: "'%s' ist kein gültiger Integerwert".
class EConvertError : public Exception {
  public:
    explicit EConvertError(const std::string& message) : Exception(message) {}
    static EConvertError invalid_integer(std::string_view text);
};

// A failing file operation, with the German text for the system error code.
class EInOutError : public Exception {
  public:
    explicit EInOutError(int code);
    EInOutError(int code, const std::string& message) : Exception(message), code_(code) {}
    int code() const noexcept { return code_; }
    static std::string text_for_code(int code);

  private:
    int code_;
};

// Error codes of the file operations, as the system reports them.
namespace io_code {
inline constexpr int file_not_found = 2;
inline constexpr int path_not_found = 3;
inline constexpr int too_many_open_files = 4;
inline constexpr int access_denied = 5;
inline constexpr int read_beyond_end = 100;
inline constexpr int disk_full = 101;
inline constexpr int invalid_numeric_input = 106;
// Windows' codes for a name that is taken already; creating a new file can meet them.
inline constexpr int file_exists = 80;
inline constexpr int already_exists = 183;
} // namespace io_code

// The text the error display shows: a "." is appended when the message's last
// character sorts after "." (so a message ending in a full stop gets none).
std::string error_display_text(std::string_view message);

// "In %s kann nicht geschrieben werden".
std::string cannot_write_message(std::string_view path);

// The longest value or path a message quotes whole. A message box wraps its text only at
// blanks and grows to hold the rest, so a longer one (a hand-edited config.ini with a
// value of a million digits) would push the box and its button off every monitor.
inline constexpr std::size_t longest_quoted_text = 100;

// The text as a message quotes it: one longer than longest_quoted_text keeps its start
// and its end, with "..." between them. Counted in bytes, but never cutting a UTF-8
// character in two.
std::string quoted_in_message(std::string_view text);

} // namespace pipetto
