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

namespace {

void start_command(const std::string& command) {
    std::wstring wide(command.begin(), command.end());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, wide.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

std::string with_arguments(std::string command, std::initializer_list<std::string> arguments) {
    for (const std::string& argument : arguments)
        command += " \"" + argument + "\"";
    return command;
}

} // namespace

void start_linux_program(const char* program, std::initializer_list<std::string> arguments) {
    start_command(with_arguments(program, arguments));
}

// Wine gives no handle to wait on for a Linux program (the wait fails at once), so a shell
// runs the program and then makes a file of its own, which is waited for.
void run_linux_program(const char* program, std::initializer_list<std::string> arguments) {
    static int counter = 0;
    const std::filesystem::path done =
        std::filesystem::temp_directory_path() /
        ("linux-program-" + std::to_string(GetCurrentProcessId()) + "-" +
         std::to_string(++counter) + ".done");
    const std::string shell =
        "/bin/sh -c \"\\\"$0\\\" \\\"$@\\\"; : >'" + unix_path(done) + "'\" " + program;
    start_command(with_arguments(shell, arguments));
    for (int waited = 0; waited < 1000 && GetFileAttributesW(done.wstring().c_str()) ==
                                              INVALID_FILE_ATTRIBUTES;
         ++waited)
        Sleep(10);
    DeleteFileW(done.wstring().c_str());
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
