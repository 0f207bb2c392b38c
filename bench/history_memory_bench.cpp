// The working set of the program with an empty history and with 5000 entries, each measured
// in a fresh process of its own so that neither inherits the other's pages.

#include <windows.h>

#include <psapi.h>

#include <cwchar>

#include "app/main_form.h"
#include "history_bench_support.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

double working_set_kb() {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
    return static_cast<double>(counters.WorkingSetSize) / 1024.0;
}

int measure(int entries) {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    BenchFolder folder("memory", entries);
    const double before = working_set_kb();
    TMainform form(folder.path(), false);
    form.show();
    application.process_messages();
    const double with_window = working_set_kb();
    std::printf("%4d entries: working set %8.0f KB (%6.0f KB before the main window)\n",
                form.HistoryTable.count(), with_window, before);
    std::fflush(stdout);
    return 0;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc > 1)
        return measure(std::wcscmp(argv[1], L"full") == 0 ? HistoryTable::capacity : 0);
    std::printf("history table: %zu KB reserved as one block\n",
                sizeof(THistoryEntry) * HistoryTable::capacity / 1024);
    std::fflush(stdout);
    run_child(L"empty");
    run_child(L"full");
    return 0;
}
