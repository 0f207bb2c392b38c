#include "history/history_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/file_system.h"
#include "framework/core/safe_file.h"

namespace pipetto {

HistoryLoadResult HistoryFile::load(HistoryTable& table) {
    // Cleared first: any way out of here but the end leaves the file protected.
    may_overwrite_ = false;
    HistoryLoadResult result;

    FileHandle file;
    try {
        file = FileHandle::open(path_, FileMode::read);
    } catch (const EInOutError& error) {
        if (error.code() != io_code::file_not_found)
            throw;
        may_overwrite_ = true;
        return result;
    }

    const std::optional<FileFacts> facts = file_facts(path_);
    if (!facts)
        throw EInOutError(io_code::file_not_found);
    result.records_in_file = facts->size / sizeof(THistoryEntry);

    THistoryEntry record;
    for (std::uintmax_t i = 0; i < result.records_in_file && !table.full(); ++i) {
        file.read_exact(&record, sizeof record);
        table.append(record);
        ++result.records_loaded;
    }
    file.close();

    result.complete = result.records_left_out() == 0;
    may_overwrite_ = result.complete;
    return result;
}

bool HistoryFile::save(const HistoryTable& table) const {
    if (!may_overwrite_)
        return false;
    replace_file(path_, [&table](FileHandle& file) {
        file.write(table.live_slots(),
                   sizeof(THistoryEntry) * static_cast<std::size_t>(table.count()));
    });
    return true;
}

} // namespace pipetto
