#include "pipetto_process.h"

#include <stdexcept>

namespace pipetto::monkey {

PipettoProcess::PipettoProcess(const std::wstring& folder) {
    const std::wstring exe = folder + L"\\pipetto.exe";
    std::wstring command = L"\"" + exe + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    GetSystemTimeAsFileTime(&start_time_);
    if (!CreateProcessW(exe.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.c_str(), &startup, &started))
        throw std::runtime_error("pipetto.exe did not start (error " +
                                 std::to_string(GetLastError()) + ")");
    CloseHandle(started.hThread);
    process_.reset(started.hProcess);
    id_ = started.dwProcessId;
    WaitForInputIdle(process_.get(), 10000);
}

std::optional<DWORD> PipettoProcess::exit_code(DWORD milliseconds) const {
    if (WaitForSingleObject(process_.get(), milliseconds) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_.get(), &code);
    return code;
}

void PipettoProcess::terminate() const {
    TerminateProcess(process_.get(), 1);
    WaitForSingleObject(process_.get(), 5000);
}

bool answers(HWND window, UINT milliseconds) {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, milliseconds, &result) != 0;
}

} // namespace pipetto::monkey
