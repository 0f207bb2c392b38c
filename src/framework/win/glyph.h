#pragma once
// Button glyphs: 24-bit bitmaps whose bottom-left pixel gives the background colour,
// which is drawn as transparent.

#include <windows.h>

#include "framework/win/handles.h"

namespace pipetto::win {

// Loads a glyph bitmap resource with its background colour replaced by `background`.
Bitmap load_glyph(int resource, COLORREF background);

} // namespace pipetto::win
