#pragma once
#include "framework/win/graphic_control.h"

namespace pipetto::win {

// An etched line that separates groups of controls, drawn by its parent: along the left
// edge of an area taller than wide, along the bottom edge of one wider than tall.
class EtchedLine : public GraphicControl {
  public:
    void paint(HDC dc) override;
};

} // namespace pipetto::win
