#pragma once
// What the driver did, line by line: every line goes to the round's log file, and the last
// ones are kept to be shown when a fault ends the round.

#include <cstdio>
#include <deque>
#include <memory>
#include <string>

namespace pipetto::monkey {

class ActionLog {
  public:
    static constexpr std::size_t kept_lines = 30;

    explicit ActionLog(const std::wstring& file_path);

    void add(const std::string& line);
    // The kept lines, oldest first, to standard output.
    void print_last() const;

  private:
    struct CloseFile {
        void operator()(std::FILE* file) const noexcept { std::fclose(file); }
    };
    std::unique_ptr<std::FILE, CloseFile> file_;
    std::deque<std::string> last_;
};

} // namespace pipetto::monkey
