// The import/export dialog's work once the file is chosen: exporting 5000 entries,
// importing a file of 5000 lines (into an empty history, and against 5000 listed colours,
// where every line meets the duplicate test), and importing a large file without one "$"
// line, whose peak working set must not grow with the file. Each large import runs in a
// fresh process of its own, so that its peak is its own.

#include <windows.h>

#include <psapi.h>

#include <cwchar>
#include <fstream>

#include "app/main_form.h"
#include "history/im_export_form.h"
#include "history_bench_support.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

double peak_working_set_mb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.PeakWorkingSetSize) / (1024.0 * 1024.0);
}

template <typename Work> double median_ms(int runs, Work work) {
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        work();
        times.push_back(milliseconds_since(start));
    }
    return median(times);
}

void write_hex_lines(const std::filesystem::path& path, int lines) {
    std::ofstream file(path, std::ios::binary);
    for (int i = 0; i < lines; ++i)
        file << "imported " << i << '=' << hex_form(bench_colour(i)).view() << "\r\n";
}

// Lines of a text file that hold no Hex value: names with Html values and prose; or one
// line of that size, without a line break.
void write_lines_without_hex(const std::filesystem::path& path, std::uintmax_t megabytes,
                             bool one_line) {
    std::ofstream file(path, std::ios::binary);
    if (one_line) {
        const std::string block(1024 * 1024, 'x');
        for (std::uintmax_t i = 0; i < megabytes; ++i)
            file.write(block.data(), static_cast<std::streamsize>(block.size()));
        return;
    }
    const std::string lines = "a colour from the style sheet=#1E90FF\r\n"
                              "body { background: rgb(30,144,255); }\r\n"
                              "16748574\r\n";
    std::string block;
    while (block.size() < 1024 * 1024 - lines.size())
        block += lines;
    block.resize(1024 * 1024, '\n');
    for (std::uintmax_t i = 0; i < megabytes; ++i)
        file.write(block.data(), static_cast<std::streamsize>(block.size()));
}

int small_files() {
    BenchFolder folder("im-export", HistoryTable::capacity);
    TMainform main(folder.path(), false);
    main.ColorPicker.SetEnabled(false);
    TImExportForm dialog(main);

    const double export_ms = median_ms(9, [&] { dialog.ExportTo(folder.path() / "export.txt"); });
    std::printf("export of %d entries (Hex with names):           %8.2f ms, %ju bytes\n",
                main.HistoryTable.count(), export_ms,
                std::filesystem::file_size(folder.path() / "export.txt"));

    write_hex_lines(folder.path() / "lines.txt", HistoryTable::capacity);
    const double duplicates_ms =
        median_ms(9, [&] { dialog.ImportFrom(folder.path() / "lines.txt"); });
    std::printf("import of %d lines, all listed among %d rows:  %8.2f ms\n", HistoryTable::capacity,
                main.HistoryTable.count(), duplicates_ms);

    std::vector<double> times;
    for (int run = 0; run < 9; ++run) {
        main.Alleentfernen1Click();
        const auto start = std::chrono::steady_clock::now();
        dialog.ImportFrom(folder.path() / "export.txt");
        times.push_back(milliseconds_since(start));
    }
    std::printf("import of %d lines into an empty history:        %8.2f ms, %d rows\n",
                HistoryTable::capacity, median(times), main.HistoryList.row_count());
    return 0;
}

int large_file(std::uintmax_t megabytes, bool one_line) {
    BenchFolder folder("im-export-large", 0);
    TMainform main(folder.path(), false);
    main.ColorPicker.SetEnabled(false);
    TImExportForm dialog(main);
    const std::filesystem::path file = folder.path() / "large.txt";
    write_lines_without_hex(file, megabytes, one_line);
    const double before_mb = peak_working_set_mb();
    const auto start = std::chrono::steady_clock::now();
    dialog.ImportFrom(file);
    const double import_ms = milliseconds_since(start);
    std::printf("import of %4ju MB, %-14s %8.0f ms (%6.1f MB/s), peak working set "
                "%6.1f MB (%6.1f MB before), %d rows\n",
                megabytes, one_line ? "one line:" : "no \"$\" line:", import_ms,
                static_cast<double>(megabytes) * 1000.0 / import_ms, peak_working_set_mb(),
                before_mb, main.HistoryList.row_count());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    if (argc > 1)
        return large_file(std::wcstoull(argv[1], nullptr, 10), argc > 2);
    small_files();
    std::fflush(stdout);
    run_child(L"10");
    run_child(L"100");
    run_child(L"100 one-line");
    return 0;
}
