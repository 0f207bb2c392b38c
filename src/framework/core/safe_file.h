#pragma once
// Replacing a whole file so that it is never left half written: the new content goes
// to a temporary file beside the target, and only a complete, flushed file takes the
// target's place. A failure at any step leaves the old file as it was.

#include "framework/core/file_handle.h"
#include "framework/core/file_path.h"

#include <functional>
#include <string_view>

namespace pipetto {

// Where the new content is written before it replaces the target: the target's name
// with ".tmp" added, in the same folder, so that the final step is a rename within
// one volume.
FilePath temporary_path_for(const FilePath& target);

// Writes the target through write_content, which receives the open temporary file.
// Throws EInOutError (or whatever write_content throws) and then leaves the target
// untouched and no temporary file behind. A target without write permission is
// refused with "Dateizugriff verweigert", as writing it in place would be.
void replace_file(const FilePath& target, const std::function<void(FileHandle&)>& write_content);

void replace_file(const FilePath& target, std::string_view content);

} // namespace pipetto
