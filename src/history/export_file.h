#pragma once
// The export text file: one line per live history entry, in list order, each ended by
// CR LF, in the bytes the table holds (the system's single-byte code page). A line is
// the entry's name, "=" and its value, or the value alone; the value is its Hex, Html
// or Long text.

#include <string>

#include "framework/core/file_path.h"
#include "history/history_table.h"

namespace pipetto {

enum class ExportedValue { hex, html, long_value };

struct ExportChoice {
    ExportedValue value = ExportedValue::hex;
    bool with_name = true;
};

// The whole file's content; an empty history gives an empty text.
std::string export_text(const HistoryTable& table, ExportChoice choice);

// Writes the file through a temporary file beside `target`, which takes the target's
// place only once it is complete: a failing export raises EInOutError and leaves the
// old file whole.
void export_history(const HistoryTable& table, ExportChoice choice, const FilePath& target);

} // namespace pipetto
