#pragma once
// CSS custom properties (".css"): one ":root" block with a "--name: #rrggbb;" line per
// colour, in list order, for a style sheet to take in. There is no reader: the colours
// come back into the picker from the other formats.

#include <string>
#include <string_view>

#include "palettes/palette.h"

namespace pipetto {

// The part after "--" that a name (UTF-8) becomes: ASCII letters in lower case and digits
// kept, every run of other characters one "-", none at either end; "color-" before a
// name that would start with a digit or be empty.
std::string css_property_name(std::string_view name);

// The whole file. A name that collides with an earlier one gets "-2", "-3" and so on; a
// line whose property name differs from the colour's name keeps that name in a comment.
std::string css_text(const Palette& palette);

} // namespace pipetto
