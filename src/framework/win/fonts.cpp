#include "framework/win/fonts.h"

#include <cwchar>

namespace pipetto::win {

HFONT FontCache::get(const FontSpec& wanted, UINT dpi) {
    for (const Entry& entry : fonts_)
        if (entry.dpi == dpi && entry.style.height == wanted.height &&
            entry.style.bold == wanted.bold && entry.style.underline == wanted.underline &&
            std::wcscmp(entry.style.face, wanted.face) == 0)
            return entry.font.get();
    LOGFONTW description{};
    // A negative height asks for the character height, as the layout states it.
    description.lfHeight = -MulDiv(wanted.height, static_cast<int>(dpi), 96);
    description.lfWeight = wanted.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = wanted.underline;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    wcsncpy(description.lfFaceName, wanted.face, LF_FACESIZE - 1);
    fonts_.push_back({wanted, dpi, Font(CreateFontIndirectW(&description))});
    return fonts_.back().font.get();
}

} // namespace pipetto::win
