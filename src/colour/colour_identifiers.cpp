#include "colour/colour_identifiers.h"

#include "colour/integer_conversion.h"

#include <algorithm>
#include <array>

namespace pipetto {

namespace {

struct ColourIdentifier {
    std::string_view name;
    TColor value;
};

constexpr std::array<ColourIdentifier, 52> colour_identifiers = {{
    {"clBlack", clBlack},
    {"clMaroon", clMaroon},
    {"clGreen", clGreen},
    {"clOlive", clOlive},
    {"clNavy", clNavy},
    {"clPurple", clPurple},
    {"clTeal", clTeal},
    {"clGray", clGray},
    {"clSilver", clSilver},
    {"clRed", clRed},
    {"clLime", clLime},
    {"clYellow", clYellow},
    {"clBlue", clBlue},
    {"clFuchsia", clFuchsia},
    {"clAqua", clAqua},
    {"clWhite", clWhite},
    {"clMoneyGreen", clMoneyGreen},
    {"clSkyBlue", clSkyBlue},
    {"clCream", clCream},
    {"clMedGray", clMedGray},
    {"clActiveBorder", clActiveBorder},
    {"clActiveCaption", clActiveCaption},
    {"clAppWorkSpace", clAppWorkSpace},
    {"clBackground", clBackground},
    {"clBtnFace", clBtnFace},
    {"clBtnHighlight", clBtnHighlight},
    {"clBtnShadow", clBtnShadow},
    {"clBtnText", clBtnText},
    {"clCaptionText", clCaptionText},
    {"clDefault", clDefault},
    {"clGradientActiveCaption", clGradientActiveCaption},
    {"clGradientInactiveCaption", clGradientInactiveCaption},
    {"clGrayText", clGrayText},
    {"clHighlight", clHighlight},
    {"clHighlightText", clHighlightText},
    {"clHotLight", clHotLight},
    {"clInactiveBorder", clInactiveBorder},
    {"clInactiveCaption", clInactiveCaption},
    {"clInactiveCaptionText", clInactiveCaptionText},
    {"clInfoBk", clInfoBk},
    {"clInfoText", clInfoText},
    {"clMenu", clMenu},
    {"clMenuBar", clMenuBar},
    {"clMenuHighlight", clMenuHighlight},
    {"clMenuText", clMenuText},
    {"clNone", clNone},
    {"clScrollBar", clScrollBar},
    {"cl3DDkShadow", cl3DDkShadow},
    {"cl3DLight", cl3DLight},
    {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame},
    {"clWindowText", clWindowText},
}};

// ASCII only: identifiers are plain letters and digits, and bytes of other
// code pages must not fold into them.
constexpr char ascii_lower(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c;
}

bool equal_ignoring_case(std::string_view a, std::string_view b) noexcept {
    return std::ranges::equal(a, b,
                              [](char x, char y) { return ascii_lower(x) == ascii_lower(y); });
}

} // namespace

std::optional<TColor> colour_identifier_value(std::string_view identifier) noexcept {
    for (const auto& entry : colour_identifiers)
        if (equal_ignoring_case(entry.name, identifier))
            return entry.value;
    return std::nullopt;
}

std::optional<TColor> try_colour_from_text(std::string_view text) noexcept {
    if (auto value = colour_identifier_value(text))
        return value;
    if (auto number = try_str_to_int(text))
        return static_cast<TColor>(*number);
    return std::nullopt;
}

TColor colour_from_text(std::string_view text) {
    if (auto value = colour_identifier_value(text))
        return *value;
    return static_cast<TColor>(str_to_int(text));
}

} // namespace pipetto
