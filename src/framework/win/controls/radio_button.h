#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A radio button of a group: the buttons from one described with `.group = true` up to
// the next control that starts a group. Checking one unchecks the others. Only the
// checked button of a group is a tab stop; the arrow keys move within the group.
class RadioButton : public Control {
  public:
    bool checked() const;
    void set_checked(bool checked);

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    void follow_check_with_tab_stops() const;
};

} // namespace pipetto::win
