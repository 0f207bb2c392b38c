#pragma once
// Import by the chosen file's format, and what the user is told when it ends.

#include <string>
#include <string_view>

#include "history/import_file.h"
#include "palettes/palette_format.h"

namespace pipetto {

// A GIMP palette or an ASE file by the import rules of every file (import_collector.h);
// every other format is read as a text file.
ImportBatch read_palette_file(PaletteFormat format, const FilePath& source,
                              const HistoryTable& table, const DateTimeName& date_time_name);

// The closing message of an import, empty when there is nothing to say. A text file
// gets today's messages exactly; a palette says why nothing was taken, or what was
// skipped or left out.
std::string import_closing_message(const ImportBatch& batch, PaletteFormat format,
                                   std::string_view file_name);

} // namespace pipetto
