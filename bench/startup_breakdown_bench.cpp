// Where start-up goes, step by step: Pipetto's steps as wWinMain takes them, and the floor
// program's (floor_tree.cpp), each timed with the performance counter in a cold start of a
// process of its own. The runtime start is the time from the process's creation (as the
// system records it) to the first line of wmain: loading the DLLs the exe imports, comctl32
// among them, and the manifest's activation context. The two kinds of start take turns,
// in pairs, and the table shows the median of every step.
//
//   startup_breakdown_bench.exe [rounds, 15 by default]

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "app/main_form.h"
#include "app/single_instance.h"
#include "contrast/contrast_form.h"
#include "floor_tree.h"
#include "framework/win/application.h"
#include "history/im_export_form.h"
#include "loupe/loupe_form.h"

namespace {

double now_milliseconds() {
    static const double ticks_per_millisecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1000;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / ticks_per_millisecond;
}

double milliseconds_since_process_creation() {
    FILETIME created, exited, kernel, user, now;
    GetSystemTimePreciseAsFileTime(&now);
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    const auto value = [](FILETIME time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(value(now) - value(created)) / 10000;
}

// One line per step on stdout, "step|milliseconds", for the parent to read.
double last_mark = 0;
void mark(const char* step) {
    const double now = now_milliseconds();
    std::printf("%s|%.3f\n", step, now - last_mark);
    last_mark = now;
}
void start_marks() {
    std::printf("runtime start (creation to wmain)|%.3f\n", milliseconds_since_process_creation());
    last_mark = now_milliseconds();
}
void mark_total(const char* step) {
    std::printf("%s|%.3f\n", step, milliseconds_since_process_creation());
}

// The paint the message loop does next, of the window and all its controls.
void paint_now(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

// Whatever the first messages of the loop do: the first paint, and what waits for it.
void run_waiting_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int start_pipetto() {
    start_marks();
    const auto folder = std::filesystem::temp_directory_path() /
                        ("pipetto-breakdown-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    {
        const std::optional<pipetto::FolderClaim> claim =
            pipetto::FolderClaim::take_or_hand_over(pipetto::FilePath(folder.wstring() + L"\\"));
        mark("folder claim");
        pipetto::win::Application application(GetModuleHandleW(nullptr));
        application.set_title("Pipetto 2.0");
        mark("common controls, owner window");
        pipetto::TMainform main_form(folder);
        application.set_main_window(main_form.hwnd());
        mark("main window: build and Load");
        pipetto::TLoupeForm loupe_form(main_form.CursorCheckBox);
        main_form.LoupeForm = &loupe_form;
        pipetto::TImExportForm im_export_form(main_form);
        mark("loupe and dialog (windows later)");
        pipetto::TContrastForm contrast_form(main_form);
        mark("contrast window (window later)");
        application.show_taskbar_button();
        main_form.show();
        mark("show");
        mark_total("total to visible window");
        paint_now(main_form.hwnd());
        mark("first paint");
        run_waiting_messages();
        mark("first messages of the loop");
        main_form.Load();
        mark("Load again (no files)");
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}

int start_floor() {
    start_marks();
    const HWND window = floor_tree::build_and_show(GetModuleHandleW(nullptr), mark);
    mark_total("total to visible window");
    paint_now(window);
    mark("first paint");
    run_waiting_messages();
    mark("first messages of the loop");
    DestroyWindow(window);
    return 0;
}

// Runs this exe again with `kind` and reads its steps.
std::vector<std::pair<std::string, double>> cold_start(const wchar_t* kind) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read_end = nullptr, write_end = nullptr;
    CreatePipe(&read_end, &write_end, &inherit, 0);
    SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::wstring command = L"\"" + std::wstring(exe) + L"\" " + kind;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write_end;
    startup.hStdError = write_end;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    PROCESS_INFORMATION process{};
    std::string output;
    if (CreateProcessW(exe, command.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                       &process)) {
        CloseHandle(write_end);
        char buffer[4096];
        DWORD got = 0;
        while (ReadFile(read_end, buffer, sizeof buffer, &got, nullptr) && got > 0)
            output.append(buffer, got);
        WaitForSingleObject(process.hProcess, 10000);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    } else {
        CloseHandle(write_end);
    }
    CloseHandle(read_end);
    std::vector<std::pair<std::string, double>> steps;
    size_t at = 0;
    while (at < output.size()) {
        const size_t end = output.find('\n', at);
        const std::string line =
            output.substr(at, end == std::string::npos ? std::string::npos : end - at);
        at = end == std::string::npos ? output.size() : end + 1;
        const size_t bar = line.rfind('|');
        if (bar != std::string::npos)
            steps.emplace_back(line.substr(0, bar), std::atof(line.c_str() + bar + 1));
    }
    return steps;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

struct Steps {
    std::vector<std::string> order;
    std::map<std::string, std::vector<double>> times;
    void add(const std::vector<std::pair<std::string, double>>& run) {
        for (const auto& [step, ms] : run) {
            if (!times.count(step))
                order.push_back(step);
            times[step].push_back(ms);
        }
    }
    // The median of every step, and the quartiles beside it: on a shared machine a step's
    // times spread widely.
    void print(const char* title) const {
        std::printf("%s%*s median   quartiles\n", title, static_cast<int>(38 - std::strlen(title)),
                    "");
        for (const std::string& step : order) {
            std::vector<double> values = times.at(step);
            std::sort(values.begin(), values.end());
            std::printf("  %-36s %7.1f ms  %6.1f-%.1f\n", step.c_str(), median(values),
                        values[values.size() / 4], values[values.size() * 3 / 4]);
        }
    }
};

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1 && std::wstring(argv[1]) == L"pipetto")
        return start_pipetto();
    if (argc > 1 && std::wstring(argv[1]) == L"floor")
        return start_floor();
    const int rounds = argc > 1 ? std::max(1, _wtoi(argv[1])) : 15;
    // One of each first, so that neither pays for Wine's first start alone.
    cold_start(L"pipetto");
    cold_start(L"floor");
    Steps pipetto, floor;
    // A start just after another process ended shares the machine with that one's ending:
    // in the order pipetto, pipetto, floor, floor, ... each kind follows each equally often.
    for (int i = 0; i < 2 * rounds; ++i) {
        if (i / 2 % 2 == 0)
            pipetto.add(cold_start(L"pipetto"));
        else
            floor.add(cold_start(L"floor"));
    }
    std::printf("Where start-up goes (medians of %d cold starts each, taken in turn):\n", rounds);
    pipetto.print("pipetto.exe's steps");
    floor.print("the floor program's steps");
    return 0;
}
