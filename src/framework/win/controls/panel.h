#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A plain surface in its colour, with an optional bevel and a centred caption; it holds
// other controls as children.
class Panel : public Control {
  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    void paint(HDC dc);
    BevelStyle bevel_ = BevelStyle::none;
};

} // namespace pipetto::win
