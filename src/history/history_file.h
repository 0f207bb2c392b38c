#pragma once
// history.dat: the live slots of the history table as a plain sequence of 186-byte
// records, no header. Read once at start-up, replaced whole after each change and at close.
//
// The file object remembers whether the history was loaded whole. If it wasn't (never
// loaded, or a read failed part way), saving would replace the file with only part of the
// user's colours, so save() refuses; so it does for a file the user made read-only.
// Records beyond the table's capacity are kept as they were read, and written back after
// the live slots at every save, so the run's changes reach the file and none is lost.

#include "framework/core/file_path.h"
#include "history/history_table.h"

#include <cstdint>
#include <string>
#include <utility>

namespace pipetto {

struct HistoryLoadResult {
    int records_loaded = 0;             // appended to the table, in file order
    std::uintmax_t records_in_file = 0; // whole records the file holds
    bool complete = true;               // every record of the file is in the table
    bool read_only = false;             // the user made the file read-only: never written

    std::uintmax_t records_left_out() const noexcept { return records_in_file - records_loaded; }
};

class HistoryFile {
  public:
    explicit HistoryFile(FilePath path) : path_(std::move(path)) {}

    const FilePath& path() const noexcept { return path_; }

    // Appends the file's records to the table's live slots (at start-up the table is
    // empty, so record k lands in slot k). The file is opened for reading only, so a
    // read-only history.dat loads (and is never written). A trailing piece shorter than a
    // record is ignored; records beyond the table's capacity are kept aside and reported in
    // the result. A missing file loads nothing and is no error. A failing open or read
    // raises EInOutError; the records read before it stay in the table (table.count() tells
    // how many), and the file is no longer overwritten by save().
    HistoryLoadResult load(HistoryTable& table);

    // Replaces the file with the table's live slots 1..n and then the records kept aside;
    // a failure raises EInOutError and leaves the old file as it was. Returns false,
    // writing nothing, unless a load read the file whole (or found none) before, and the
    // file was not read-only.
    bool save(const HistoryTable& table) const;

    bool may_overwrite() const noexcept { return may_overwrite_; }
    // From now on save() writes nothing (the folder takes no new files, say).
    void never_write() noexcept { may_overwrite_ = false; }

    // The records after the table's capacity, as they were read.
    const std::string& records_kept_aside() const noexcept { return kept_aside_; }

  private:
    FilePath path_;
    bool may_overwrite_ = false;
    std::string kept_aside_;
};

} // namespace pipetto
