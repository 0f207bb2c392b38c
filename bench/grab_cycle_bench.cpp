// What one grab cycle costs against the bare reads it can't do without: the cursor position
// and one pixel of the screen's device context. Both run in the same process, in alternating
// rounds, so that a busy moment of the machine weighs on both alike.
//
// Prints the median time per call of each, and the ratios:
//   cycle / bare reads (the screen DC taken and released per read, as the sampler does)
//   cycle / bare reads on one DC held throughout
//   cycle with the repaints it causes / bare reads
// once with a still cursor (the texts don't change) and once with the cursor moving
// between two colours on every call (every text and the swatch change); and then the
// cycle with its repaints while the contrast window is open against closed; the cycle with
// its repaints at the loupe's largest sample size against the one pixel.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <vector>

#include "app/main_form.h"
#include "call_timing.h"
#include "colour/area_colour.h"
#include "contrast/contrast_form.h"
#include "framework/win/application.h"
#include "framework/win/dib_format.h"
#include "framework/win/handles.h"
#include "solid_window.h"

using namespace pipetto;
using namespace pipetto::bench;

namespace {

struct Figures {
    double cycle, cycle_and_paint, bare, bare_held_dc;
};

// With `moving`, the cursor goes to the other patch before every call (in both the cycle and
// the bare reads, so the move costs both alike); otherwise it rests on the first patch.
Figures measure(TMainform& form, bool moving) {
    auto place_cursor = [moving](int i) {
        if (moving)
            SetCursorPos(i % 2 ? 530 : 630, 430);
    };
    SetCursorPos(530, 430);
    std::vector<double> cycle, cycle_and_paint, bare, bare_held_dc;
    win::WindowDC held(nullptr);
    volatile COLORREF sink = 0;
    for (int round = 0; round < rounds; ++round) {
        cycle.push_back(time_round([&](int i) {
            place_cursor(i);
            form.ColorPickerIdle();
        }));
        dispatch_waiting_messages();
        cycle_and_paint.push_back(time_round([&](int i) {
            place_cursor(i);
            form.ColorPickerIdle();
            dispatch_waiting_messages();
        }));
        bare.push_back(time_round([&](int i) {
            place_cursor(i);
            POINT cursor;
            GetCursorPos(&cursor);
            const HDC screen = GetDC(nullptr);
            sink = GetPixel(screen, cursor.x, cursor.y);
            ReleaseDC(nullptr, screen);
        }));
        bare_held_dc.push_back(time_round([&](int i) {
            place_cursor(i);
            POINT cursor;
            GetCursorPos(&cursor);
            sink = GetPixel(held.get(), cursor.x, cursor.y);
        }));
    }
    (void)sink;
    return {median(cycle), median(cycle_and_paint), median(bare), median(bare_held_dc)};
}

void print(const char* title, const Figures& f) {
    std::printf("%s\n", title);
    std::printf("  grab cycle                       %8.1f us\n", f.cycle);
    std::printf("  grab cycle + its repaints        %8.1f us\n", f.cycle_and_paint);
    std::printf("  GetCursorPos+GetDC+GetPixel      %8.1f us\n", f.bare);
    std::printf("  GetCursorPos+GetPixel (held DC)  %8.1f us\n", f.bare_held_dc);
    std::printf("  ratio cycle / bare reads               %5.2f (target <= 1.25)\n",
                f.cycle / f.bare);
    std::printf("  ratio cycle / bare reads on a held DC  %5.2f\n", f.cycle / f.bare_held_dc);
    std::printf("  ratio cycle with repaints / bare reads %5.2f\n", f.cycle_and_paint / f.bare);
}

} // namespace

int main() {
    win::Application application(GetModuleHandleW(nullptr));
    application.set_title("Pipetto 2.0");
    const auto folder = std::filesystem::temp_directory_path() / "pipetto-grab-cycle-bench";
    std::filesystem::create_directories(folder);
    {
        TMainform form(folder, false);
        form.ColorPicker.SetEnabled(false); // the benchmark calls the cycle itself
        form.set_position(100, 100);
        form.show();
        tests::SolidWindow blue(RGB(30, 144, 255), 500, 400);
        tests::SolidWindow grey(RGB(128, 128, 128), 600, 400);
        dispatch_messages_for(std::chrono::milliseconds(300));

        for (int i = 0; i < 50; ++i)
            form.ColorPickerIdle(); // the swatch bitmap, fonts and caches exist from here on
        dispatch_waiting_messages();

        print("still cursor", measure(form, false));
        print("cursor moving between two colours on every call", measure(form, true));

        // The loupe's sample size: a cycle with its repaints reading the 31 by 31 square
        // around the cursor against one reading the cursor's pixel, in alternating rounds;
        // then the two reads alone.
        for (const bool moving : {false, true}) {
            std::vector<double> area, pixel;
            for (int round = 0; round < 3 * rounds; ++round)
                for (const int size : {largest_sample_size, 1}) {
                    form.ColorPicker.SetSampleSize(size);
                    SetCursorPos(530, 430);
                    form.ColorPickerIdle();
                    dispatch_waiting_messages();
                    (size == 1 ? pixel : area).push_back(time_round([&](int i) {
                        if (moving)
                            SetCursorPos(i % 2 ? 530 : 630, 430);
                        form.ColorPickerIdle();
                        dispatch_waiting_messages();
                    }));
                }
            form.ColorPicker.SetSampleSize(1);
            std::printf("grab cycle with its repaints, %s: sample 31x31 %8.1f us, one pixel "
                        "%8.1f us, ratio %5.2f (target <= 1.25)\n",
                        moving ? "moving cursor" : "still cursor", median(area), median(pixel),
                        median(area) / median(pixel));
        }
        {
            std::vector<double> area, pixel;
            volatile TColor sink = 0;
            for (int round = 0; round < 3 * rounds; ++round) {
                area.push_back(time_round([&](int) {
                    sink = form.ColorPicker.AreaColourAt(TColorPicker::CursorPosition(),
                                                         largest_sample_size);
                }));
                pixel.push_back(time_round(
                    [&](int) { sink = TColorPicker::ColorAt(TColorPicker::CursorPosition()); }));
            }
            // Its parts: the monitors that meet the square, and the copy into a bitmap.
            std::vector<double> monitors, copy;
            const BITMAPINFO format =
                win::top_down_32_bit_format(largest_sample_size, largest_sample_size);
            void* bits = nullptr;
            win::Bitmap bitmap(
                CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
            win::MemoryDC memory(CreateCompatibleDC(nullptr));
            win::SelectedObject selected(memory.get(), bitmap.get());
            for (int round = 0; round < 3 * rounds; ++round) {
                monitors.push_back(time_round([&](int) {
                    const RECT clip{515, 415, 546, 446};
                    EnumDisplayMonitors(
                        nullptr, &clip, [](HMONITOR, HDC, LPRECT, LPARAM) { return TRUE; }, 0);
                }));
                copy.push_back(time_round([&](int) {
                    win::WindowDC screen(nullptr);
                    BitBlt(memory.get(), 0, 0, largest_sample_size, largest_sample_size,
                           screen.get(), 515, 415, SRCCOPY);
                    GdiFlush();
                }));
            }
            (void)sink;
            std::printf("reads alone: the 31x31 square %8.1f us, the pixel %8.1f us\n",
                        median(area), median(pixel));
            std::printf("  parts of the square's read: EnumDisplayMonitors %8.1f us, "
                        "GetDC+BitBlt 31x31+ReleaseDC %8.1f us\n",
                        median(monitors), median(copy));
        }

        // The contrast window follows every new colour: what that adds to a cycle with its
        // repaints, the window shown and hidden in alternating rounds.
        TContrastForm contrast(form);
        contrast.Open();
        dispatch_messages_for(std::chrono::milliseconds(300));
        for (const bool moving : {false, true}) {
            std::vector<double> open, closed;
            for (int round = 0; round < 3 * rounds; ++round)
                for (const bool shown : {true, false}) {
                    if (shown)
                        contrast.show();
                    else
                        contrast.hide();
                    dispatch_messages_for(std::chrono::milliseconds(20));
                    SetCursorPos(530, 430);
                    (shown ? open : closed).push_back(time_round([&](int i) {
                        if (moving)
                            SetCursorPos(i % 2 ? 530 : 630, 430);
                        form.ColorPickerIdle();
                        dispatch_waiting_messages();
                    }));
                }
            std::printf("grab cycle with its repaints, %s: contrast window open %8.1f us, "
                        "closed %8.1f us, ratio %5.2f (target <= 1.10)\n",
                        moving ? "moving cursor" : "still cursor", median(open), median(closed),
                        median(open) / median(closed));
            // On a busy machine a round's time swings more than the window's share of it:
            // the ratio of neighbouring rounds, and that of the quickest rounds, which busy
            // moments leave alone, tell more.
            std::vector<double> neighbours;
            for (size_t i = 0; i < open.size(); ++i)
                neighbours.push_back(open[i] / closed[i]);
            std::printf("  median ratio of neighbouring rounds %5.2f, quickest open %8.1f us, "
                        "quickest closed %8.1f us, ratio %5.2f\n",
                        median(neighbours), *std::ranges::min_element(open),
                        *std::ranges::min_element(closed),
                        *std::ranges::min_element(open) / *std::ranges::min_element(closed));
        }
        // Where the window's share goes: judging a new colour and asking for the repaint of
        // what changed, against that and the repaint itself.
        contrast.show();
        dispatch_messages_for(std::chrono::milliseconds(20));
        std::vector<double> judged, painted;
        for (int round = 0; round < 3 * rounds; ++round) {
            judged.push_back(time_round([&](int i) {
                contrast.ColourGrabbed(i % 2 ? RGB(30, 144, 255) : RGB(128, 128, 128));
            }));
            dispatch_waiting_messages();
            painted.push_back(time_round([&](int i) {
                contrast.ColourGrabbed(i % 2 ? RGB(30, 144, 255) : RGB(128, 128, 128));
                dispatch_waiting_messages();
            }));
        }
        std::printf("contrast window, a new background: judged and marked %8.1f us, "
                    "and painted %8.1f us\n",
                    median(judged), median(painted));
    }
    std::filesystem::remove_all(folder);
    return 0;
}
