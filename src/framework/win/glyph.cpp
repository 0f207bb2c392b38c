#include "framework/win/glyph.h"

#include <vector>

namespace pipetto::win {

Bitmap load_glyph(int resource, COLORREF background) {
    Bitmap loaded(
        static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource),
                                        IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    if (!loaded)
        return loaded;
    BITMAP shape{};
    GetObjectW(loaded.get(), sizeof shape, &shape);
    BITMAPINFO format{};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = shape.bmWidth;
    format.bmiHeader.biHeight = shape.bmHeight; // bottom-up: row 0 is the bottom row
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    std::vector<RGBQUAD> pixels(static_cast<size_t>(shape.bmWidth) * shape.bmHeight);
    WindowDC screen(nullptr);
    GetDIBits(screen.get(), loaded.get(), 0, shape.bmHeight, pixels.data(), &format,
              DIB_RGB_COLORS);
    const RGBQUAD transparent = pixels.front(); // the bottom-left pixel
    const RGBQUAD replacement{GetBValue(background), GetGValue(background), GetRValue(background),
                              0};
    for (RGBQUAD& pixel : pixels)
        if (pixel.rgbBlue == transparent.rgbBlue && pixel.rgbGreen == transparent.rgbGreen &&
            pixel.rgbRed == transparent.rgbRed)
            pixel = replacement;
    SetDIBits(screen.get(), loaded.get(), 0, shape.bmHeight, pixels.data(), &format,
              DIB_RGB_COLORS);
    return loaded;
}

} // namespace pipetto::win
