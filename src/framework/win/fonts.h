#pragma once
// The fonts of one window, made once per face, height and DPI and shared by its controls.

#include <windows.h>

#include <vector>

#include "framework/win/control.h"
#include "framework/win/handles.h"

namespace pipetto::win {

class FontCache {
  public:
    HFONT get(const FontSpec& wanted, UINT dpi);
    void clear() { fonts_.clear(); }

  private:
    struct Entry {
        FontSpec style;
        UINT dpi;
        Font font;
    };
    std::vector<Entry> fonts_;
};

} // namespace pipetto::win
