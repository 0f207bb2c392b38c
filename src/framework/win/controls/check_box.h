#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A check box. Changing its state from code raises its click event too, as a user's
// click would, so that whatever follows the box follows it either way. Before its window
// exists it holds its state itself.
class CheckBox : public Control {
  public:
    bool checked() const;
    void set_checked(bool checked);

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void take_state(const Properties& properties) override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;

  private:
    bool checked_ = false;
};

} // namespace pipetto::win
