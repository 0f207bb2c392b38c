#pragma once
#include "framework/win/graphic_control.h"

namespace pipetto::win {

// A text painted by its parent on its background colour; a label with a click handler
// reacts to clicks.
class Label : public GraphicControl {
  public:
    // A label described without a width takes the width of its text.
    void fit_width_to_text();

    void paint(HDC dc) override;

  protected:
    void configure(const Properties& properties) override;

  private:
    Alignment alignment_ = Alignment::left;
};

} // namespace pipetto::win
