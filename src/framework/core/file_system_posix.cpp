#include "framework/core/file_system.h"

#include "framework/core/file_handle.h"

#include <cerrno>
#include <cstdio>
#include <sys/stat.h>
#include <unistd.h>

namespace pipetto {

std::optional<FileFacts> file_facts(const FilePath& path) noexcept {
    struct stat info;
    if (stat(path.c_str(), &info) != 0)
        return std::nullopt;
    FileFacts facts;
    facts.is_regular_file = S_ISREG(info.st_mode);
    facts.read_only = (info.st_mode & S_IWUSR) == 0;
    facts.size = static_cast<std::uintmax_t>(info.st_size);
    return facts;
}

int rename_replacing(const FilePath& from, const FilePath& to) noexcept {
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : io_code_from_errno(errno);
}

void remove_file(const FilePath& path) noexcept {
    std::remove(path.c_str());
}

} // namespace pipetto
