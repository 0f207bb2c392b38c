#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A one-line edit box. Change fires on every change of the text; click on a left click.
class Edit : public Control {
  protected:
    WindowKind window_kind(const Properties& properties) const override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    void configure(const Properties& properties) override { read_only_ = properties.read_only; }
    // Only an edit the user types in reports clicks; a read-only one is left alone.
    bool needs_subclass() const override { return !read_only_; }

  private:
    bool read_only_ = false;
    bool left_button_down_ = false;
};

} // namespace pipetto::win
