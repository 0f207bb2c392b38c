#pragma once
// GIMP palettes (".gpl"), which GIMP, Inkscape, Krita, Aseprite and Scribus read: the
// line "GIMP Palette", then "Name:", "Columns:" and "#" lines, then one line per colour,
// "%3d %3d %3d", a tab and the colour's name in UTF-8. Lines end with LF, as the
// format's own programs write them.

#include <string>
#include <string_view>

#include "framework/core/file_path.h"
#include "palettes/palette.h"

namespace pipetto {

// The whole file; `palette_name` (UTF-8) goes into the "Name:" line. A control character
// in a name, which would break its line, becomes a blank.
std::string gpl_text(const Palette& palette, std::string_view palette_name);

// Reads a colour line as R, G and B, each 0 to 255, and the rest of the line as the name
// (after the one tab that the format's programs write, or else after the blanks), so
// names with blanks are kept. The "Name:" and "Columns:" lines, comments, blank lines and
// lines with a value outside 0 to 255 are skipped. A file whose first line isn't "GIMP
// Palette", or that holds a NUL byte, is no palette: nothing of it is kept
// (`wrong_content`). The file is read as a stream; of each line only its first
// `gpl_line_head` bytes are looked at, and a name cut there loses the piece of a
// character at its end. A file that can't be opened raises EInOutError.
PaletteReading read_gpl_file(const FilePath& source, const PaletteFilter& keep = {});

inline constexpr std::size_t gpl_line_head = palette_name_head;

} // namespace pipetto
