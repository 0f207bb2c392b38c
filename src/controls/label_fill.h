#pragma once
// TLabelFill: a windowless label with a sunken (engraved) text: a light copy of the text one
// pixel below and right of it. It sizes itself to its caption, whose line breaks start new
// lines, as every label does: its layout size where the text fits in it (at 96 DPI, the
// layout was made for these texts, and the centred text stays where it was put), larger
// where hinting makes the text wider at another scale.
//
// The label only does what the About page asks of it: no bevel, no fill, the sunken text
// effect, centred. The other fill styles (brush, bitmaps, gradients), bevel modes and
// styles, 3D styles, rotated text and disabled styles are left out on purpose: no window
// of the program uses them.

#include <windows.h>

#include "framework/win/controls/label.h"

namespace pipetto {

class TLabelFill : public win::Label {
  public:
    // Depth of the light copy, in pixels at 96 DPI.
    static constexpr int LightDepth = 1;
    // The bevel takes no room (custom mode, no styles, no border).
    static constexpr int BevelExtent = 0;

    void paint(HDC dc) override;

  protected:
    // The caption's extent measured with DrawText, plus the light copy's depth and
    // (bevel extent + 1) on each side.
    SIZE measured_size(HDC dc) const override;
};

} // namespace pipetto
