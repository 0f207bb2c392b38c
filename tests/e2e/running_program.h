#pragma once
// pipetto.exe started in a folder of its own, seen from outside as a user's desktop sees it.

#include <windows.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

#include "message_box_watcher.h"

namespace pipetto::tests {

class RunningProgram {
  public:
    // Copies pipetto.exe into `folder` and starts it there.
    explicit RunningProgram(const std::filesystem::path& folder);
    // Starts the pipetto.exe that lies in `folder` already, as a second double click does.
    struct StartAgain {};
    RunningProgram(const std::filesystem::path& folder, StartAgain);
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram(); // ends the program if it still runs

    DWORD process_id() const { return process_.dwProcessId; }

    // The first top-level window of the program with this class, once it is visible.
    HWND wait_for_window(const wchar_t* class_name,
                         std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // Message boxes shown by the program, answered with OK (a question with
    // `answer_to_questions`), collected until `timeout` passes or `count` have come.
    std::vector<ShownMessage> answer_message_boxes(size_t count, std::chrono::milliseconds timeout,
                                                   int answer_to_questions = IDNO) const;
    // Waits for the program to end; its exit code, or -1 when it still runs.
    int wait_for_exit(std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;

  private:
    void start(const std::filesystem::path& folder);
    PROCESS_INFORMATION process_{};
};

std::string window_text(HWND window);

} // namespace pipetto::tests
