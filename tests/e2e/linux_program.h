#pragma once
// What the tests need of the Linux side under Wine, where Windows has no counterpart that
// Wine carries out: the folder flag that refuses new files, and symbolic links (Wine's
// CreateSymbolicLinkW makes none). Wine runs a Linux program given by its Linux path.

#include <filesystem>
#include <initializer_list>
#include <string>

namespace pipetto::tests {

// The Linux path of a Windows path, as Wine's kernel32 gives it; empty elsewhere.
std::string unix_path(const std::filesystem::path& path);

// Runs the program and waits for it, 10 s at most. Wine can't tell a Linux program's exit
// code, so the caller looks for its effect.
void run_linux_program(const char* program, std::initializer_list<std::string> arguments);

// Starts the program and goes on at once, for one that runs beside the test.
void start_linux_program(const char* program, std::initializer_list<std::string> arguments);

// A symbolic link, removed again before the folder it lies in: under Wine, removing the
// link through Windows would remove the file it points at and leave the link.
class SymbolicLink {
  public:
    SymbolicLink(const std::filesystem::path& link, const std::string& target);
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;
    ~SymbolicLink();

  private:
    std::filesystem::path link_;
};

} // namespace pipetto::tests
