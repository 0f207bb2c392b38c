#include "running_program.h"

#include <stdexcept>
#include <thread>

#include "framework/win/win_text.h"

namespace pipetto::tests {

RunningProgram::RunningProgram(const std::filesystem::path& folder) {
    std::filesystem::copy_file(std::filesystem::path(PIPETTO_EXE), folder / "pipetto.exe",
                               std::filesystem::copy_options::overwrite_existing);
    start(folder);
}

RunningProgram::RunningProgram(const std::filesystem::path& folder, StartAgain) {
    start(folder);
}

void RunningProgram::start(const std::filesystem::path& folder) {
    const std::filesystem::path exe = folder / "pipetto.exe";
    std::wstring command = L"\"" + exe.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(exe.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.wstring().c_str(), &startup, &process_))
        throw std::runtime_error("pipetto.exe did not start");
}

RunningProgram::~RunningProgram() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 5000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::wait_for_window(const wchar_t* class_name,
                                     std::chrono::milliseconds timeout) const {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        for (HWND window = FindWindowExW(nullptr, nullptr, class_name, nullptr); window;
             window = FindWindowExW(nullptr, window, class_name, nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(window, &owner);
            if (owner == process_.dwProcessId && IsWindowVisible(window))
                return window;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    } while (std::chrono::steady_clock::now() < deadline);
    return nullptr;
}

std::vector<ShownMessage> RunningProgram::answer_message_boxes(size_t count,
                                                               std::chrono::milliseconds timeout,
                                                               int answer_to_questions) const {
    std::vector<ShownMessage> shown;
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (shown.size() < count && std::chrono::steady_clock::now() < deadline) {
        for (ShownMessage& message :
             answer_message_boxes_of(process_.dwProcessId, answer_to_questions))
            shown.push_back(std::move(message));
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return shown;
}

int RunningProgram::wait_for_exit(std::chrono::milliseconds timeout) const {
    if (WaitForSingleObject(process_.hProcess, static_cast<DWORD>(timeout.count())) !=
        WAIT_OBJECT_0)
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_.hProcess, &code);
    return static_cast<int>(code);
}

std::string window_text(HWND window) {
    wchar_t text[512] = {};
    GetWindowTextW(window, text, 512);
    return win::narrow(text);
}

} // namespace pipetto::tests
