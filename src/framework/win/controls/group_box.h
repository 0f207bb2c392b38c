#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A group box that holds its controls as children and passes their notifications on.
class GroupBox : public Control {
  protected:
    WindowKind window_kind(const Properties& properties) const override;
    bool intercept(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
    int read_text(wchar_t* buffer, int capacity) const override;
    bool needs_subclass() const override { return true; }
};

} // namespace pipetto::win
