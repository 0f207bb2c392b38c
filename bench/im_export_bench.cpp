// The import/export dialog's work once the file is chosen: exporting 5000 entries to text
// and to each palette type, importing a file of 5000 lines (into an empty history, and
// against 5000 listed colours, where every line meets the duplicate test) and a GIMP and
// an ASE palette of 5000 colours, and importing large files (text without one "$" line,
// palettes of millions of colours), whose peak working set must not grow with the file.
// Each large import runs in a fresh process of its own, so that its peak is its own.

#include <windows.h>

#include <psapi.h>

#include <bit>
#include <cwchar>
#include <fstream>
#include <string_view>
#include <tuple>

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

// A GIMP palette or an ASE file of about `megabytes`, its 5000 colours over and over: the
// history fills with the first 5000, every later one is a duplicate (a colour left out
// would stop the run with its message).
void write_palette(const std::filesystem::path& path, std::uintmax_t megabytes, bool ase) {
    std::ofstream file(path, std::ios::binary);
    std::string block;
    const auto put_u16 = [&block](unsigned value) {
        block += static_cast<char>(value >> 8);
        block += static_cast<char>(value & 0xFF);
    };
    const auto put_u32 = [&](std::uint32_t value) {
        put_u16(value >> 16);
        put_u16(value & 0xFFFF);
    };
    const auto flush = [&](std::size_t at_least) {
        if (block.size() < at_least)
            return;
        file.write(block.data(), static_cast<std::streamsize>(block.size()));
        block.clear();
    };
    const std::uintmax_t size = megabytes * 1024 * 1024;
    if (ase) {
        // Each entry is 36 bytes: its block header, a name of 4 characters, the model, the
        // three values and the colour type.
        const std::uintmax_t entries = size / 36;
        block = "ASEF";
        put_u16(1), put_u16(0), put_u32(static_cast<std::uint32_t>(entries));
        for (std::uintmax_t i = 0; i < entries; ++i) {
            const TColor colour = bench_colour(static_cast<int>(i % HistoryTable::capacity));
            put_u16(1), put_u32(30), put_u16(5);
            for (const char c : std::string_view("name\0", 5))
                put_u16(static_cast<unsigned char>(c));
            block += "RGB ";
            for (const std::uint8_t value : {red_of(colour), green_of(colour), blue_of(colour)})
                put_u32(std::bit_cast<std::uint32_t>(static_cast<float>(value) / 255.0f));
            put_u16(2);
            flush(1024 * 1024);
        }
    } else {
        block = "GIMP Palette\nName: large\nColumns: 0\n#\n";
        for (std::uintmax_t written = 0, i = 0; written < size; ++i) {
            const TColor colour = bench_colour(static_cast<int>(i % HistoryTable::capacity));
            block += std::to_string(red_of(colour)) + ' ' + std::to_string(green_of(colour)) + ' ' +
                     std::to_string(blue_of(colour)) + "\tcolour from a large palette\n";
            if (block.size() >= 1024 * 1024) {
                written += block.size();
                flush(0);
            }
        }
    }
    flush(0);
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
    for (const auto& [format, file, label] :
         {std::tuple{PaletteFormat::gpl, "export.gpl", "GIMP palette"},
          std::tuple{PaletteFormat::css, "export.css", "CSS"},
          std::tuple{PaletteFormat::ase, "export.ase", "ASE"}}) {
        const double ms = median_ms(9, [&] { dialog.ExportTo(folder.path() / file, format); });
        std::printf("export of %d entries to %-13s              %8.2f ms, %ju bytes\n",
                    main.HistoryTable.count(), label, ms,
                    std::filesystem::file_size(folder.path() / file));
    }

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

    for (const auto& [file, label] :
         {std::pair{"export.gpl", "GIMP palette"}, std::pair{"export.ase", "ASE"}}) {
        times.clear();
        for (int run = 0; run < 9; ++run) {
            main.Alleentfernen1Click();
            const auto start = std::chrono::steady_clock::now();
            dialog.ImportFrom(folder.path() / file);
            times.push_back(milliseconds_since(start));
        }
        std::printf("import of a %d-colour %-12s into an empty history: %8.2f ms, %d rows\n",
                    HistoryTable::capacity, label, median(times), main.HistoryList.row_count());
    }
    return 0;
}

// `kind`: "no-hex" or "one-line" text, "gpl" or "ase".
int large_file(std::uintmax_t megabytes, std::wstring_view kind) {
    BenchFolder folder("im-export-large", 0);
    TMainform main(folder.path(), false);
    main.ColorPicker.SetEnabled(false);
    TImExportForm dialog(main);
    const bool palette = kind == L"gpl" || kind == L"ase";
    const bool one_line = kind == L"one-line";
    const std::filesystem::path file = folder.path() / (kind == L"gpl"   ? "large.gpl"
                                                        : kind == L"ase" ? "large.ase"
                                                                         : "large.txt");
    if (palette)
        write_palette(file, megabytes, kind == L"ase");
    else
        write_lines_without_hex(file, megabytes, one_line);
    const double before_mb = peak_working_set_mb();
    const auto start = std::chrono::steady_clock::now();
    dialog.ImportFrom(file);
    const double import_ms = milliseconds_since(start);
    std::printf("import of %4ju MB, %-14s %8.0f ms (%6.1f MB/s), peak working set "
                "%6.1f MB (%6.1f MB before), %d rows\n",
                megabytes,
                kind == L"gpl"   ? "GIMP palette:"
                : kind == L"ase" ? "ASE:"
                : one_line       ? "one line:"
                                 : "no \"$\" line:",
                import_ms, static_cast<double>(megabytes) * 1000.0 / import_ms,
                peak_working_set_mb(), before_mb, main.HistoryList.row_count());
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    if (argc > 1)
        return large_file(std::wcstoull(argv[1], nullptr, 10), argc > 2 ? argv[2] : L"no-hex");
    small_files();
    std::fflush(stdout);
    run_child(L"10");
    run_child(L"100");
    run_child(L"100 one-line");
    for (const wchar_t* palette : {L"10 gpl", L"100 gpl", L"10 ase", L"100 ase"})
        run_child(palette);
    return 0;
}
