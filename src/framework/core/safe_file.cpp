#include "framework/core/safe_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_system.h"

namespace pipetto {

namespace {

namespace fs = std::filesystem;

// The user (or another program) marked the file read-only; replacing it by a rename
// would quietly override that, so it fails as opening it for writing would.
void refuse_read_only_target(const fs::path& target) {
    const std::optional<FileFacts> facts = file_facts(target);
    if (facts && facts->read_only)
        throw EInOutError(io_code::access_denied);
}

} // namespace

fs::path temporary_path_for(const fs::path& target) {
    // Spelt in the path's own characters, so no conversion (and no locale) is needed.
    static constexpr fs::path::value_type suffix[] = {'.', 't', 'm', 'p', '\0'};
    fs::path temp = target;
    temp += suffix;
    return temp;
}

void replace_file(const fs::path& target, const std::function<void(FileHandle&)>& write_content) {
    refuse_read_only_target(target);
    const fs::path temp = temporary_path_for(target);
    // A failing open creates nothing, so there is nothing to clean up yet.
    FileHandle file = FileHandle::open(temp, FileMode::create);
    try {
        write_content(file);
        file.flush_to_disk();
        file.close();
        // Replaces an existing target in one step, on Windows too (MoveFileExW with
        // MOVEFILE_REPLACE_EXISTING underneath).
        if (const int code = rename_replacing(temp, target))
            throw EInOutError(code);
    } catch (...) {
        // Closed first: Windows can't delete a file that is still open.
        file = FileHandle();
        remove_file(temp);
        throw;
    }
}

void replace_file(const fs::path& target, std::string_view content) {
    replace_file(target,
                 [content](FileHandle& file) { file.write(content.data(), content.size()); });
}

} // namespace pipetto
