#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// An ordinary push button; it shows its glyph bitmap when the description gives one.
class PushButton : public Control {
  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    Bitmap glyph_;
};

} // namespace pipetto::win
