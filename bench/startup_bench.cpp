// Start-up of pipetto.exe against its baselines, in the same Wine session, launched in turn
// round after round: the time from CreateProcess until the main window is visible, the
// ratios of the medians, the exe's size and its peak working set. The baselines: the
// minimal window program; the same with pipetto.exe's manifest and common controls (what
// the platform alone costs); and the floor program, which builds the main window's visible
// tree with plain Win32 calls (what the window's design costs).
//
//   startup_bench.exe <pipetto.exe> <minimal_window.exe> [minimal_styled_window.exe
//                     [floor_window.exe]] [runs]

#include <windows.h>

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double milliseconds;
    SIZE_T peak_working_set;
};

HWND visible_window_of(DWORD process_id, const wchar_t* class_name) {
    for (HWND window = FindWindowExW(nullptr, nullptr, class_name, nullptr); window;
         window = FindWindowExW(nullptr, window, class_name, nullptr)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process_id && IsWindowVisible(window))
            return window;
    }
    return nullptr;
}

// Starts the program in an empty folder of its own, so pipetto.exe starts without
// config.ini and history.dat.
Run start_once(const std::filesystem::path& exe, const wchar_t* class_name, int index) {
    const auto folder =
        std::filesystem::temp_directory_path() /
        ("pipetto-startup-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(index));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    const auto copy = folder / exe.filename();
    std::filesystem::copy_file(exe, copy);
    std::wstring command = L"\"" + copy.wstring() + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const auto start = Clock::now();
    if (!CreateProcessW(copy.wstring().c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        folder.wstring().c_str(), &startup, &process)) {
        std::fprintf(stderr, "cannot start %ls\n", copy.c_str());
        std::exit(1);
    }
    HWND window = nullptr;
    while (!(window = visible_window_of(process.dwProcessId, class_name)))
        Sleep(1);
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    Sleep(300); // let it settle: the first grab ticks belong to the working set too
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof memory;
    GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
    PostMessageW(window, WM_CLOSE, 0, 0);
    WaitForSingleObject(process.hProcess, 10000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return {elapsed, memory.PeakWorkingSetSize};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup_bench <pipetto.exe> <minimal_window.exe> "
                             "[minimal_styled_window.exe [floor_window.exe]] [runs]\n");
        return 2;
    }
    const std::filesystem::path pipetto = argv[1];
    const std::filesystem::path minimal = argv[2];
    int next = 3;
    std::filesystem::path styled, floor;
    if (argc > next && _wtoi(argv[next]) == 0)
        styled = argv[next++];
    if (argc > next && _wtoi(argv[next]) == 0)
        floor = argv[next++];
    const int runs = argc > next ? _wtoi(argv[next]) : 15;

    // One start of each first, so that neither pays for Wine's first start alone.
    start_once(pipetto, L"TMainform", 0);
    start_once(minimal, L"MinimalWindow", 0);
    if (!styled.empty())
        start_once(styled, L"MinimalWindow", 0);
    if (!floor.empty())
        start_once(floor, L"TMainform", 0);

    std::vector<double> pipetto_times, minimal_times, styled_times, floor_times;
    SIZE_T peak = 0;
    SIZE_T minimal_peak = 0;
    for (int i = 1; i <= runs; ++i) {
        const Run ours = start_once(pipetto, L"TMainform", i);
        pipetto_times.push_back(ours.milliseconds);
        peak = std::max(peak, ours.peak_working_set);
        const Run theirs = start_once(minimal, L"MinimalWindow", i);
        minimal_times.push_back(theirs.milliseconds);
        minimal_peak = std::max(minimal_peak, theirs.peak_working_set);
        if (!styled.empty())
            styled_times.push_back(start_once(styled, L"MinimalWindow", i).milliseconds);
        if (!floor.empty())
            floor_times.push_back(start_once(floor, L"TMainform", i).milliseconds);
    }
    const double ours = median(pipetto_times);
    const double theirs = median(minimal_times);
    std::printf("pipetto.exe size:            %llu bytes\n",
                static_cast<unsigned long long>(std::filesystem::file_size(pipetto)));
    std::printf("start to visible window:     pipetto %.1f ms, minimal %.1f ms (medians of %d)\n",
                ours, theirs, runs);
    std::printf("start-up ratio:              %.2f (target <= 1.2)\n", ours / theirs);
    if (!styled.empty()) {
        const double platform = median(styled_times);
        std::printf("styled minimal window:       %.1f ms (manifest and common controls)\n",
                    platform);
        std::printf("start-up ratio, styled:      %.2f\n", ours / platform);
    }
    if (!floor.empty()) {
        const double design = median(floor_times);
        std::printf("floor program:               %.1f ms (the main window's visible tree)\n",
                    design);
        std::printf("start-up ratio, floor:       %.2f (target <= 1.1)\n", ours / design);
    }
    std::printf("peak working set of pipetto: %.1f MiB\n",
                static_cast<double>(peak) / (1024 * 1024));
    std::printf("peak working set of minimal: %.1f MiB\n",
                static_cast<double>(minimal_peak) / (1024 * 1024));
    return 0;
}
