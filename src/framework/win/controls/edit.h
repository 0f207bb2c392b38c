#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A one-line edit box. Change fires on every change of the text; click on a left click.
class Edit : public Control {
  protected:
    WindowKind window_kind(const Properties& properties) const override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    bool left_button_down_ = false;
};

} // namespace pipetto::win
