#include "history/history_file.h"

#include "framework/core/errors.h"
#include "framework/core/file_handle.h"
#include "framework/core/file_system.h"
#include "framework/core/safe_file.h"

namespace pipetto {

HistoryLoadResult HistoryFile::load(HistoryTable& table) {
    // Cleared first: any way out of here but the end leaves the file protected.
    may_overwrite_ = false;
    kept_aside_.clear();
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
    result.read_only = facts->read_only;

    THistoryEntry record;
    for (std::uintmax_t i = 0; i < result.records_in_file && !table.full(); ++i) {
        file.read_exact(&record, sizeof record);
        table.append(record);
        ++result.records_loaded;
    }
    std::string rest(result.records_left_out() * sizeof(THistoryEntry), '\0');
    file.read_exact(rest.data(), rest.size());
    file.close();

    kept_aside_ = std::move(rest);
    result.complete = result.records_left_out() == 0;
    may_overwrite_ = !result.read_only;
    return result;
}

bool HistoryFile::save(const HistoryTable& table) const {
    if (!may_overwrite_)
        return false;
    replace_file(path_, [this, &table](FileHandle& file) {
        file.write(table.live_slots(),
                   sizeof(THistoryEntry) * static_cast<std::size_t>(table.count()));
        file.write(kept_aside_.data(), kept_aside_.size());
    });
    return true;
}

} // namespace pipetto
