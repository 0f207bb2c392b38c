// Start-up with a full history (5000 entries) against start-up with none: constructing the
// main window reads history.dat and fills the list with redrawing off.

#include "app/main_form.h"
#include "history_bench_support.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

double start_up_ms(const BenchFolder& folder) {
    const auto start = std::chrono::steady_clock::now();
    TMainform form(folder.path(), false);
    const double elapsed = milliseconds_since(start);
    if (form.HistoryList.row_count() != form.HistoryTable.count())
        std::printf("rows and slots differ!\n");
    return elapsed;
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    BenchFolder empty("empty", 0);
    BenchFolder full("full", HistoryTable::capacity);

    constexpr int rounds = 15;
    start_up_ms(empty); // the first window pays for loading fonts and classes
    std::vector<double> empty_ms, full_ms;
    for (int round = 0; round < rounds; ++round) {
        empty_ms.push_back(start_up_ms(empty));
        full_ms.push_back(start_up_ms(full));
    }
    const double without = median(empty_ms);
    const double with = median(full_ms);
    std::printf("start-up, empty history:        %8.2f ms (median of %d)\n", without, rounds);
    std::printf("start-up, 5000-entry history:   %8.2f ms (median of %d)\n", with, rounds);
    std::printf("ratio full/empty:               %8.2f (target <= 1.5)\n", with / without);

    // Where the time of the full start-up goes.
    std::vector<double> read_ms, fill_ms;
    for (int round = 0; round < rounds; ++round) {
        auto start = std::chrono::steady_clock::now();
        HistoryTable table;
        HistoryFile(full.path() / "history.dat").load(table);
        read_ms.push_back(milliseconds_since(start));

        TMainform form(empty.path(), false);
        start = std::chrono::steady_clock::now();
        form.HistoryList.begin_update();
        for (int slot = 1; slot <= table.count(); ++slot)
            form.HistoryList.add_row(table.slot(slot).Name.view(), table.slot(slot).Hex.view());
        form.HistoryList.end_update();
        fill_ms.push_back(milliseconds_since(start));
    }
    std::printf("  reading history.dat:          %8.2f ms\n", median(read_ms));
    std::printf("  filling the list:             %8.2f ms\n", median(fill_ms));
    return 0;
}
