#include "sealed_folder.h"

#include <windows.h>

#include <cstring>
#include <string>

namespace pipetto::tests {
namespace {

// The Linux path of a Windows path, as Wine's kernel32 gives it.
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

// Wine starts the Linux program but can't tell its exit code, so the flag's effect is
// what is waited for.
void run_chattr(const char* flag, const std::filesystem::path& folder) {
    const std::string path = unix_path(folder);
    if (path.empty())
        return;
    std::wstring command = L"/usr/bin/chattr ";
    command += std::wstring(flag, flag + std::strlen(flag));
    command += L" \"" + std::wstring(path.begin(), path.end()) + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process))
        return;
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

// Whether a new file can be made in the folder now (it is removed again).
bool takes_new_files(const std::filesystem::path& folder) {
    const std::wstring probe = (folder / "sealed-probe").wstring();
    const HANDLE file = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    DeleteFileW(probe.c_str());
    return true;
}

bool wait_for(bool taking_new_files, const std::filesystem::path& folder) {
    for (int i = 0; i < 100; ++i) {
        if (takes_new_files(folder) == taking_new_files)
            return true;
        Sleep(50);
    }
    return false;
}

} // namespace

SealedFolder::SealedFolder(const std::filesystem::path& folder) : folder_(folder) {
    run_chattr("+i", folder);
    sealed_ = wait_for(false, folder);
}

SealedFolder::~SealedFolder() {
    run_chattr("-i", folder_);
    wait_for(true, folder_);
}

} // namespace pipetto::tests
