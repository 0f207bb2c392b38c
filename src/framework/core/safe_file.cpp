#include "framework/core/safe_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_system.h"

namespace pipetto {

namespace {

// The user (or another program) marked the file read-only; replacing it by a rename
// would quietly override that, so it fails as opening it for writing would.
void refuse_read_only_target(const FilePath& target) {
    const std::optional<FileFacts> facts = file_facts(target);
    if (facts && facts->read_only)
        throw EInOutError(io_code::access_denied);
}

} // namespace

FilePath temporary_path_for(const FilePath& target) {
    // Spelt in the path's own characters, so no conversion is needed.
    static constexpr FilePath::value_type suffix[] = {'.', 't', 'm', 'p', '\0'};
    return FilePath(target.native() + suffix);
}

void replace_file(const FilePath& target, const std::function<void(FileHandle&)>& write_content) {
    refuse_read_only_target(target);
    const FilePath temp = temporary_path_for(target);
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

void replace_file(const FilePath& target, std::string_view content) {
    replace_file(target,
                 [content](FileHandle& file) { file.write(content.data(), content.size()); });
}

} // namespace pipetto
