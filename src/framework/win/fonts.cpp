#include "framework/win/fonts.h"

#include <cwchar>

namespace pipetto::win {

HFONT FontCache::get(const FontSpec& spec, UINT dpi) {
    for (const Entry& entry : fonts_)
        if (entry.dpi == dpi && entry.spec.height == spec.height && entry.spec.bold == spec.bold &&
            entry.spec.underline == spec.underline && std::wcscmp(entry.spec.face, spec.face) == 0)
            return entry.font.get();
    LOGFONTW description{};
    // A negative height asks for the character height, as the layout states it.
    description.lfHeight = -MulDiv(spec.height, static_cast<int>(dpi), 96);
    description.lfWeight = spec.bold ? FW_BOLD : FW_NORMAL;
    description.lfUnderline = spec.underline;
    description.lfCharSet = DEFAULT_CHARSET;
    description.lfQuality = DEFAULT_QUALITY;
    wcsncpy(description.lfFaceName, spec.face, LF_FACESIZE - 1);
    fonts_.push_back({spec, dpi, Font(CreateFontIndirectW(&description))});
    return fonts_.back().font.get();
}

} // namespace pipetto::win
