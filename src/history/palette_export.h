#pragma once
// Export in the format chosen: today's text, or one of the palettes. Every format goes
// through the same safe replacement: a failing export raises EInOutError and leaves
// the old file whole.

#include "framework/core/file_path.h"
#include "history/export_file.h"
#include "palettes/palette_format.h"

namespace pipetto {

// The Hex/Html/Long choice applies to text only; `with_name` off names a palette's
// colours by their Html text. Returns how many entries a palette left out (their value
// is no colour); text leaves none out.
int export_palette(const HistoryTable& table, ExportChoice choice, PaletteFormat format,
                   const FilePath& target);

} // namespace pipetto
