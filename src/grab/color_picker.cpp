#include "grab/color_picker.h"

#include "framework/win/handles.h"

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

} // namespace pipetto
