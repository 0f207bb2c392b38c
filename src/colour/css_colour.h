#pragma once
// The colour in the forms of today's CSS: hsl(), hwb(), lab(), lch(), oklab() and oklch(),
// by the conversions of CSS Color 4 from 8-bit sRGB. Every text is the correctly rounded
// value, with just enough decimals that a browser paints exactly the colour it came from.

#include <array>
#include <cstdint>
#include <string_view>

#include "colour/fixed_text.h"

namespace pipetto {

enum class CssForm { hsl, hwb, lab, lch, oklab, oklch };

// In the order the menus list them.
inline constexpr std::array<CssForm, 6> css_forms = {CssForm::hsl, CssForm::hwb,   CssForm::lab,
                                                     CssForm::lch, CssForm::oklab, CssForm::oklch};

// The three numbers of a form, in the order the text writes them, in its units: degrees
// for a hue, percent for hsl's and hwb's components and for Oklab's lightness, and plain
// numbers for the rest (Lab lightness from 0 to 100).
using CssComponents = std::array<double, 3>;
// How many decimals each component is written with.
using CssDecimals = std::array<int, 3>;

// "oklch(65.2% 0.19012 253.21)": long enough for the longest text of any form.
using CssText = FixedText<40>;

// The decimals the texts are written with: the fewest for which every 8-bit colour comes
// back as itself, within 0.45 of a level on every channel.
CssDecimals css_decimals(CssForm form) noexcept;

// "oklch".
std::string_view css_form_name(CssForm form) noexcept;
// Whether component `index` of the form is written with a "%".
bool css_component_is_percent(CssForm form, int index) noexcept;

// The exact components of a painted colour ($00BBGGRR). A grey's hue is 0.
CssComponents css_components(CssForm form, std::uint32_t rgb) noexcept;

// The other way, as a browser reads the text's numbers: sRGB red, green and blue from
// 0 to 1 (not clipped).
std::array<double, 3> css_components_to_srgb(CssForm form,
                                             const CssComponents& components) noexcept;

// The text of a painted colour, each component correctly rounded to its decimals, trailing
// zeros dropped: "hsl(0 100% 50%)".
CssText css_text(CssForm form, std::uint32_t rgb) noexcept;
CssText css_text(CssForm form, std::uint32_t rgb, const CssDecimals& decimals) noexcept;

} // namespace pipetto
