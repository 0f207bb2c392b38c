#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A lowered frame around an area, drawn as an etched edge.
class Bevel : public Control {
  protected:
    WindowKind window_kind(const Properties&) const override { return {L"Static", SS_ETCHEDFRAME}; }
};

} // namespace pipetto::win
