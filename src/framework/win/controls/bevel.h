#pragma once
#include "framework/win/graphic_control.h"

namespace pipetto::win {

// A lowered frame around an area, drawn as an etched edge by its parent.
class Bevel : public GraphicControl {
  public:
    void paint(HDC dc) override;
};

} // namespace pipetto::win
