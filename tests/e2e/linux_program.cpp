#include "linux_program.h"

#include <windows.h>

namespace pipetto::tests {

std::string unix_path(const std::filesystem::path& path) {
    using UnixFileName = char*(CDECL*)(LPCWSTR);
    // Through void(*)(), the one function pointer type every other converts to cleanly.
    const auto to_unix = reinterpret_cast<UnixFileName>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
    if (!to_unix)
        return {};
    char* name = to_unix(path.wstring().c_str());
    if (!name)
        return {};
    std::string result(name);
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

void run_linux_program(const char* program, std::initializer_list<std::string> arguments) {
    std::string command = program;
    for (const std::string& argument : arguments)
        command += " \"" + argument + "\"";
    std::wstring wide(command.begin(), command.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

SymbolicLink::SymbolicLink(const std::filesystem::path& link, const std::string& target)
    : link_(link) {
    run_linux_program("/usr/bin/ln", {"-s", target, unix_path(link)});
}

// Wine's DeleteFileW would remove the file the link points at, and leave the link.
SymbolicLink::~SymbolicLink() {
    run_linux_program("/usr/bin/rm", {"-f", unix_path(link_)});
}

} // namespace pipetto::tests
