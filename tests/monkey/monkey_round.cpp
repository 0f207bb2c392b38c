#include "monkey_round.h"

#include <cstdio>
#include <thread>

#include "program_windows.h"
#include "random_action.h"
#include "saved_files.h"
#include "synthetic_input.h"

namespace pipetto::monkey {
namespace {

// A program that takes longer than this to answer a message hangs.
constexpr UINT answer_timeout_ms = 6000;

void sleep_ms(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

std::string exit_code_text(DWORD code) {
    char text[64];
    std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(code));
    std::string result = text;
    if (code == EXCEPTION_ACCESS_VIOLATION)
        result += " (access violation)";
    else if (code == EXCEPTION_STACK_OVERFLOW)
        result += " (stack overflow)";
    else if (code == 0xC0000409)
        result += " (stack buffer overrun or fast fail)";
    else if (code == 3)
        result += " (abort)";
    return result;
}

} // namespace

MonkeyRound::MonkeyRound(RoundSettings settings, ActionLog& log)
    : settings_(std::move(settings)), log_(log), draws_(settings_.seed) {}

RoundResult MonkeyRound::run() {
    result_.fault = start_program();
    while (!result_.fault && Clock::now() - began_ < settings_.duration)
        result_.fault = step();
    if (!result_.fault)
        result_.fault = close_program();
    if (result_.fault && program_ && !program_->exit_code())
        program_->terminate();
    return result_;
}

void MonkeyRound::log(const std::string& line) {
    char stamp[32];
    const double seconds = std::chrono::duration<double>(Clock::now() - began_).count();
    std::snprintf(stamp, sizeof stamp, "%7.2fs ", seconds);
    log_.add(stamp + line);
}

std::optional<std::string> MonkeyRound::start_program() {
    try {
        program_ = std::make_unique<PipettoProcess>(settings_.folder);
    } catch (const std::exception& error) {
        return error.what();
    }
    ++result_.starts;
    seen_boxes_.clear();
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(10);
    while (Clock::now() < deadline) {
        if (const std::optional<DWORD> code = program_->exit_code())
            return "pipetto.exe ended at its start with exit code " + exit_code_text(*code);
        if (HWND main = main_window(program_->id()); main && IsWindowVisible(main)) {
            log("pipetto.exe started (process " + std::to_string(program_->id()) + ", " +
                std::to_string(history_colours(settings_.folder)) + " colours in history.dat)");
            return std::nullopt;
        }
        sleep_ms(20);
    }
    return "pipetto.exe showed no main window within 10 s";
}

std::optional<std::string> MonkeyRound::step() {
    if (const std::optional<DWORD> code = program_->exit_code()) {
        log("pipetto.exe closed, exit code " + exit_code_text(*code));
        if (std::optional<std::string> fault = check_end(*code))
            return fault;
        return start_program();
    }
    // The draw is taken whatever happens next, so that a replay draws the same numbers.
    const ActionDraw draw = draws_.next();
    note_new_message_boxes();
    if (!file_dialogs(program_->id()).empty()) {
        cancel_file_dialogs();
    } else {
        const std::vector<ProgramWindow> windows = visible_windows(program_->id());
        std::string done = "no window to act on";
        if (const ProgramWindow* target = choose_window(draw, windows)) {
            done = perform_random_action(draw, *target, program_->id());
            ++result_.actions_on[target->kind];
        }
        ++result_.actions;
        char number[24];
        std::snprintf(number, sizeof number, "#%llu ", result_.actions);
        log(number + done);
    }
    sleep_ms(pause_after(draw));
    if (std::optional<std::string> fault = check_answers())
        return fault;
    return history_fault(settings_.folder, false);
}

std::optional<std::string> MonkeyRound::check_answers() {
    const HWND main = main_window(program_->id());
    if (!main || answers(main, answer_timeout_ms))
        return std::nullopt;
    // A window that closed meanwhile doesn't answer either; nor does a program that ended.
    if (!IsWindow(main) || program_->exit_code())
        return std::nullopt;
    return "pipetto.exe hangs: its main window gave no answer for 6 s";
}

void MonkeyRound::cancel_file_dialogs() {
    for (HWND dialog : file_dialogs(program_->id())) {
        log("file dialog cancelled: " + describe(dialog));
        ++result_.file_dialogs_cancelled;
        PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                     reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
    }
    // Nothing else is done until it has gone.
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(answer_timeout_ms);
    while (!file_dialogs(program_->id()).empty() && Clock::now() < deadline)
        sleep_ms(20);
}

void MonkeyRound::note_new_message_boxes() {
    for (const ProgramWindow& window : visible_windows(program_->id()))
        if (window.kind == WindowKind::message_box && seen_boxes_.insert(window.hwnd).second) {
            log("message box shown: " + describe(window.hwnd));
            ++result_.message_boxes;
        }
}

std::optional<std::string> MonkeyRound::check_end(DWORD exit_code) {
    if (exit_code != 0)
        return "pipetto.exe crashed: exit code " + exit_code_text(exit_code);
    if (std::optional<std::string> fault = history_fault(settings_.folder, true))
        return fault;
    if (std::optional<std::string> fault = config_fault(settings_.folder, program_->start_time()))
        return fault;
    log("history.dat holds " + std::to_string(history_colours(settings_.folder)) +
        " colours; config.ini written at the close");
    return std::nullopt;
}

std::optional<std::string> MonkeyRound::close_program() {
    log("time is up: closing pipetto.exe");
    bool close_asked = false;
    const Clock::time_point deadline = Clock::now() + std::chrono::seconds(20);
    while (Clock::now() < deadline) {
        if (const std::optional<DWORD> code = program_->exit_code(100)) {
            log("pipetto.exe closed, exit code " + exit_code_text(*code));
            return check_end(*code);
        }
        if (std::optional<std::string> fault = check_answers())
            return fault;
        note_new_message_boxes();
        cancel_file_dialogs();
        // Whatever is open in front of the main window is closed first, as a user would.
        bool in_front = false;
        for (const ProgramWindow& window : visible_windows(program_->id())) {
            if (window.kind == WindowKind::message_box) {
                PostMessageW(window.hwnd, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                in_front = true;
            } else if (window.kind == WindowKind::popup_menu) {
                press_key(VK_ESCAPE, {});
                in_front = true;
            } else if (window.kind == WindowKind::im_export) {
                PostMessageW(window.hwnd, WM_CLOSE, 0, 0);
                in_front = true;
            }
        }
        const HWND main = main_window(program_->id());
        if (!in_front && !close_asked && main) {
            log("WM_CLOSE to the main window");
            PostMessageW(main, WM_CLOSE, 0, 0);
            close_asked = true;
        }
        sleep_ms(100);
    }
    return std::string(main_window(program_->id())
                           ? "pipetto.exe did not close within 20 s of the end of the round"
                           : "pipetto.exe still runs 20 s after its main window went") +
           "; its windows:" + list_windows(program_->id());
}

} // namespace pipetto::monkey
