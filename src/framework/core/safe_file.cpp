#include "framework/core/safe_file.h"

#include "framework/core/errors.h"

#include <system_error>

namespace pipetto {

namespace {

namespace fs = std::filesystem;

// The user (or another program) marked the file read-only; replacing it by a rename
// would quietly override that, so it fails as opening it for writing would.
void refuse_read_only_target(const fs::path& target) {
    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (ec || !fs::exists(status))
        return;
    if ((status.permissions() & fs::perms::owner_write) == fs::perms::none)
        throw EInOutError(io_code::access_denied);
}

} // namespace

fs::path temporary_path_for(const fs::path& target) {
    fs::path temp = target;
    temp += ".tmp";
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
        std::error_code ec;
        fs::rename(temp, target, ec);
        if (ec)
            throw EInOutError(io_code_from_error_code(ec));
    } catch (...) {
        // Closed first: Windows can't delete a file that is still open.
        file = FileHandle();
        std::error_code ignored;
        fs::remove(temp, ignored);
        throw;
    }
}

void replace_file(const fs::path& target, std::string_view content) {
    replace_file(target,
                 [content](FileHandle& file) { file.write(content.data(), content.size()); });
}

} // namespace pipetto
