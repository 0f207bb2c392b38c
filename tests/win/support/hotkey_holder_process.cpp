#include "hotkey_holder.h"

#include <chrono>
#include <string>
#include <thread>

#include "framework/win/application.h"

namespace pipetto::tests {

HotKeyHolder::HotKeyHolder(UINT modifiers, UINT key) {
    // Built into the folder of the test programs.
    const std::wstring exe =
        (win::Application::executable_directory() / L"hotkey_holder.exe").native();
    std::wstring command =
        L"\"" + exe + L"\" " + std::to_wstring(modifiers) + L" " + std::to_wstring(key);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process_))
        return;
    const std::wstring name = L"PipettoHotKeyHolder" + std::to_wstring(process_.dwProcessId);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if (HANDLE held = OpenEventW(SYNCHRONIZE, FALSE, name.c_str())) {
            CloseHandle(held);
            holds_ = true;
            return;
        }
        if (WaitForSingleObject(process_.hProcess, 10) == WAIT_OBJECT_0)
            return; // refused
    }
}

HotKeyHolder::~HotKeyHolder() {
    if (!process_.hProcess)
        return;
    TerminateProcess(process_.hProcess, 0);
    WaitForSingleObject(process_.hProcess, 5000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool another_process_can_register(UINT modifiers, UINT key) {
    return HotKeyHolder(modifiers, key).holds();
}

} // namespace pipetto::tests
