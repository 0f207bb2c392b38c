#include "framework/core/file_system.h"

#include "framework/core/file_handle.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
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
    facts.kept_on_replace = static_cast<std::uint32_t>(info.st_mode & 07777);
    return facts;
}

FilePath final_path(const FilePath& path) {
    char* resolved = realpath(path.c_str(), nullptr);
    if (resolved == nullptr)
        return path;
    FilePath final(resolved);
    std::free(resolved);
    return final;
}

int replace_with(const FilePath& replacement, const FilePath& target,
                 const std::optional<FileFacts>& target_facts) noexcept {
    if (target_facts) {
        if (!target_facts->is_regular_file)
            return io_code_from_errno(EISDIR);
        // The replacement takes the target's permissions, as the user set them.
        chmod(replacement.c_str(), static_cast<mode_t>(target_facts->kept_on_replace));
    }
    return std::rename(replacement.c_str(), target.c_str()) == 0 ? 0 : io_code_from_errno(errno);
}

void remove_file(const FilePath& path) noexcept {
    std::remove(path.c_str());
}

std::vector<FilePath::string_type> file_names_like(const FilePath& folder,
                                                   FilePath::string_view_type prefix,
                                                   FilePath::string_view_type suffix) {
    std::vector<FilePath::string_type> names;
    DIR* listing = opendir(folder.empty() ? "." : folder.c_str());
    if (listing == nullptr)
        return names;
    while (const dirent* entry = readdir(listing)) {
        const std::string_view name = entry->d_name;
        if (!name.starts_with(prefix) || !name.ends_with(suffix) ||
            name.size() < prefix.size() + suffix.size())
            continue;
        const std::optional<FileFacts> facts = file_facts(folder / name);
        if (facts && facts->is_regular_file)
            names.emplace_back(name);
    }
    closedir(listing);
    return names;
}

} // namespace pipetto
