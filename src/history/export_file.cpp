#include "history/export_file.h"

#include <string_view>

#include "framework/core/safe_file.h"

namespace pipetto {
namespace {

std::string_view exported_value(const THistoryEntry& entry, ExportedValue value) {
    switch (value) {
    case ExportedValue::html:
        return entry.Html.view();
    case ExportedValue::long_value:
        return entry.Long.view();
    case ExportedValue::hex:
        break;
    }
    return entry.Hex.view();
}

} // namespace

std::string export_text(const HistoryTable& table, ExportChoice choice) {
    std::string text;
    // Six texts of at most 30 characters: a line never needs more than 63 bytes.
    text.reserve(static_cast<std::size_t>(table.count()) * 64);
    for (int slot = 1; slot <= table.count(); ++slot) {
        const THistoryEntry& entry = table.slot(slot);
        if (choice.with_name)
            text.append(entry.Name.view()).push_back('=');
        text.append(exported_value(entry, choice.value)).append("\r\n");
    }
    return text;
}

void export_history(const HistoryTable& table, ExportChoice choice, const FilePath& target) {
    replace_file(target, export_text(table, choice));
}

} // namespace pipetto
