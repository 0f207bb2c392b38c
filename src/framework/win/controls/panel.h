#pragma once
#include <functional>

#include "framework/win/control.h"

namespace pipetto::win {

// A plain surface in its colour, with an optional bevel and a centred caption; it holds
// other controls as children.
class Panel : public Control {
  public:
    // A right click on the panel, or the menu key while it has the focus: the screen point
    // where its context menu opens.
    std::function<void(POINT)> on_context_menu;
    // Where a menu for the panel opens when no mouse points there: below its left corner.
    POINT menu_point_below() const;

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    void paint(HDC dc);
    BevelStyle bevel_ = BevelStyle::none;
};

} // namespace pipetto::win
