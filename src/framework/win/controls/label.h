#pragma once
#include "framework/win/graphic_control.h"

namespace pipetto::win {

// A text painted by its parent on its background colour; a label with a click handler
// reacts to clicks.
class Label : public GraphicControl {
  public:
    // A label sizes itself to its text, measured in its font at the window's DPI: one
    // described without a width takes the width of its text; any other keeps its layout
    // size where the text fits in it (always at 96 DPI, the size the layout was made for)
    // and grows where hinting makes the text wider than the scaled layout size.
    void fit_to_text();

    void set_font(HFONT font) override;
    void paint(HDC dc) override;

  protected:
    void configure(const Properties& properties) override;
    void write_text(const wchar_t* text, int length) override;
    // The extent of the caption in pixels, in the label's font selected into `dc`.
    virtual SIZE measured_size(HDC dc) const;
    // The size the label takes for its measured extent.
    virtual SIZE fitted_size(SIZE measured) const;
    HGDIOBJ font_or_default() const;
    Alignment alignment() const noexcept { return alignment_; }
    bool transparent() const noexcept { return transparent_; }

  private:
    Alignment alignment_ = Alignment::left;
    bool transparent_ = false;
};

} // namespace pipetto::win
