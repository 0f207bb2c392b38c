// history.dat from any bytes: the whole records are loaded as they lie in the file, every
// text stays within its field, and writing the history back and reading it again gives
// the same records, with those beyond the table's capacity kept behind them.

#include "history/history_file.h"
#include "history/history_table.h"

#include "fuzz_check.h"
#include "fuzz_files.h"

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <unistd.h>

using namespace pipetto;
using namespace pipetto::fuzz;
namespace fs = std::filesystem;

namespace {

template <std::size_t N> void check_field(const ShortString<N>& field) {
    const std::string_view text = field.view();
    FUZZ_CHECK(text.size() == std::min<std::size_t>(field.length, N));
    FUZZ_CHECK(text.data() == field.chars);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const unsigned char* data, std::size_t size) {
    // The table is 5000 slots, reserved once, as the program reserves it once per run.
    static HistoryTable table;
    static HistoryTable again;
    table.clear();
    again.clear();

    const fs::path stored = scratch_folder() / "history.dat";
    put_file(stored, data, size);
    HistoryFile file(stored);
    const HistoryLoadResult result = file.load(table);

    const std::size_t records = size / sizeof(THistoryEntry);
    FUZZ_CHECK(result.records_in_file == records);
    FUZZ_CHECK(result.records_loaded == std::min<int>(records, HistoryTable::capacity));
    FUZZ_CHECK(table.count() == result.records_loaded);
    FUZZ_CHECK(result.complete == (records <= HistoryTable::capacity));
    for (int i = 1; i <= table.count(); ++i) {
        const THistoryEntry& entry = table.slot(i);
        FUZZ_CHECK(std::memcmp(&entry, data + (i - 1) * sizeof entry, sizeof entry) == 0);
        check_field(entry.Name);
        check_field(entry.Hex);
        check_field(entry.Html);
        check_field(entry.Long);
        check_field(entry.RGB);
        check_field(entry.Ident);
    }

    // Written back: exactly the whole records, those beyond the table's capacity behind the
    // loaded ones, as they were read.
    FUZZ_CHECK(file.save(table));
    const std::string written = file_bytes(stored);
    FUZZ_CHECK(written.size() == records * sizeof(THistoryEntry));
    FUZZ_CHECK(std::memcmp(written.data(), data, written.size()) == 0);

    HistoryFile reread(stored);
    const HistoryLoadResult second = reread.load(again);
    FUZZ_CHECK(second.complete == result.complete &&
               second.records_loaded == result.records_loaded);
    for (int i = 1; i <= again.count(); ++i) {
        for (auto [a, b] : {std::pair{&table.slot(i).Name, &again.slot(i).Name},
                            std::pair{&table.slot(i).Hex, &again.slot(i).Hex},
                            std::pair{&table.slot(i).Html, &again.slot(i).Html},
                            std::pair{&table.slot(i).Long, &again.slot(i).Long},
                            std::pair{&table.slot(i).RGB, &again.slot(i).RGB},
                            std::pair{&table.slot(i).Ident, &again.slot(i).Ident}})
            FUZZ_CHECK(a->view() == b->view());
    }
    return 0;
}
