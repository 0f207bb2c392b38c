// Grabbing under Wine: the sampler reads real screen pixels, and a real main window follows
// the real cursor over windows of known colours.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <new>
#include <string>

#include "app/main_form.h"
#include "framework/win/handles.h"
#include "pump.h"
#include "solid_window.h"
#include "temporary_folder.h"

// Every heap allocation of this test program passes here, so a test can count them.
namespace {
std::atomic<long> heap_allocations{0};
}

void* operator new(std::size_t size) {
    heap_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* memory = std::malloc(size ? size : 1))
        return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept {
    std::free(memory);
}
void operator delete(void* memory, std::size_t) noexcept {
    std::free(memory);
}

using namespace pipetto;
using namespace std::chrono_literals;
using tests::SolidWindow;

namespace {

constexpr COLORREF dodger_blue = RGB(30, 144, 255);
constexpr COLORREF web_grey = RGB(128, 128, 128); // a colour the named table lacks

POINT middle_of(HWND window) {
    RECT area;
    GetWindowRect(window, &area);
    return {(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

// The middle of a control its parent paints, in screen pixels.
POINT middle_of(const win::GraphicControl& control) {
    const RECT area = control.bounds_in_parent();
    POINT middle{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
    ClientToScreen(control.parent_window(), &middle);
    return middle;
}

// What the Grab page shows in text.
struct GrabPage {
    std::string cursor, hex, html, long_value, rgb, name;
    bool operator==(const GrabPage&) const = default;
};

GrabPage grab_page_of(const TMainform& form) {
    return {form.CursorLabel.text(), form.HexColor.text(), form.HtmlColor.text(),
            form.LongColor.text(),   form.RGBColor.text(), form.IdentColor.text()};
}

// The swatch bitmap's size and the colours of its corners and centre.
struct SwatchBitmap {
    LONG width = 0, height = 0;
    COLORREF pixels[5] = {};
};

SwatchBitmap swatch_bitmap_of(const win::Image& image) {
    BITMAP info{};
    GetObjectW(image.bitmap(), sizeof info, &info);
    SwatchBitmap result{info.bmWidth, info.bmHeight};
    win::MemoryDC canvas(CreateCompatibleDC(nullptr));
    win::SelectedObject selected(canvas.get(), image.bitmap());
    const LONG right = info.bmWidth - 1, bottom = info.bmHeight - 1;
    const POINT probes[5] = {{0, 0}, {right, 0}, {0, bottom}, {right, bottom}, {16, 9}};
    for (int i = 0; i < 5; ++i)
        result.pixels[i] = GetPixel(canvas.get(), probes[i].x, probes[i].y);
    return result;
}

class GrabCycle : public ::testing::Test {
  protected:
    GrabCycle() {
        form.set_position(100, 100); // clear of the coloured windows
        // A cursor where the window opens would make the first colour wait for its first
        // paint; an earlier test may have left it there.
        SetCursorPos(900, 700);
        form.show();
    }

    // Points the cursor at `point` and lets the sampler's own ticks run until the Grab page
    // has caught up.
    bool follow_cursor_to(POINT point) {
        SetCursorPos(point.x, point.y);
        const std::string caption = cursor_position_text(point.x, point.y).str();
        const std::string html = html_form(TColorPicker::ColorAt(point)).str();
        return tests::pump_until(
            [&] { return form.CursorLabel.text() == caption && form.HtmlColor.text() == html; });
    }

    // The coloured windows first: waiting for them to show lets ticks run, and the form's
    // state before its first tick is a thing to test.
    SolidWindow blue{dodger_blue, 500, 400};
    SolidWindow grey{web_grey, 600, 400};
    tests::TemporaryFolder folder;
    TMainform form{folder.path(), false};
};

} // namespace

TEST(ScreenSampler, ReadsThePixelAtAPositionWithRedInTheLowestByte) {
    SolidWindow blue(dodger_blue, 500, 400);
    SolidWindow grey(web_grey, 600, 400);
    ASSERT_TRUE(blue.on_screen() && grey.on_screen());
    SetCursorPos(530, 430);
    const POINT cursor = TColorPicker::CursorPosition();
    EXPECT_EQ(cursor.x, 530);
    EXPECT_EQ(cursor.y, 430);
    EXPECT_EQ(TColorPicker().GetColorUnderCursor(), 0x00FF901Eu);
    // A position it is given is read wherever the cursor is; a window's edges are its own.
    EXPECT_EQ(TColorPicker::ColorAt({600, 400}), 0x00808080u);
    EXPECT_EQ(TColorPicker::ColorAt({659, 459}), 0x00808080u);
}

TEST(ScreenSampler, APixelOffTheScreenIsUnreadable) {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int right = left + GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int bottom = top + GetSystemMetrics(SM_CYVIRTUALSCREEN);
    EXPECT_EQ(TColorPicker::ColorAt({right + 5, top}), unreadable_pixel);
    EXPECT_EQ(TColorPicker::ColorAt({left, bottom + 5}), unreadable_pixel);
    EXPECT_EQ(TColorPicker::ColorAt({left - 5, top - 5}), unreadable_pixel);
    EXPECT_NE(TColorPicker::ColorAt({right - 1, bottom - 1}), unreadable_pixel);
}

TEST_F(GrabCycle, FollowsTheCursorFromTheStartAndShowsItsPixelInEveryForm) {
    // Before any tick the page already names the place the cursor had when it showed, and
    // its swatch is filled: the first paint shows a colour.
    const POINT at_show = TColorPicker::CursorPosition();
    EXPECT_EQ(form.CursorLabel.text(), cursor_position_text(at_show.x, at_show.y).str());
    EXPECT_TRUE(form.PixelImage.has_bitmap());
    ASSERT_TRUE(blue.on_screen());
    ASSERT_TRUE(follow_cursor_to({530, 430}));

    // Several names share #1E90FF; the first in the table wins.
    const GrabPage expected{" X : 530 Y : 430 ", "$00FF901E",       "#1E90FF",
                            "16748574",          "rgb(30,144,255)", "DodgerBlue"};
    EXPECT_EQ(grab_page_of(form), expected);
    const SwatchBitmap swatch = swatch_bitmap_of(form.PixelImage);
    EXPECT_EQ(swatch.width, 32);
    EXPECT_EQ(swatch.height, 18);
    for (COLORREF pixel : swatch.pixels)
        EXPECT_EQ(pixel, dodger_blue);
    // What the window shows: the swatch panel and the pixel image.
    const POINT swatch_middle = middle_of(form.ColorPanel.hwnd());
    EXPECT_TRUE(
        tests::pump_until([&] { return TColorPicker::ColorAt(swatch_middle) == 0x00FF901Eu; }));
    EXPECT_EQ(TColorPicker::ColorAt(middle_of(form.PixelImage)), 0x00FF901Eu);
}

TEST_F(GrabCycle, MovingOntoAColourTheTableLacksShowsItWithoutAName) {
    ASSERT_TRUE(blue.on_screen() && grey.on_screen());
    ASSERT_TRUE(follow_cursor_to({530, 430}));
    ASSERT_TRUE(follow_cursor_to({520, 420})); // the same colour: only the caption moves on
    ASSERT_TRUE(follow_cursor_to({640, 410}));

    const GrabPage expected{" X : 640 Y : 410 ", "$00808080",        "#808080",
                            "8421504",           "rgb(128,128,128)", "n/a"};
    EXPECT_EQ(grab_page_of(form), expected);
    for (COLORREF pixel : swatch_bitmap_of(form.PixelImage).pixels)
        EXPECT_EQ(pixel, web_grey);
}

TEST_F(GrabCycle, WithGrabbingOffMovingTheMouseChangesNothing) {
    ASSERT_TRUE(blue.on_screen() && grey.on_screen());
    ASSERT_TRUE(follow_cursor_to({530, 430}));
    const GrabPage frozen = grab_page_of(form);

    form.ColorPicker.SetEnabled(false);
    SetCursorPos(640, 410);
    tests::pump_messages(400ms);
    EXPECT_EQ(grab_page_of(form), frozen);
    EXPECT_EQ(swatch_bitmap_of(form.PixelImage).pixels[0], dodger_blue);

    form.ColorPicker.SetEnabled(true);
    EXPECT_TRUE(follow_cursor_to({640, 410}));
}

TEST_F(GrabCycle, AnEditIsRewrittenOnlyWhenItsTextChanges) {
    SolidWindow olive(RGB(128, 128, 0), 700, 400); // another colour without a name
    ASSERT_TRUE(grey.on_screen() && olive.on_screen());
    form.ColorPicker.SetEnabled(false); // the test runs the cycles itself
    SetCursorPos(630, 430);
    form.ColorPickerIdle();
    int hex_changes = 0, name_changes = 0;
    form.HexColor.on_change = [&] { ++hex_changes; };
    form.IdentColor.on_change = [&] { ++name_changes; };
    win::Edit* const edits[] = {&form.HexColor, &form.HtmlColor, &form.LongColor, &form.RGBColor,
                                &form.IdentColor};
    for (win::Edit* edit : edits)
        UpdateWindow(edit->hwnd());

    form.ColorPickerIdle();
    for (win::Edit* edit : edits)
        EXPECT_FALSE(GetUpdateRect(edit->hwnd(), nullptr, FALSE));
    EXPECT_EQ(hex_changes, 0);

    SetCursorPos(730, 430);
    form.ColorPickerIdle();
    EXPECT_EQ(form.HexColor.text(), "$00008080");
    EXPECT_EQ(hex_changes, 1);
    EXPECT_TRUE(GetUpdateRect(form.HexColor.hwnd(), nullptr, FALSE));
    // "n/a" both times.
    EXPECT_EQ(name_changes, 0);
    EXPECT_FALSE(GetUpdateRect(form.IdentColor.hwnd(), nullptr, FALSE));
}

TEST_F(GrabCycle, ACycleAllocatesNothingOnceTheSwatchBitmapExists) {
    ASSERT_TRUE(blue.on_screen() && grey.on_screen());
    form.ColorPicker.SetEnabled(false); // the test runs the cycles itself
    SetCursorPos(530, 430);
    form.ColorPickerIdle();
    ASSERT_TRUE(form.PixelImage.has_bitmap());

    // Every cycle lands on another pixel of the other colour, so each one rewrites it all.
    const long before = heap_allocations.load();
    for (int i = 0; i < 20; ++i) {
        SetCursorPos((i % 2 ? 510 : 610) + i, 410 + i);
        form.ColorPickerIdle();
    }
    EXPECT_EQ(heap_allocations.load() - before, 0);
    EXPECT_EQ(form.HtmlColor.text(), "#1E90FF");
    EXPECT_EQ(form.CursorLabel.text(), " X : 529 Y : 429 ");
}
