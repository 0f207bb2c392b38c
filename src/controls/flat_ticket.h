#pragma once
// TFlatTicket: the caption label of a flat edit, windowless, painted by the edit's parent,
// transparent and sized to its caption.

#include <windows.h>

#include "framework/win/controls/label.h"

namespace pipetto {

class TFlatTicket : public win::Label {
  public:
    void set_font(HFONT font) override;

    // A ticket above its edit keeps its lowest row of ink where the layout puts it at 96
    // DPI, scaled. Hinted fonts grow their ascent more than in proportion, and a ticket
    // placed by its top edge would let its letters creep out below whatever covers it.
    void set_keeps_baseline(bool keeps);
    void align_baseline();

  private:
    bool keeps_baseline_ = false;
};

} // namespace pipetto
