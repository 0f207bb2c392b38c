#pragma once
// What the history benchmarks share: a folder with a history.dat of n distinct colours,
// the application object the windows need, and a clock.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cwchar>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "call_timing.h"
#include "colour/colour_value.h"
#include "colour/named_colours.h"
#include "framework/win/application.h"
#include "history/history_entry.h"

namespace pipetto::bench {

// Colour i of the benchmark history: all different, so no duplicate test stops early.
inline TColor bench_colour(int i) {
    return static_cast<TColor>(i * 997) & 0x00FFFFFF;
}

inline THistoryEntry bench_entry(int i) {
    const TColor colour = bench_colour(i);
    THistoryEntry entry{};
    entry.Name.assign("12/08/2026 5:42:22 PM #" + std::to_string(i));
    entry.Hex.assign(hex_form(colour));
    entry.Html.assign(html_form(colour));
    entry.Long.assign(long_form(colour));
    entry.RGB.assign(rgb_form(colour));
    entry.Ident.assign(name_form(html_form(colour)));
    return entry;
}

// A fresh folder holding history.dat with `entries` records (none: no file at all).
class BenchFolder {
  public:
    BenchFolder(const std::string& name, int entries)
        : path_(std::filesystem::temp_directory_path() /
                ("pipetto-bench-" + name + "-" + std::to_string(GetCurrentProcessId()))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
        if (entries == 0)
            return;
        std::ofstream file(path_ / "history.dat", std::ios::binary);
        for (int i = 0; i < entries; ++i) {
            const THistoryEntry entry = bench_entry(i);
            file.write(reinterpret_cast<const char*>(&entry), sizeof entry);
        }
    }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;
    ~BenchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::filesystem::path& path() const { return path_; }

  private:
    std::filesystem::path path_;
};

inline double milliseconds_since(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

// Runs this benchmark again as a process of its own with `argument`, and waits for it: a
// fresh process measures memory without what earlier runs left behind.
inline void run_child(const wchar_t* argument) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    wchar_t command[2 * MAX_PATH];
    std::swprintf(command, 2 * MAX_PATH, L"\"%ls\" %ls", self, argument);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, command, nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process))
        return;
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

} // namespace pipetto::bench
