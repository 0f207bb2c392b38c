#include "loupe/loupe_form.h"

#include <algorithm>
#include <optional>
#include <string>

#include "colour/area_colour.h"
#include "hotkeys/shortcut_text.h"
#include "loupe/loupe_placement.h"

namespace pipetto {
namespace {

// The square around the cursor: the cursor's pixel is its 16th column and row.
constexpr int square = 30;
constexpr int before_cursor = 15;

// The first destination pixel that shows source column (or row) `index` of the square,
// when the stretch repeats each source pixel over `extent` / 30 destination pixels.
int first_pixel_showing(int index, int extent) {
    return (index * extent + square - 1) / square;
}

RECT virtual_screen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {left, top, left + GetSystemMetrics(SM_CXVIRTUALSCREEN),
            top + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Copies the square at `source` from the screen, stretched over `extent`. Parts of the
// square beyond the edges of the virtual screen show the window's colour: the screen's
// device yields nothing there, and Wine then copies nothing at all.
void copy_square(HDC canvas, HDC screen, const RECT& screen_area, POINT source, SIZE extent) {
    const int sx = static_cast<int>(source.x), sy = static_cast<int>(source.y);
    const int first_column = std::clamp(static_cast<int>(screen_area.left) - sx, 0, square);
    const int end_column =
        std::clamp(static_cast<int>(screen_area.right) - sx, first_column, square);
    const int first_row = std::clamp(static_cast<int>(screen_area.top) - sy, 0, square);
    const int end_row = std::clamp(static_cast<int>(screen_area.bottom) - sy, first_row, square);
    if (first_column == 0 && end_column == square && first_row == 0 && end_row == square) {
        StretchBlt(canvas, 0, 0, extent.cx, extent.cy, screen, sx, sy, square, square, SRCCOPY);
        return;
    }
    const RECT all{0, 0, extent.cx, extent.cy};
    FillRect(canvas, &all, GetSysColorBrush(COLOR_BTNFACE));
    if (first_column == end_column || first_row == end_row)
        return;
    const int left = first_pixel_showing(first_column, extent.cx);
    const int right = first_pixel_showing(end_column, extent.cx);
    const int top = first_pixel_showing(first_row, extent.cy);
    const int bottom = first_pixel_showing(end_row, extent.cy);
    StretchBlt(canvas, left, top, right - left, bottom - top, screen, sx + first_column,
               sy + first_row, end_column - first_column, end_row - first_row, SRCCOPY);
}

// The square a grab reads, around the magnified cursor pixel: a black line over its
// outermost magnified pixels and a white one inside it, seen on any colour. The largest
// square reaches past the picture's right and bottom edges, where its lines are cut off.
void draw_sample_outline(HDC canvas, int size, SIZE extent) {
    const int first = before_cursor - size / 2, end = first + size;
    RECT frame{first_pixel_showing(first, extent.cx), first_pixel_showing(first, extent.cy),
               first_pixel_showing(end, extent.cx), first_pixel_showing(end, extent.cy)};
    FrameRect(canvas, &frame, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&frame, -1, -1);
    FrameRect(canvas, &frame, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
}

// 11 pixels each way, centred on the top-left pixel of the magnified cursor pixel, in the
// DC's own pen (black, one pixel wide).
void draw_cross(HDC canvas, POINT centre) {
    MoveToEx(canvas, centre.x - 5, centre.y, nullptr);
    LineTo(canvas, centre.x + 6, centre.y);
    MoveToEx(canvas, centre.x, centre.y - 5, nullptr);
    LineTo(canvas, centre.x, centre.y + 6);
}

} // namespace

TLoupeForm::TLoupeForm(const win::CheckBox& cursor_check_box)
    : cursor_check_box_(cursor_check_box), screen_area_(virtual_screen()) {
    start_timer_and_hotkey();
}

TLoupeForm::~TLoupeForm() {
    // No tick may paint once the window is gone.
    Timer.SetEnabled(false);
}

void TLoupeForm::TimerTimer() {
    GetCursorPos(&cursor_);
    if (visible())
        Lense();
}

void TLoupeForm::Lense() {
    RECT client;
    GetClientRect(hwnd(), &client);
    const SIZE extent{client.right, client.bottom};
    const POINT source{cursor_.x - before_cursor, cursor_.y - before_cursor};
    win::WindowDC window(hwnd());
    const HDC canvas = picture_.canvas(window.get(), extent);
    {
        // The screen's DC spans the whole virtual screen, as the grab reads it; it is taken
        // and given back within the tick.
        win::WindowDC screen(nullptr);
        copy_square(canvas, screen.get(), screen_area_, source, extent);
    }
    if (sample_size_ > 1)
        draw_sample_outline(canvas, sample_size_, extent);
    if (cursor_check_box_.checked())
        draw_cross(canvas, {extent.cx / 2, extent.cy / 2});
    picture_.mark_drawn();
    // The label is a child window, which the window's DC leaves out.
    picture_.paint(window.get());
}

void TLoupeForm::GlobalHotKeyKeyDown(TGlobalHotKey&, std::uint16_t&, TShiftState) {
    Timer.SetEnabled(!Timer.Enabled());
}

void TLoupeForm::UseHotKeyEntry(std::string_view entry_text) {
    build_window();
    GlobalHotKey.SetHotKey(ItemTextToShortCut(entry_text));
    LoupeLabel.set_text("Start/Stop : " + std::string(entry_text));
}

void TLoupeForm::PlaceBeside(const win::Form& main_window) {
    build_window();
    set_always_on_top(main_window.always_on_top());
    const POINT place =
        loupe_position(main_window.left(), main_window.top(), main_window.outer_width());
    set_position(place.x, place.y);
    // Beside the main window may be where no monitor is, below the bottom of the main
    // window's monitor say: the loupe then goes onto that monitor, so it can be seen.
    if (!on_a_monitor())
        if (const std::optional<ScreenRect> area = main_window.monitor_work_area())
            move_inside(*area);
}

void TLoupeForm::StepCursor(int dx, int dy) {
    POINT cursor{};
    GetCursorPos(&cursor);
    // Per-monitor aware, the program gets and sets the cursor in physical pixels, so a
    // step is one pixel of the screen on every monitor, at any scale.
    const int x = std::clamp(static_cast<int>(cursor.x) + dx, static_cast<int>(screen_area_.left),
                             static_cast<int>(screen_area_.right) - 1);
    const int y = std::clamp(static_cast<int>(cursor.y) + dy, static_cast<int>(screen_area_.top),
                             static_cast<int>(screen_area_.bottom) - 1);
    SetCursorPos(x, y);
    if (OnCursorStepped)
        OnCursorStepped();
    // A frozen loupe stays as it was.
    if (Timer.Enabled())
        take_picture_now();
}

void TLoupeForm::SetSampleSize(int size) {
    if (size == sample_size_)
        return;
    sample_size_ = size;
    if (!hwnd())
        return;
    show_sample_size();
    // A frozen loupe keeps its picture; an updating one shows the new square at once.
    if (visible() && Timer.Enabled())
        take_picture_now();
}

void TLoupeForm::StepSampleSize(bool larger) {
    const int size = larger ? larger_sample_size(sample_size_) : smaller_sample_size(sample_size_);
    if (size == sample_size_)
        return;
    SetSampleSize(size);
    if (OnSampleSizeChosen)
        OnSampleSizeChosen(size);
}

void TLoupeForm::show_sample_size() {
    const std::string size = sample_size_text(sample_size_);
    set_caption(sample_size_ == 1 ? " Loupe" : " Loupe " + size);
    set_hint(LoupeLabel, "Arrow keys move the cursor by one pixel\r\n"
                         "Shift+arrow keys by ten pixels\r\n"
                         "+ and - or the wheel choose the sample size: " +
                             (sample_size_ == 1 ? std::string("1 pixel") : size + " pixels"));
}

bool TLoupeForm::on_close() {
    hide();
    return false;
}

void TLoupeForm::take_picture_now() {
    GetCursorPos(&cursor_);
    Lense();
}

LRESULT TLoupeForm::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_ERASEBKGND:
        if (!picture_.holds_picture())
            break;
        return 1; // the picture covers it all
    case WM_PAINT: {
        if (!picture_.holds_picture())
            break;
        win::PaintSession paint(hwnd());
        picture_.paint(paint.dc());
        return 0;
    }
    case WM_WINDOWPOSCHANGED: {
        // The hidden loupe takes no picture and doesn't even tick: under Wine a tick costs
        // a good part of what grabbing does. Timer.Enabled() still says whether it updates,
        // and the hotkey still flips it. Shown while updating, it takes a picture of now.
        const UINT flags = reinterpret_cast<const WINDOWPOS*>(lparam)->flags;
        if (flags & SWP_SHOWWINDOW) {
            Timer.SetOnTimer([this] { TimerTimer(); });
            if (Timer.Enabled())
                take_picture_now();
        } else if (flags & SWP_HIDEWINDOW) {
            Timer.SetOnTimer(nullptr);
        }
        break;
    }
    case WM_KEYDOWN: {
        // Key repeat sends these as long as the key is held.
        const int step = GetKeyState(VK_SHIFT) < 0 ? 10 : 1;
        switch (wparam) {
        case VK_LEFT:
            StepCursor(-step, 0);
            return 0;
        case VK_RIGHT:
            StepCursor(step, 0);
            return 0;
        case VK_UP:
            StepCursor(0, -step);
            return 0;
        case VK_DOWN:
            StepCursor(0, step);
            return 0;
        case VK_ADD:
        case VK_OEM_PLUS:
            StepSampleSize(true);
            return 0;
        case VK_SUBTRACT:
        case VK_OEM_MINUS:
            StepSampleSize(false);
            return 0;
        default:
            break;
        }
        break;
    }
    case WM_MOUSEWHEEL: {
        // Up for larger, a size a notch; a fine wheel's small turns add up to notches.
        wheel_rest_ += GET_WHEEL_DELTA_WPARAM(wparam);
        for (; wheel_rest_ >= WHEEL_DELTA; wheel_rest_ -= WHEEL_DELTA)
            StepSampleSize(true);
        for (; wheel_rest_ <= -WHEEL_DELTA; wheel_rest_ += WHEEL_DELTA)
            StepSampleSize(false);
        return 0;
    }
    case WM_DISPLAYCHANGE:
        // Asking for the screen's edges on every tick costs more than the copy under Wine.
        screen_area_ = virtual_screen();
        break;
    default:
        break;
    }
    return Form::handle_message(message, wparam, lparam);
}

} // namespace pipetto
