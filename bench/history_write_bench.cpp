// Writing history.dat after a change, with all 5000 slots live, against the close's write of
// config.ini and history.dat that it repeats; the write of a file that holds 1000 records
// more than the table, kept behind the listed ones; and what a session of ten stops writes.

#include "app/main_form.h"
#include "history/history_file.h"
#include "history_bench_support.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

constexpr int writes_per_round = 10;

// Milliseconds per call of `work`, the median of the rounds.
double median_ms(const std::function<void()>& work) {
    std::vector<double> per_round;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < writes_per_round; ++i)
            work();
        per_round.push_back(milliseconds_since(start) / writes_per_round);
    }
    return median(per_round);
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    BenchFolder folder("write", HistoryTable::capacity);
    TMainform form(folder.path(), false);
    form.ColorPicker.SetEnabled(false);

    // A rename of the first entry is the change each write takes along.
    int change = 0;
    const double change_write_ms = median_ms([&] {
        form.HistoryTable.slot(1).Name.assign("renamed " + std::to_string(++change));
        form.HistoryChanged();
        form.WritePendingHistory();
    });
    const double close_write_ms = median_ms([&] { form.Save(); });
    std::printf("write of history.dat after a change, 5000 entries: %8.2f ms\n", change_write_ms);
    std::printf("close's write of config.ini and history.dat, 5000 entries: %8.2f ms\n",
                close_write_ms);

    // The file alone, without the window (whose start would tell of the records beyond the
    // table in a message box): 5000 entries, and 5000 with 1000 more behind them.
    for (const int records : {HistoryTable::capacity, HistoryTable::capacity + 1000}) {
        BenchFolder file_folder("write-file", records);
        HistoryTable table;
        HistoryFile file(file_folder.path() / "history.dat");
        file.load(table);
        const double file_write_ms = median_ms([&] {
            table.slot(1).Name.assign("renamed " + std::to_string(++change));
            file.save(table);
        });
        std::printf("write of history.dat alone, 5000 entries and %d more behind them: %8.2f ms\n",
                    records - HistoryTable::capacity, file_write_ms);
    }

    // Ten stops in ten minutes, one a minute, starting from an empty history: each stop's
    // write is the whole file of the colours kept so far.
    std::uintmax_t bytes = 0;
    for (int stop = 1; stop <= 10; ++stop)
        bytes += static_cast<std::uintmax_t>(stop) * sizeof(THistoryEntry);
    std::printf("a 10-minute session with one stop a minute: 10 extra writes, %ju bytes in all\n",
                bytes);
    return 0;
}
