// What one loupe tick costs against the bare work it can't do without: the cursor position
// and the 30 x 30 -> 130 x 130 stretching copy from the screen onto the loupe window. Both
// run in the same process, in alternating rounds, over a still and a moving cursor. Also
// shown: what asking for the screen's edges costs under Wine (the tick keeps them), and the
// back buffer's copy onto the window.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/main_form.h"
#include "call_timing.h"
#include "framework/win/application.h"
#include "framework/win/handles.h"
#include "loupe/loupe_form.h"
#include "solid_window.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

void measure(TLoupeForm& loupe, bool moving) {
    auto place_cursor = [moving](int i) {
        if (moving)
            SetCursorPos(i % 2 ? 530 : 630, 430);
    };
    SetCursorPos(530, 430);
    std::vector<double> tick, bare, metrics, blit;
    win::WindowDC window(loupe.hwnd());
    win::MemoryDC memory(CreateCompatibleDC(window.get()));
    win::Bitmap bitmap(CreateCompatibleBitmap(window.get(), 130, 130));
    win::SelectedObject selected(memory.get(), bitmap.get());
    volatile int sink = 0;
    for (int round = 0; round < rounds; ++round) {
        tick.push_back(time_round([&](int i) {
            place_cursor(i);
            loupe.TimerTimer();
        }));
        dispatch_waiting_messages();
        bare.push_back(time_round([&](int i) {
            place_cursor(i);
            POINT cursor;
            GetCursorPos(&cursor);
            const HDC screen = GetDC(nullptr);
            const HDC target = GetDC(loupe.hwnd());
            StretchBlt(target, 0, 0, 130, 130, screen, cursor.x - 15, cursor.y - 15, 30, 30,
                       SRCCOPY);
            ReleaseDC(loupe.hwnd(), target);
            ReleaseDC(nullptr, screen);
        }));
        dispatch_waiting_messages();
        metrics.push_back(time_round([&](int) {
            sink = GetSystemMetrics(SM_XVIRTUALSCREEN) + GetSystemMetrics(SM_YVIRTUALSCREEN) +
                   GetSystemMetrics(SM_CXVIRTUALSCREEN) + GetSystemMetrics(SM_CYVIRTUALSCREEN);
        }));
        blit.push_back(time_round(
            [&](int) { BitBlt(window.get(), 0, 0, 130, 130, memory.get(), 0, 0, SRCCOPY); }));
    }
    std::printf("  parts: 4 GetSystemMetrics %.1f us, BitBlt 130x130 to window %.1f us\n",
                median(metrics), median(blit));
    (void)sink;
    std::printf("%s\n",
                moving ? "cursor moving between two colours on every call" : "still cursor");
    std::printf("  loupe tick (TimerTimer)            %8.1f us\n", median(tick));
    std::printf("  GetCursorPos+GetDC+StretchBlt      %8.1f us\n", median(bare));
    std::printf("  ratio tick / bare copy                 %5.2f\n", median(tick) / median(bare));
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    const auto folder = std::filesystem::temp_directory_path() / "pipetto-loupe-tick-bench";
    std::filesystem::create_directories(folder);
    {
        TMainform form(folder, false);
        form.ColorPicker.SetEnabled(false);
        TLoupeForm loupe(form.CursorCheckBox);
        form.LoupeForm = &loupe;
        loupe.Timer.SetEnabled(false); // the benchmark calls the tick itself
        form.set_position(100, 100);
        form.show();
        form.LoupeBtnClick();
        tests::SolidWindow blue(RGB(30, 144, 255), 500, 400);
        tests::SolidWindow grey(RGB(128, 128, 128), 600, 400);
        dispatch_messages_for(std::chrono::milliseconds(300));
        for (int i = 0; i < 50; ++i)
            loupe.TimerTimer();
        measure(loupe, false);
        measure(loupe, true);
    }
    std::filesystem::remove_all(folder);
    return 0;
}
