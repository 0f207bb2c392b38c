// The screen colour sampler's timer under Wine: real SetTimer, real WM_TIMER through its
// hidden window. Its screen reads are tested with the grab cycle.

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "framework/core/errors.h"
#include "grab/color_picker.h"
#include "message_box_watcher.h"
#include "pump.h"

using namespace pipetto;
using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

namespace {

// Records when the ticks come.
struct Ticks {
    std::vector<Clock::time_point> times;
    bool reach(size_t count, std::chrono::milliseconds timeout) {
        return tests::pump_until([&] { return times.size() >= count; }, timeout);
    }
    // Windows never ticks early, so the shortest gap shows the interval the timer runs at.
    std::chrono::milliseconds shortest_gap() const {
        auto shortest = std::chrono::milliseconds::max();
        for (size_t i = 1; i < times.size(); ++i)
            shortest = std::min(shortest, std::chrono::duration_cast<std::chrono::milliseconds>(
                                              times[i] - times[i - 1]));
        return shortest;
    }
};

std::string error_of(const std::function<void()>& change) {
    try {
        change();
    } catch (const Exception& error) {
        return error.what();
    }
    return "no error";
}

} // namespace

TEST(ColorPickerTimer, TicksEveryHundredMillisecondsUntilDisabledAndResumesWhenEnabled) {
    TColorPicker picker;
    EXPECT_TRUE(picker.Enabled());
    Ticks ticks;
    picker.SetOnTimer([&] { ticks.times.push_back(Clock::now()); });
    ASSERT_TRUE(ticks.reach(3, 1000ms));
    EXPECT_GE(ticks.shortest_gap(), 85ms);

    picker.SetEnabled(false);
    ticks.times.clear();
    tests::pump_messages(350ms);
    EXPECT_TRUE(ticks.times.empty());

    picker.SetEnabled(true);
    EXPECT_EQ(picker.Interval(), 100u);
    // Three ticks within a second: at 100 ms again, not at a timer's default of 1000.
    ASSERT_TRUE(ticks.reach(3, 1000ms));
    EXPECT_GE(ticks.shortest_gap(), 85ms);
}

TEST(ColorPickerTimer, IntervalZeroStopsTheTicksWhileEnabledStaysTrue) {
    TColorPicker picker;
    Ticks ticks;
    picker.SetOnTimer([&] { ticks.times.push_back(Clock::now()); });
    ASSERT_TRUE(ticks.reach(1, 1000ms));

    picker.SetInterval(0);
    ticks.times.clear();
    tests::pump_messages(350ms);
    EXPECT_TRUE(picker.Enabled());
    EXPECT_TRUE(ticks.times.empty());

    picker.SetInterval(100);
    EXPECT_TRUE(ticks.reach(2, 1000ms));
}

TEST(ColorPickerTimer, AFailingTickIsShownAndTheNextTickComes) {
    tests::MessageBoxWatcher watcher;
    TColorPicker picker;
    int ticks = 0;
    picker.SetOnTimer([&] {
        if (++ticks == 1)
            throw EConvertError::invalid_integer("12a");
    });
    ASSERT_TRUE(tests::pump_until([&] { return ticks >= 3; }, 5000ms));
    ASSERT_EQ(watcher.messages().size(), 1u);
    EXPECT_EQ(watcher.messages()[0].title, "Pipetto 2.0");
    EXPECT_EQ(watcher.messages()[0].text, "'12a' ist kein gültiger Integerwert.");
}

TEST(ColorPickerTimer, TicksDoNotNestWhenATickRunsAModalLoop) {
    // Like the error display's message box, which dispatches WM_TIMER while it is open.
    TColorPicker picker;
    int ticks = 0, depth = 0, deepest = 0;
    picker.SetOnTimer([&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1)
            tests::pump_messages(450ms);
        --depth;
    });
    ASSERT_TRUE(tests::pump_until([&] { return ticks >= 3; }, 3000ms));
    EXPECT_EQ(deepest, 1);
}

TEST(ColorPickerTimer, ARefusedTimerIsReportedAndTheNewValueKept) {
    // Windows refuses a timer for a window that is gone.
    TColorPicker picker;
    DestroyWindow(picker.window());
    int ticks = 0;
    const std::string refused = "Nicht genügend Timer verfügbar";
    EXPECT_EQ(error_of([&] { picker.SetOnTimer([&] { ++ticks; }); }), refused);
    EXPECT_EQ(error_of([&] { picker.SetEnabled(false); }), "no error"); // stopping needs none
    EXPECT_EQ(error_of([&] { picker.SetEnabled(true); }), refused);
    EXPECT_TRUE(picker.Enabled());
    EXPECT_EQ(error_of([&] { picker.SetInterval(250); }), refused);
    EXPECT_EQ(picker.Interval(), 250u);
    tests::pump_messages(350ms);
    EXPECT_EQ(ticks, 0);
}
