#pragma once
// Replacing a whole file so that it is never left half written, nor missing: the new
// content goes to a temporary file beside the target, and only a complete, flushed file
// takes the target's place, in one rename. At every instant the target's name holds the
// old file or the new one. A failure at any step leaves the old file as it was and
// nothing else behind.
//
// The temporary file is always a new one, created exclusively under a name of Pipetto's
// own ("~pipetto-" and eight hexadecimal digits, ".tmp"), so that no file of the user's is
// ever opened, emptied or moved in its stead. A leftover of that pattern (a write cut short
// by a power cut) is removed at the next write into its folder.

#include <functional>
#include <string_view>

#include "framework/core/file_handle.h"
#include "framework/core/file_path.h"

namespace pipetto {

// Whether a file name is one of the temporary names replace_file uses.
bool is_temporary_file_name(FilePath::string_view_type name);

// Writes the target through write_content, which receives the open temporary file.
// Throws EInOutError (or whatever write_content throws) and then leaves the target
// untouched and no temporary file behind. A target without write permission is refused
// with "Dateizugriff verweigert", as writing it in place would be: read-only is the
// user's word. So is a folder of the target's name, which is left as it is. A symbolic
// link stays a link; the file it points at gets the content.
void replace_file(const FilePath& target, const std::function<void(FileHandle&)>& write_content);

void replace_file(const FilePath& target, std::string_view content);

// 0 when a new file may be created in the folder (one is created and removed again to
// find out), or the error code of the refusal.
int new_file_refusal(const FilePath& folder);

} // namespace pipetto
