#include "sealed_folder.h"

#include "linux_program.h"

#include <windows.h>

namespace pipetto::tests {
namespace {

void run_chattr(const char* flag, const std::filesystem::path& folder) {
    run_linux_program("/usr/bin/chattr", {flag, unix_path(folder)});
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
