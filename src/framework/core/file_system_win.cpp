#include "framework/core/file_system.h"

#include "framework/core/errors.h"

#include <windows.h>

namespace pipetto {

namespace {

// Windows' own error codes are the codes the messages are numbered by already; only the two
// "disk full" codes have a text of their own under 101.
int io_code_from_system_error(DWORD error) noexcept {
    if (error == ERROR_HANDLE_DISK_FULL || error == ERROR_DISK_FULL)
        return io_code::disk_full;
    return static_cast<int>(error);
}

} // namespace

std::optional<FileFacts> file_facts(const FilePath& path) noexcept {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data))
        return std::nullopt;
    FileFacts facts;
    facts.is_regular_file = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    facts.read_only = (data.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
    facts.size = (static_cast<std::uintmax_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return facts;
}

int rename_replacing(const FilePath& from, const FilePath& to) noexcept {
    if (MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING))
        return 0;
    return io_code_from_system_error(GetLastError());
}

void remove_file(const FilePath& path) noexcept {
    DeleteFileW(path.c_str());
}

} // namespace pipetto
