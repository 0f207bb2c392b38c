#include "colour/copy_as_texts.h"

#include "colour/nearest_named_colour.h"

namespace pipetto {

CopyAsTexts copy_as_texts(std::uint32_t rgb) noexcept {
    CopyAsTexts texts;
    for (std::size_t i = 0; i < css_forms.size(); ++i)
        texts.forms[i] = css_text(css_forms[i], rgb);
    texts.nearest_name = nearest_colour_name(rgb);
    return texts;
}

} // namespace pipetto
