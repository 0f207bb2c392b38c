#pragma once
// What "Copy as" offers for a colour: its six CSS forms and the nearest colour name.

#include <array>
#include <cstdint>
#include <string_view>

#include "colour/css_colour.h"

namespace pipetto {

struct CopyAsTexts {
    std::array<CssText, css_forms.size()> forms; // in the order of css_forms
    std::string_view nearest_name;
};

CopyAsTexts copy_as_texts(std::uint32_t rgb) noexcept;

} // namespace pipetto
