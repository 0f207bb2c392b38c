#pragma once
// A round of random input: pipetto.exe is started in its folder and given random actions
// until the time is up, then closed. A close by the actions themselves (Alt+F4, the close
// box, the window menu) is a legitimate end: its files are checked and the program is
// started again. The round ends early on the first fault.

#include <chrono>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "action_log.h"
#include "pipetto_process.h"
#include "program_windows.h"
#include "random_draws.h"

namespace pipetto::monkey {

struct RoundSettings {
    std::uint32_t seed = 0;
    std::chrono::seconds duration{60};
    std::wstring folder; // holds pipetto.exe; config.ini and history.dat land there
};

struct RoundResult {
    std::optional<std::string> fault;
    unsigned long long actions = 0;
    int starts = 0;
    // What the actions reached: the count for each kind of window, and the file dialogs
    // and message boxes that came up.
    std::map<WindowKind, unsigned long long> actions_on;
    int file_dialogs_cancelled = 0;
    int message_boxes = 0;
};

class MonkeyRound {
  public:
    MonkeyRound(RoundSettings settings, ActionLog& log);
    RoundResult run();

  private:
    using Clock = std::chrono::steady_clock;

    std::optional<std::string> start_program();
    // One action and the checks after it.
    std::optional<std::string> step();
    // The program has ended: by its exit code and its files, was that a fault?
    std::optional<std::string> check_end(DWORD exit_code);
    // Closes the program as a user would at the end of the round.
    std::optional<std::string> close_program();
    std::optional<std::string> check_answers();
    void cancel_file_dialogs();
    void note_new_message_boxes();
    void log(const std::string& line);

    RoundSettings settings_;
    ActionLog& log_;
    RandomDraws draws_;
    Clock::time_point began_ = Clock::now();
    std::unique_ptr<PipettoProcess> program_;
    std::set<HWND> seen_boxes_;
    RoundResult result_;
};

} // namespace pipetto::monkey
