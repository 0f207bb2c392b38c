#include "framework/core/monitor_placement.h"

#include <gtest/gtest.h>

#include <array>

using namespace pipetto;

namespace {

// A primary monitor with a second one left of it, at negative places.
constexpr ScreenRect primary{0, 0, 1024, 768};
constexpr ScreenRect left_monitor{-1024, 0, 0, 768};
constexpr std::array<ScreenRect, 2> two_monitors{primary, left_monitor};

// A window of the main window's size (198 x 283) at a place.
ScreenRect window_at(int left, int top) {
    return {left, top, left + 198, top + 283};
}

::testing::AssertionResult at(ScreenPoint place, int x, int y) {
    if (place.x == x && place.y == y)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "placed at (" << place.x << "," << place.y << ")";
}

} // namespace

TEST(MonitorPlacement, AWindowShowingAnywhereEvenByOnePixelMeetsTheMonitors) {
    EXPECT_TRUE(meets_any(window_at(-50, -20), two_monitors));
    EXPECT_TRUE(meets_any(window_at(-700, 200), two_monitors));
    EXPECT_TRUE(meets_any(window_at(-1221, 100), two_monitors)); // its rightmost column
    EXPECT_TRUE(meets_any(window_at(1023, 767), two_monitors));  // its top-left pixel
    EXPECT_TRUE(meets_any(window_at(-100, 100), std::array{primary, primary}));

    // Right and bottom edges lie outside: touching is not showing.
    EXPECT_FALSE(meets_any(window_at(-1222, 100), two_monitors));
    EXPECT_FALSE(meets_any(window_at(1024, 100), two_monitors));
    EXPECT_FALSE(meets_any(window_at(100, 768), two_monitors));
    EXPECT_FALSE(meets_any(window_at(100, -283), two_monitors));
    EXPECT_FALSE(meets_any(window_at(100, 100), {}));
}

TEST(MonitorPlacement, AWindowGoesWhollyInsideTheAreaMovedAsLittleAsItCan) {
    EXPECT_TRUE(at(place_inside(window_at(-1900, 100), left_monitor), -1024, 100));
    EXPECT_TRUE(at(place_inside(window_at(2500, 100), primary), 1024 - 198, 100));
    EXPECT_TRUE(at(place_inside(window_at(100, 2000), primary), 100, 768 - 283));
    EXPECT_TRUE(at(place_inside(window_at(-3000, -3000), primary), 0, 0));
    EXPECT_TRUE(at(place_inside(window_at(900, 700), primary), 1024 - 198, 768 - 283));
    // Inside already: where it is.
    EXPECT_TRUE(at(place_inside(window_at(-700, 200), left_monitor), -700, 200));
    // Larger than the area: its top-left corner on the area's, caption and all in view.
    const ScreenRect small_area{10, 20, 110, 120};
    EXPECT_TRUE(at(place_inside(window_at(500, 500), small_area), 10, 20));
    EXPECT_TRUE(at(place_inside(window_at(-500, -500), small_area), 10, 20));
}
