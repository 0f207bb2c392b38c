// A full repaint of the Grab page: the sheet, its labels and images, the group box and
// panels, the five colour fields and the six buttons, each painted whole and at once.
// Prints the median time of one repaint over rounds of repaints.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "app/main_form.h"
#include "framework/win/application.h"

using namespace pipetto;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int repaints_per_round = 50;
constexpr int rounds = 15;

void dispatch_waiting_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    const auto folder = std::filesystem::temp_directory_path() /
                        ("pipetto-repaint-" + std::to_string(GetCurrentProcessId()));
    std::filesystem::create_directories(folder);
    {
        TMainform form(folder, false);
        form.ColorPicker.SetEnabled(false);
        form.set_position(100, 100);
        form.show();
        for (int i = 0; i < 20; ++i) {
            dispatch_waiting_messages();
            Sleep(10);
        }
        const HWND page = form.GrabSheet.hwnd();
        std::vector<double> times;
        for (int round = 0; round < rounds; ++round) {
            const auto start = Clock::now();
            for (int i = 0; i < repaints_per_round; ++i)
                RedrawWindow(page, nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW |
                                 RDW_FRAME);
            GdiFlush();
            const std::chrono::duration<double, std::milli> spent = Clock::now() - start;
            times.push_back(spent.count() / repaints_per_round);
            dispatch_waiting_messages();
        }
        std::sort(times.begin(), times.end());
        std::printf("full repaint of the Grab page: %.3f ms (median of %d rounds of %d)\n",
                    times[times.size() / 2], rounds, repaints_per_round);
    }
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    return 0;
}
