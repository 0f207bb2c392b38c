// Where pipetto.exe's start-up goes, in one cold start: the same steps as wWinMain, timed
// with the performance counter. The runtime start is the time from the process's creation
// (as the system records it) to the first line of wmain; it includes loading the DLLs the
// exe imports, comctl32 among them, and the manifest's activation context.
// Run it several times (each run is one cold start) and take the medians.
//
//   startup_breakdown_bench.exe

#include <windows.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/main_form.h"
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

class Marks {
  public:
    Marks() : last_(now_milliseconds()) {}
    void mark(const char* step) {
        const double now = now_milliseconds();
        std::printf("%-34s %7.1f ms\n", step, now - last_);
        last_ = now;
    }

  private:
    double last_;
};

} // namespace

int wmain() {
    const double runtime_start = milliseconds_since_process_creation();
    std::printf("%-34s %7.1f ms\n", "runtime start (creation to wmain)", runtime_start);
    const auto folder = std::filesystem::temp_directory_path() /
                        ("pipetto-breakdown-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);

    Marks marks;
    pipetto::win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    marks.mark("common controls, owner window");
    {
        pipetto::TMainform main_form(folder);
        application.set_main_window(main_form.hwnd());
        marks.mark("main window: build and Load");
        main_form.Load();
        marks.mark("Load again (no files)");
        pipetto::TLoupeForm loupe_form(main_form.CursorCheckBox);
        main_form.LoupeForm = &loupe_form;
        pipetto::TImExportForm im_export_form(main_form);
        marks.mark("loupe and dialog (windows later)");
        application.show_taskbar_button();
        main_form.show();
        marks.mark("show");
        // The paint the message loop would do next, of the window and all its controls.
        RedrawWindow(main_form.hwnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        marks.mark("first paint");
        std::printf("%-34s %7.1f ms\n", "total to painted window",
                    milliseconds_since_process_creation());
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
