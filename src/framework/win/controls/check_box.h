#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A check box. Changing its state from code raises its click event too, as a user's
// click would, so that whatever follows the box follows it either way.
class CheckBox : public Control {
  public:
    bool checked() const;
    void set_checked(bool checked);

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

} // namespace pipetto::win
