// The random-input driver: runs one round of random clicks, drags, wheel turns and keys on
// every window of pipetto.exe, and fails on a crash, a hang, a history.dat that is not
// whole records or a config.ini not written at the close.
// Usage: monkey_driver.exe SEED SECONDS FOLDER
//   FOLDER holds pipetto.exe; the round's action log is written to FOLDER\actions.log.
// Exit code 0: no fault; 1: a fault (told on standard output with the last actions);
// 2: wrong arguments.

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "action_log.h"
#include "framework/win/win_text.h"
#include "monkey_round.h"
#include "program_windows.h"
#include "saved_files.h"

int main(int argc, char** argv) {
    using namespace pipetto;
    if (argc != 4) {
        std::printf("usage: monkey_driver.exe SEED SECONDS FOLDER\n");
        return 2;
    }
    monkey::RoundSettings settings;
    settings.seed = static_cast<std::uint32_t>(std::strtoul(argv[1], nullptr, 10));
    settings.duration = std::chrono::seconds(std::atoi(argv[2]));
    settings.folder = win::widen(argv[3]);

    monkey::ActionLog log(settings.folder + L"\\actions.log");
    monkey::MonkeyRound round(settings, log);
    const monkey::RoundResult result = round.run();
    const std::string summary = std::to_string(result.actions) + " actions, " +
                                std::to_string(result.starts) + " starts of pipetto.exe, " +
                                std::to_string(monkey::history_colours(settings.folder)) +
                                " colours in history.dat";
    if (result.fault) {
        std::printf("MONKEY FAULT with seed %lu after %s: %s\n",
                    static_cast<unsigned long>(settings.seed), summary.c_str(),
                    result.fault->c_str());
        log.print_last();
        return 1;
    }
    std::printf("monkey round with seed %lu: %s, no fault\n",
                static_cast<unsigned long>(settings.seed), summary.c_str());
    std::string reached = "actions on each window:";
    for (const auto& [kind, count] : result.actions_on)
        reached += std::string(" ") + monkey::kind_name(kind) + " " + std::to_string(count) + ",";
    std::printf("%s %d message boxes shown, %d file dialogs cancelled\n", reached.c_str(),
                result.message_boxes, result.file_dialogs_cancelled);
    return 0;
}
