#pragma once
// The file types the import/export dialog writes and reads, and which one a chosen file
// is. Text, the program's own "name=$00BBGGRR" lines, stays the default.

#include <cstddef>
#include <optional>

#include "framework/core/file_path.h"

namespace pipetto {

// In the order the Export dialog lists them.
enum class PaletteFormat { text, gpl, css, ase };

// The format a file's extension names (case ignored), if any.
std::optional<PaletteFormat> format_of_extension(const FilePath& file);

// Export: the extension typed decides; a name with no known extension is written in
// the type chosen in the dialog (`filter_index` counts from 0 in the order above).
PaletteFormat export_format(const FilePath& target, std::size_t filter_index);

// Import: ".gpl" and ".ase" have readers of their own; every other file is read by
// today's text rules, as it always was.
PaletteFormat import_format(const FilePath& source);

} // namespace pipetto
