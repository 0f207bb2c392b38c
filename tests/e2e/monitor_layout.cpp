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

// Puts the cursor at `place` and waits, a second at most, until it stays there. Wine's X11
// driver may still hold the pointer's motion to the place it had before and hand it to the
// server after the move, which puts the cursor back there. (Once a monitor has gone, Wine's
// processes may disagree where the pointer is and it never stays: the wait gives up.)
void move_cursor_to_stay(POINT place) {
    int still = 0;
    for (int tries = 0; tries < 20 && still < 4; ++tries) {
        POINT now{};
        GetCursorPos(&now);
        if (now.x == place.x && now.y == place.y) {
            ++still;
        } else {
            still = 0;
            SetCursorPos(place.x, place.y);
        }
        Sleep(50);
    }
}

bool change_monitor_layout(const std::string& layout) {
    // Windows brings the cursor onto a monitor that stays; Wine leaves it where it was, and
    // its server crashes as soon as a window goes while the cursor lies where no monitor
    // is. The primary stays in every layout.
    move_cursor_to_stay({512, 384});
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
