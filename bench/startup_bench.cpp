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
#include <string_view>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

struct Run {
    double milliseconds;
    SIZE_T peak_working_set;
    // From the visible window to the first text in its first edit (the first sampled
    // colour), negative when none came within a second.
    double first_text_milliseconds;
};

// The first edit of the window: the Html field of the Grab page.
HWND first_edit_of(HWND window) {
    HWND found = nullptr;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM result) -> BOOL {
            wchar_t name[8];
            if (GetClassNameW(child, name, 8) && std::wstring_view(name) == L"Edit") {
                *reinterpret_cast<HWND*>(result) = child;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

bool has_text(HWND edit) {
    DWORD_PTR length = 0;
    return SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 100, &length) &&
           length > 0;
}

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
    const auto visible = Clock::now();
    const double elapsed = std::chrono::duration<double, std::milli>(visible - start).count();
    double first_text = -1;
    if (const HWND edit = first_edit_of(window)) {
        while (!has_text(edit) && Clock::now() - visible < std::chrono::seconds(1))
            Sleep(1);
        if (has_text(edit))
            first_text = std::chrono::duration<double, std::milli>(Clock::now() - visible).count();
    }
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
    return {elapsed, memory.PeakWorkingSetSize, first_text};
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

    struct Program {
        const std::filesystem::path* exe;
        const wchar_t* class_name;
        std::vector<double> times;
        SIZE_T peak = 0;
        std::vector<double> first_texts;
    };
    std::vector<Program> programs{{&pipetto, L"TMainform", {}, 0, {}},
                                  {&minimal, L"MinimalWindow", {}, 0, {}}};
    if (!styled.empty())
        programs.push_back({&styled, L"MinimalWindow", {}, 0, {}});
    if (!floor.empty())
        programs.push_back({&floor, L"TMainform", {}, 0, {}});
    // A start just after another program ended shares the machine with that one's ending
    // (its windows, its taskbar button): the rounds take the programs in orders in which
    // each follows each other one equally often (a balanced Latin square: 0, 1, n-1, 2,
    // n-2, ... shifted by the round).
    const size_t count = programs.size();
    std::vector<size_t> order{0};
    for (size_t k = 1; order.size() < count; ++k) {
        order.push_back(k);
        if (order.size() < count)
            order.push_back(count - k);
    }
    for (int i = 1; i <= runs; ++i)
        for (size_t k = 0; k < count; ++k) {
            Program& program = programs[(order[k] + static_cast<size_t>(i)) % count];
            const Run run = start_once(*program.exe, program.class_name, i);
            program.times.push_back(run.milliseconds);
            program.peak = std::max(program.peak, run.peak_working_set);
            program.first_texts.push_back(run.first_text_milliseconds);
        }
    const std::vector<double>& pipetto_times = programs[0].times;
    const std::vector<double>& minimal_times = programs[1].times;
    const SIZE_T peak = programs[0].peak;
    const SIZE_T minimal_peak = programs[1].peak;
    const std::vector<double> no_times;
    const std::vector<double>& styled_times = styled.empty() ? no_times : programs[2].times;
    const std::vector<double>& floor_times = floor.empty() ? no_times : programs.back().times;
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
        std::printf("start-up ratio, floor:       %.2f (target <= 1.05)\n", ours / design);
    }
    // The text is read with a message, which the program answers at its loop's first turn,
    // where it also paints for the first time: the figure is when the first paint can come,
    // with the colour in it. The floor's edits hold their texts from the start, so its
    // figure is the same moment for a program that does nothing else.
    std::vector<double> first_colours = programs[0].first_texts;
    std::sort(first_colours.begin(), first_colours.end());
    std::printf("first colour after visible:  %.1f ms, at most %.1f ms (a negative time: none "
                "within 1 s)\n",
                median(first_colours), first_colours.back());
    if (!floor.empty()) {
        std::vector<double> floor_answers = programs.back().first_texts;
        std::sort(floor_answers.begin(), floor_answers.end());
        std::printf("floor's first answer:        %.1f ms, at most %.1f ms after visible\n",
                    median(floor_answers), floor_answers.back());
    }
    std::printf("peak working set of pipetto: %.1f MiB\n",
                static_cast<double>(peak) / (1024 * 1024));
    std::printf("peak working set of minimal: %.1f MiB\n",
                static_cast<double>(minimal_peak) / (1024 * 1024));
    return 0;
}
