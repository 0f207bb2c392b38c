#include "framework/core/file_system.h"

#include "framework/core/errors.h"
#include "framework/core/file_handle.h"

#include <system_error>
#include <windows.h>

namespace pipetto {

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
    return io_code_from_error_code(
        std::error_code(static_cast<int>(GetLastError()), std::system_category()));
}

void remove_file(const FilePath& path) noexcept {
    DeleteFileW(path.c_str());
}

} // namespace pipetto
