#pragma once
// The exceptions that carry the texts the user reads in the error display.
// Messages are UTF-8; the framework converts them where it calls Windows.

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
} // namespace io_code

// The text the error display shows: a "." is appended when the message's last
// character sorts after "." (so a message ending in a full stop gets none).
std::string error_display_text(std::string_view message);

// "In %s kann nicht geschrieben werden".
std::string cannot_write_message(std::string_view path);

} // namespace pipetto
