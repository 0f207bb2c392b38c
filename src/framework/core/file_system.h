#pragma once
// The few questions the program asks about files, and its operations on them, put to the
// system directly. (std::filesystem's operations would bring the C++ streams and every
// locale facet into the exe along with them.)

#include <cstdint>
#include <optional>
#include <vector>

#include "framework/core/file_path.h"

namespace pipetto {

struct FileFacts {
    bool is_regular_file = false; // not a folder
    bool read_only = false;
    std::uintmax_t size = 0;
    // What a replacement hands on: Windows' attribute bits, or the POSIX permission bits.
    std::uint32_t kept_on_replace = 0;
};

// Nothing when no file or folder of that name can be seen.
std::optional<FileFacts> file_facts(const FilePath& path) noexcept;

// The file the path leads to, symbolic links followed, so that a write through a link
// replaces the file it points at and the link stays a link. The path itself when it leads
// to no file.
FilePath final_path(const FilePath& path);

// Puts the new file `replacement` in the place of `target`, in one step: at no instant is
// the target's name without a whole file. An existing target (`target_facts`, as read just
// before; nothing for a new one) hands on what the user set on it: its attributes and its
// permissions (see FileHandle::create_replacement for how the replacement was made). A
// folder is never replaced. 0, or the error code for the user's message.
int replace_with(const FilePath& replacement, const FilePath& target,
                 const std::optional<FileFacts>& target_facts) noexcept;

void remove_file(const FilePath& path) noexcept;

// The files (not folders) in `folder` whose names begin with `prefix` and end with
// `suffix`; their names only.
std::vector<FilePath::string_type> file_names_like(const FilePath& folder,
                                                   FilePath::string_view_type prefix,
                                                   FilePath::string_view_type suffix);

} // namespace pipetto
