#pragma once
// The one bitmap format our pictures are read and drawn in: 32-bit pixels (blue, green,
// red, unused), the top row first.

#include <windows.h>

namespace pipetto::win {

inline BITMAPINFO top_down_32_bit_format(int width, int height) {
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = width;
    format.bmiHeader.biHeight = -height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    return format;
}

} // namespace pipetto::win
