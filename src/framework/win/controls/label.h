#pragma once
#include "framework/win/control.h"

namespace pipetto::win {

// A static text; it reports clicks, which a hyperlink label needs.
class Label : public Control {
  public:
    std::string url; // opened on a click when set

    // A label described without a width takes the width of its text.
    void fit_width_to_text();

  protected:
    WindowKind window_kind(const Properties& properties) const override;
    void configure(const Properties& properties) override;
    bool handle_notification(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) override;
};

} // namespace pipetto::win
