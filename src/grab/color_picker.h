#pragma once
// The screen colour sampler: a timer component whose tick runs the grab cycle, and the
// reader of the screen pixel under the mouse cursor. Grabbing is on exactly while it is
// enabled.

#include <windows.h>

#include "colour/colour_value.h"
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
};

} // namespace pipetto
