#pragma once
// Reading an export file back. A line ends at LF or CR LF and is split at its first "=":
// the name before it, the value after it; a line without "=" is all value and is named
// with the date and time. Only a value that begins with "$" is taken, as its first 9
// characters, and only if no listed colour (nor one taken earlier from the same file)
// has that colour text.
//
// The file is read as a stream in pieces of fixed size, and of each line only what the
// rules can use is kept, so a file of any size, or a line of any length, takes the same
// bounded memory.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "framework/core/errors.h"
#include "framework/core/file_path.h"
#include "history/history_table.h"

namespace pipetto {

// A row's caption may be longer than its slot's Name; it is kept to this many bytes.
inline constexpr std::size_t imported_caption_capacity = 255;

struct ImportedEntry {
    std::string caption; // the line's name, whole up to the bound; file bytes
    THistoryEntry entry; // Name cut to 30, Hex, and the forms derived from a valid Hex
};

struct ImportBatch {
    // The entries to append, in file order; never more than the table has free slots.
    std::vector<ImportedEntry> entries;
    // Lines of a text file, or colours of a palette, that would have been taken, but the
    // table was full.
    std::uintmax_t lines_left_out = 0;
    // The file holds a NUL byte, which no text file in a single-byte code page does:
    // it is no export file, and nothing of it is taken.
    bool not_text = false;
    // A palette file whose content is not what its extension says (a ".gpl" without the
    // palette's first line or with a NUL byte, an ".ase" without its signature): nothing
    // of it is taken.
    bool wrong_content = false;
    // A palette file damaged part way (an ASE block that doesn't fit, or ends early): the
    // colours before the damage are taken.
    bool damaged = false;
    // ASE colours in CMYK or LAB, which have no one RGB value of their own; skipped.
    std::uintmax_t colours_in_other_models = 0;
    // GPL names that were no UTF-8; their faulty bytes became "?".
    std::uintmax_t names_not_utf8 = 0;
    // A read that failed part way; the entries before it are still to be appended.
    std::optional<EInOutError> failure;
};

// The name of a line without "=": the current date and time, asked anew for each line.
using DateTimeName = std::function<std::string()>;

// Reads `source` against the live slots of `table`, which it leaves unchanged.
// A file that can't be opened raises EInOutError ("Datei nicht gefunden" when missing).
ImportBatch read_import_file(const FilePath& source, const HistoryTable& table,
                             const DateTimeName& date_time_name);

// The Html, Long, RGB and name texts of an entry whose Hex text is a colour as grabbing
// makes it, "$00BBGGRR"; any other Hex text leaves them empty.
void derive_colour_forms(THistoryEntry& entry);

// What the user is told when the table filled up during an import.
std::string history_full_import_message(std::uintmax_t lines_left_out);
// What the user is told when the chosen file is no text file.
std::string not_a_text_file_message(std::string_view file_name);

} // namespace pipetto
