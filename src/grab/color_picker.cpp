#include "grab/color_picker.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "colour/area_colour.h"
#include "framework/win/dib_format.h"

namespace pipetto {
namespace {

constexpr std::uint32_t grab_interval_ms = 100;

// The manifest makes the program per-monitor aware, so positions and pixels are physical
// already. Saying so again here keeps a read right on a thread that runs in another
// awareness, where the cursor position would come scaled and miss the pixel under the
// hot spot on a monitor above 100 %.
class PhysicalPixels {
  public:
    PhysicalPixels()
        : previous_(SetThreadDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2)) {}
    PhysicalPixels(const PhysicalPixels&) = delete;
    PhysicalPixels& operator=(const PhysicalPixels&) = delete;
    ~PhysicalPixels() {
        if (previous_)
            SetThreadDpiAwarenessContext(previous_);
    }

  private:
    DPI_AWARENESS_CONTEXT previous_;
};

// Every monitor's rectangle of the virtual screen.
std::vector<ScreenRect> monitor_rects() {
    std::vector<ScreenRect> rects;
    EnumDisplayMonitors(
        nullptr, nullptr,
        [](HMONITOR, HDC, LPRECT monitor, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<ScreenRect>*>(list)->push_back(
                {static_cast<int>(monitor->left), static_cast<int>(monitor->top),
                 static_cast<int>(monitor->right), static_cast<int>(monitor->bottom)});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&rects));
    return rects;
}

} // namespace

TColorPicker::TColorPicker() {
    SetInterval(grab_interval_ms);
}

TColor TColorPicker::GetColorUnderCursor() const {
    return ColorAt(CursorPosition());
}

POINT TColorPicker::CursorPosition() {
    PhysicalPixels physical;
    POINT position{};
    GetCursorPos(&position);
    return position;
}

TColor TColorPicker::ColorAt(POINT position) {
    PhysicalPixels physical;
    // The screen's DC spans the whole virtual screen, with its origin at the primary
    // monitor's corner, so the monitors left of or above it answer at negative positions.
    // The desktop window's DC is not promised to reach past the primary monitor.
    win::WindowDC screen(nullptr);
    if (!screen)
        return unreadable_pixel;
    const COLORREF pixel = GetPixel(screen.get(), position.x, position.y);
    return pixel == CLR_INVALID ? unreadable_pixel : static_cast<TColor>(pixel);
}

TColor TColorPicker::AreaColourAt(POINT centre, int size) {
    PhysicalPixels physical;
    // The bitmap holds the largest square.
    const ScreenRect square =
        sample_square({static_cast<int>(centre.x), static_cast<int>(centre.y)},
                      std::clamp(size, 1, largest_sample_size));
    // The screen's copy yields black where no monitor is (beyond the edges, in a gap
    // between monitors): only what lies on one is copied and counted. Asking Windows for
    // the monitors costs more than the copy under Wine, so they are kept until the main
    // window hears that they changed.
    if (!monitors_known_) {
        monitors_ = monitor_rects();
        monitors_known_ = true;
    }
    const SquareOnMonitors cut(square, monitors_);
    const ScreenRect& bounds = cut.bounds();
    if (cut.parts().empty())
        return unreadable_pixel;
    if (!square_dc_) {
        const BITMAPINFO format =
            win::top_down_32_bit_format(largest_sample_size, largest_sample_size);
        void* bits = nullptr;
        win::Bitmap bitmap(CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0));
        win::MemoryDC dc(CreateCompatibleDC(nullptr));
        if (!bitmap || !dc)
            return unreadable_pixel;
        SelectObject(dc.get(), bitmap.get());
        square_bitmap_ = std::move(bitmap);
        square_dc_ = std::move(dc);
        square_bits_ = static_cast<const std::uint8_t*>(bits);
    }
    {
        win::WindowDC screen(nullptr);
        if (!screen ||
            !BitBlt(square_dc_.get(), 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top,
                    screen.get(), bounds.left, bounds.top, SRCCOPY))
            return unreadable_pixel;
    }
    // The bitmap's bits are read directly: whatever GDI still has queued goes first.
    GdiFlush();
    return linear_light_mean({square_bits_, largest_sample_size * 4, bounds}, cut.parts());
}

} // namespace pipetto
