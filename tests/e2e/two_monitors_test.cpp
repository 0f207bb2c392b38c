// pipetto.exe on two monitors, the second left of the primary at negative places: it works
// there like anywhere, a place stored where no monitor is any more opens on the nearest
// one, and a monitor unplugged while it runs brings its windows back onto the one left.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "desktop_user.h"
#include "framework/win/monitors.h"
#include "framework/win/win_text.h"
#include "keyboard.h"
#include "monitor_layout.h"
#include "pipetto_user.h"
#include "running_program.h"
#include "solid_window.h"
#include "temporary_folder.h"

using namespace pipetto;
using namespace std::chrono_literals;
using tests::left_monitor;
using tests::primary_monitor;
using tests::RunningProgram;

namespace {

std::string stored_at(int x, int y) {
    return "[screen]\r\nx=" + std::to_string(x) + "\r\ny=" + std::to_string(y) +
           "\r\nstayontop=True\r\n[loupe]\r\ncursor=True\r\n[hotkey]\r\ngrab=18\r\nloupe=0\r\n";
}

ScreenRect outer(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

bool wholly_inside(const ScreenRect& window, const ScreenRect& area) {
    return window.left >= area.left && window.top >= area.top && window.right <= area.right &&
           window.bottom <= area.bottom;
}

::testing::AssertionResult on_a_monitor(HWND window) {
    const ScreenRect place = outer(window);
    for (const ScreenRect& monitor : {primary_monitor, left_monitor})
        if (wholly_inside(place, monitor))
            return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "the window lies at (" << place.left << "," << place.top << ")-(" << place.right
           << "," << place.bottom << "), on no monitor as a whole";
}

// The texts of the main window's child windows of a class.
std::vector<std::string> child_texts(HWND main, const wchar_t* window_class) {
    std::vector<std::string> texts;
    for (HWND child : tests::children_of_class(main, window_class))
        texts.push_back(tests::asked_text(child));
    return texts;
}

bool shows_text(HWND main, const wchar_t* window_class, const std::string& text) {
    const std::vector<std::string> texts = child_texts(main, window_class);
    return std::find(texts.begin(), texts.end(), text) != texts.end();
}

// The loupe button is the leftmost of the Grab page's glyph buttons.
HWND loupe_button(HWND main) {
    HWND found = nullptr;
    for (HWND button : tests::children_of_class(main, L"TGlyphButton"))
        if (IsWindowVisible(button) && (!found || outer(button).left < outer(found).left))
            found = button;
    return found;
}

// Clicks the loupe button; the loupe window once it shows.
HWND open_loupe(const RunningProgram& program, HWND main) {
    const HWND button = loupe_button(main);
    if (!button)
        return nullptr;
    const ScreenRect area = outer(button);
    tests::click_at({(area.left + area.right) / 2, (area.top + area.bottom) / 2});
    return program.wait_for_window(L"TLoupeForm", 3s);
}

class TwoMonitors : public ::testing::Test {
  protected:
    void SetUp() override {
        if (tests::monitor_layout_script().empty())
            GTEST_SKIP() << "runs on the display of two monitors that tools/test.sh makes";
        // A run that ended before its own tear-down may have left a monitor unplugged.
        if (win::monitor_work_areas().size() != 2) {
            ASSERT_TRUE(tests::change_monitor_layout("side-by-side"));
        }
        ASSERT_EQ(win::monitor_work_areas().size(), 2u);
        for (const ScreenRect& area : win::monitor_work_areas())
            ASSERT_TRUE(area == primary_monitor || area == left_monitor);
    }
    void TearDown() override {
        if (layout_changed_) {
            EXPECT_TRUE(tests::change_monitor_layout("side-by-side"));
        }
    }

    bool change_layout(const std::string& layout) {
        layout_changed_ = true;
        return tests::change_monitor_layout(layout);
    }

    tests::TemporaryFolder folder;

  private:
    bool layout_changed_ = false;
};

} // namespace

TEST_F(TwoMonitors, OnTheLeftHandMonitorTheWindowReadsColourAndPlaceThereAndKeepsItsPlace) {
    folder.write("config.ini", stored_at(-900, 100));
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(outer(main).left, -900);
    EXPECT_EQ(outer(main).top, 100);

    const tests::SolidWindow patch(RGB(30, 144, 255), -542, 354);
    ASSERT_TRUE(patch.on_screen());
    SetCursorPos(-512, 384);
    EXPECT_TRUE(tests::wait_until(
        [&] {
            return shows_text(main, L"Button", " X : -512 Y : 384 ") &&
                   shows_text(main, L"Edit", "#1E90FF") && shows_text(main, L"Edit", "$00FF901E");
        },
        3s))
        << ::testing::PrintToString(child_texts(main, L"Button"))
        << ::testing::PrintToString(child_texts(main, L"Edit"));

    // -900 leaves no room on the left: the loupe opens to the right, on the same monitor.
    const HWND loupe = open_loupe(program, main);
    ASSERT_NE(loupe, nullptr);
    EXPECT_EQ(outer(loupe).left, outer(main).right + 5);
    EXPECT_EQ(outer(loupe).top, 203);
    EXPECT_TRUE(wholly_inside(outer(loupe), left_monitor));

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("config.ini"), stored_at(-900, 100));
}

TEST_F(TwoMonitors, ASampleSquareReadsBothMonitorsItSpansAndNothingBeyondTheLeftEdge) {
    std::string stored = stored_at(100, 100);
    stored.insert(stored.find("[hotkey]"), "samplesize=11\r\n");
    folder.write("config.ini", stored);
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const tests::SolidWindow across(RGB(30, 144, 255), -30, 354);
    const tests::SolidWindow at_the_edge(RGB(0x33, 0x66, 0xCC), -1024, 454);
    ASSERT_TRUE(across.on_screen() && at_the_edge.on_screen());
    const auto shows_html = [&](const std::string& html) {
        return tests::wait_until([&] { return shows_text(main, L"Edit", html); }, 3s);
    };

    // 11 by 11 around (0, 384): five columns on the left-hand monitor, six on the primary.
    SetCursorPos(0, 384);
    EXPECT_TRUE(shows_html("#1E90FF")) << ::testing::PrintToString(child_texts(main, L"Edit"));
    EXPECT_TRUE(shows_text(main, L"Button", " X : 0 Y : 384 "));
    // At the left edge of the virtual screen only the six columns on it count.
    SetCursorPos(-1024, 484);
    EXPECT_TRUE(shows_html("#3366CC")) << ::testing::PrintToString(child_texts(main, L"Edit"));
    SetCursorPos(512, 600);

    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("config.ini"), stored);
}

TEST_F(TwoMonitors, AStoredPlaceWhereNoMonitorIsOpensWhollyOnTheNearestAndSoDoesTheLoupe) {
    const struct {
        int x, y;
        POINT (*opens_at)(SIZE window);
    } places[] = {
        {-1900, 100,
         [](SIZE) {
             return POINT{-1024, 100};
         }},
        {2500, 100,
         [](SIZE window) {
             return POINT{1024 - window.cx, 100};
         }},
        {100, 2000,
         [](SIZE window) {
             return POINT{100, 768 - window.cy};
         }},
        {100, -2000,
         [](SIZE) {
             return POINT{100, 0};
         }},
        // Seen in part, on one monitor or across both: kept exactly.
        {900, 100,
         [](SIZE) {
             return POINT{900, 100};
         }},
        {-60, 500,
         [](SIZE) {
             return POINT{-60, 500};
         }},
        // Low on the primary, whose bottom the loupe below its top would lie beyond.
        {300, 700,
         [](SIZE) {
             return POINT{300, 700};
         }},
    };
    for (const auto& place : places) {
        SCOPED_TRACE(std::to_string(place.x) + "," + std::to_string(place.y));
        tests::TemporaryFolder own_folder;
        own_folder.write("config.ini", stored_at(place.x, place.y));
        RunningProgram program(own_folder.path());
        const HWND main = program.wait_for_window(L"TMainform");
        ASSERT_NE(main, nullptr);
        const ScreenRect shown = outer(main);
        const POINT expected = place.opens_at({shown.right - shown.left, shown.bottom - shown.top});
        EXPECT_EQ(shown.left, expected.x);
        EXPECT_EQ(shown.top, expected.y);

        const HWND loupe = open_loupe(program, main);
        ASSERT_NE(loupe, nullptr);
        EXPECT_TRUE(on_a_monitor(loupe));
        if (place.y == 700) {
            // Onto the main window's monitor, as little moved as can be.
            EXPECT_EQ(outer(loupe).left, 160);
            EXPECT_EQ(outer(loupe).bottom, 768);
        }

        PostMessageW(main, WM_CLOSE, 0, 0);
        EXPECT_EQ(program.wait_for_exit(), 0);
        EXPECT_EQ(own_folder.read("config.ini"), stored_at(expected.x, expected.y));
    }
}

TEST_F(TwoMonitors, WhenAMonitorIsUnpluggedTheWindowsLeftOnItComeBackAndThatPlaceIsKept) {
    folder.write("config.ini", stored_at(-900, 100));
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const HWND loupe = open_loupe(program, main);
    ASSERT_NE(loupe, nullptr);
    ASSERT_TRUE(wholly_inside(outer(loupe), left_monitor));
    const ScreenRect main_before = outer(main), loupe_before = outer(loupe);

    ASSERT_TRUE(change_layout("primary-only"));
    EXPECT_TRUE(tests::wait_until([] { return win::monitor_work_areas().size() == 1; }, 3s));
    // Onto the monitor left, at its left edge, each of the same size as before.
    EXPECT_TRUE(tests::wait_until([&] { return outer(main).left == 0; }, 3s));
    EXPECT_TRUE(tests::wait_until([&] { return outer(loupe).left == 0; }, 3s));
    EXPECT_EQ(outer(main).top, main_before.top);
    EXPECT_EQ(outer(main).right, main_before.right - main_before.left);
    EXPECT_EQ(outer(loupe).top, loupe_before.top);
    EXPECT_EQ(outer(loupe).right, loupe_before.right - loupe_before.left);

    // The place it shows now is the one kept.
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
    EXPECT_EQ(folder.read("config.ini"), stored_at(0, 100));
}

TEST_F(TwoMonitors, TheLoupesArrowKeysStepTheCursorOntoTheLeftHandMonitorAndStopAtItsEdge) {
    folder.write("config.ini", stored_at(100, 100));
    RunningProgram program(folder.path());
    const HWND main = program.wait_for_window(L"TMainform");
    ASSERT_NE(main, nullptr);
    const HWND loupe = open_loupe(program, main);
    ASSERT_NE(loupe, nullptr);
    const ScreenRect area = outer(loupe);
    tests::click_at({(area.left + area.right) / 2, area.top + 4});
    const auto cursor_and_page_at = [&](int x, int y) {
        const std::string place = " X : " + std::to_string(x) + " Y : " + std::to_string(y) + " ";
        return tests::wait_until(
            [&] {
                POINT at{};
                GetCursorPos(&at);
                return at.x == x && at.y == y && shows_text(main, L"Button", place);
            },
            2s);
    };

    SetCursorPos(3, 384);
    tests::press_keys({VK_SHIFT}, VK_LEFT);
    EXPECT_TRUE(cursor_and_page_at(-7, 384))
        << ::testing::PrintToString(child_texts(main, L"Button"));
    SetCursorPos(-1022, 384);
    tests::press_keys({VK_SHIFT}, VK_LEFT);
    EXPECT_TRUE(cursor_and_page_at(-1024, 384));
    // Back on the primary before the windows go.
    SetCursorPos(500, 384);
    PostMessageW(main, WM_CLOSE, 0, 0);
    EXPECT_EQ(program.wait_for_exit(), 0);
}
