#pragma once
#include "framework/win/graphic_control.h"

namespace pipetto::win {

// A text painted by its parent on its background colour; a label with a click handler or an address
// reacts to clicks, and one with an address shows the link cursor and opens it.
class Label : public GraphicControl {
  public:
    std::string url; // opened on a click when set

    // A label described without a width takes the width of its text.
    void fit_width_to_text();

    void paint(HDC dc) override;
    bool clickable() const override { return GraphicControl::clickable() || !url.empty(); }
    void click() override;
    bool shows_link_cursor() const override { return !url.empty(); }

  protected:
    void configure(const Properties& properties) override;

  private:
    Alignment alignment_ = Alignment::left;
};

} // namespace pipetto::win
