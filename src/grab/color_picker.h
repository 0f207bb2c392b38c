#pragma once
// The screen colour sampler: a timer component whose tick runs the grab cycle, and the
// reader of the screen pixel under the mouse cursor, or of the square of pixels around it.
// Grabbing is on exactly while it is enabled.

#include <windows.h>

#include <cstdint>
#include <vector>

#include "colour/colour_value.h"
#include "framework/core/monitor_placement.h"
#include "framework/win/handles.h"
#include "framework/win/timer.h"

namespace pipetto {

using TCustomTimer = win::Timer;

class TColorPicker : public TCustomTimer {
  public:
    // Ticks every 100 ms once OnTimer is set.
    TColorPicker();

    // The colour of the pixel under the mouse cursor now.
    TColor GetColorUnderCursor() const;

    // The mouse cursor's position, and the colour of the screen pixel at a position, both in
    // physical pixels of the virtual screen: monitors left of or above the primary one have
    // negative coordinates. $FFFFFFFF where no pixel can be read.
    static POINT CursorPosition();
    static TColor ColorAt(POINT position);

    // The side of the square around the cursor's pixel that a grab reads: one of
    // sample_sizes, 1 (the pixel alone) until set.
    int SampleSize() const noexcept { return sample_size_; }
    void SetSampleSize(int size) noexcept { sample_size_ = size; }
    // The colour a grab shows for the cursor at `position`: the pixel there, read by
    // ColorAt, or the mean of the square around it.
    TColor SampledColourAt(POINT position) {
        return sample_size_ == 1 ? ColorAt(position) : AreaColourAt(position, sample_size_);
    }
    // The mean in linear light of the pixels of the square of `size` centred at `centre`
    // that lie on a monitor; $FFFFFFFF where none does, or the screen can't be copied.
    TColor AreaColourAt(POINT centre, int size);
    // The monitors were added, taken away or moved: the next read of an area asks for them.
    void MonitorsChanged() noexcept { monitors_known_ = false; }

  private:
    int sample_size_ = 1;
    // The monitors' rectangles, asked for at the first read of an area after a change.
    std::vector<ScreenRect> monitors_;
    bool monitors_known_ = false;
    // The screen's copy of the square goes into this bitmap, of the largest square, made
    // at the first read of an area and kept. The bitmap outlives the DC it is selected in.
    win::Bitmap square_bitmap_;
    win::MemoryDC square_dc_;
    const std::uint8_t* square_bits_ = nullptr;
};

} // namespace pipetto
