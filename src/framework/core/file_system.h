#pragma once
// The few questions the program asks about files, and its two operations on them, put to
// the system directly. (std::filesystem's operations would bring the C++ streams and every
// locale facet into the exe along with them.)

#include <cstdint>
#include <optional>

#include "framework/core/file_path.h"

namespace pipetto {

struct FileFacts {
    bool is_regular_file = false; // not a folder
    bool read_only = false;
    std::uintmax_t size = 0;
};

// Nothing when no file or folder of that name can be seen.
std::optional<FileFacts> file_facts(const FilePath& path) noexcept;

// Moves from onto to, replacing an existing to in one step; 0, or the error code for the
// user's message (as io_code_from_errno gives it).
int rename_replacing(const FilePath& from, const FilePath& to) noexcept;

void remove_file(const FilePath& path) noexcept;

} // namespace pipetto
