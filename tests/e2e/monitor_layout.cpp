#include "monitor_layout.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

namespace pipetto::tests {
namespace {

// Wine's own way to start a program of the host, which a Windows process can't start
// otherwise; waits for it and gives its exit status.
using UnixSpawn = long(__cdecl*)(char* const* argv, int wait);

int run_on_host(std::vector<std::string> arguments) {
    const auto spawn = reinterpret_cast<UnixSpawn>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "__wine_unix_spawnvp")));
    if (!spawn)
        return -1;
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return static_cast<int>(spawn(argv.data(), 1));
}

} // namespace

std::string monitor_layout_script() {
    const char* script = std::getenv("PIPETTO_MONITOR_LAYOUT");
    return script ? script : "";
}

bool change_monitor_layout(const std::string& layout) {
    // Windows brings the cursor onto a monitor that stays; Wine leaves it where it was, and
    // its server then fails as soon as a window goes. The primary stays in every layout.
    SetCursorPos(512, 384);
    if (run_on_host({"/bin/bash", monitor_layout_script(), layout}) != 0)
        return false;
    std::wstring command = L"\"" APPLY_DISPLAY_SETTINGS_EXE L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return false;
    DWORD exit_code = 1;
    if (WaitForSingleObject(process.hProcess, 10000) == WAIT_OBJECT_0)
        GetExitCodeProcess(process.hProcess, &exit_code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return exit_code == 0;
}

} // namespace pipetto::tests
