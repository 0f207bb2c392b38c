#include "history/palette_import.h"

#include "history/import_collector.h"
#include "palettes/ase_file.h"
#include "palettes/gpl_file.h"

namespace pipetto {
namespace {

std::string counted(std::uintmax_t count, std::string_view one, std::string_view many) {
    return std::to_string(count) + ' ' + std::string(count == 1 ? one : many);
}

} // namespace

ImportBatch read_palette_file(PaletteFormat format, const FilePath& source,
                              const HistoryTable& table, const DateTimeName& date_time_name) {
    if (format != PaletteFormat::gpl && format != PaletteFormat::ase)
        return read_import_file(source, table, date_time_name);
    ImportBatch batch;
    ImportCollector collector(table, date_time_name, batch);
    // The reader keeps only the colours the history takes, so a file of any size is
    // read in the memory of 5000 entries.
    const PaletteFilter admitted = [&collector](PaletteColour colour) {
        return collector.admits(colour);
    };
    PaletteReading reading = format == PaletteFormat::gpl ? read_gpl_file(source, admitted)
                                                          : read_ase_file(source, admitted);
    if (reading.wrong_content) {
        ImportBatch refused;
        refused.wrong_content = true;
        return refused;
    }
    batch.entries.reserve(reading.palette.entries.size());
    for (const PaletteEntry& entry : reading.palette.entries)
        collector.take(entry);
    batch.damaged = reading.damaged;
    batch.colours_in_other_models = reading.colours_in_other_models;
    batch.names_not_utf8 = reading.names_not_utf8;
    batch.failure = std::move(reading.failure);
    return batch;
}

std::string import_closing_message(const ImportBatch& batch, PaletteFormat format,
                                   std::string_view file_name) {
    if (format != PaletteFormat::gpl && format != PaletteFormat::ase) {
        if (batch.not_text)
            return not_a_text_file_message(file_name);
        return batch.lines_left_out > 0 ? history_full_import_message(batch.lines_left_out) : "";
    }
    const std::string_view kind =
        format == PaletteFormat::gpl ? "a GIMP palette" : "an Adobe Swatch Exchange file";
    if (batch.wrong_content)
        return std::string(file_name) + " is not " + std::string(kind) + ". Nothing was imported.";

    std::string message;
    const auto add = [&message](const std::string& sentence) {
        message.append(message.empty() ? "" : " ").append(sentence);
    };
    if (batch.damaged)
        add(std::string(file_name) + " is damaged or cut short: only the colours before the "
                                     "damage were imported.");
    if (batch.colours_in_other_models > 0)
        add(counted(batch.colours_in_other_models, "colour", "colours") + " in CMYK or LAB " +
            (batch.colours_in_other_models == 1 ? "was" : "were") +
            " skipped: Pipetto keeps RGB colours only.");
    if (batch.names_not_utf8 > 0)
        add(counted(batch.names_not_utf8, "name was", "names were") +
            " not UTF-8 text: the characters that could not be read show as \"?\".");
    if (batch.lines_left_out > 0)
        add("The history is full: Pipetto keeps at most " + std::to_string(HistoryTable::capacity) +
            " colours. " + counted(batch.lines_left_out, "new colour", "new colours") +
            " of the file " + (batch.lines_left_out == 1 ? "was" : "were") + " left out.");
    return message;
}

} // namespace pipetto
