#include "colour/css_colour.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "colour/colour_value.h"

namespace pipetto {
namespace {

using Vector = std::array<double, 3>;
using Matrix = std::array<Vector, 3>;

Vector times(const Matrix& m, const Vector& v) noexcept {
    return {m[0][0] * v[0] + m[0][1] * v[1] + m[0][2] * v[2],
            m[1][0] * v[0] + m[1][1] * v[1] + m[1][2] * v[2],
            m[2][0] * v[0] + m[2][1] * v[1] + m[2][2] * v[2]};
}

// The matrices of CSS Color 4, to the digits it gives them.
constexpr Matrix linear_srgb_to_xyz_d65 = {{
    {506752.0 / 1228815, 87881.0 / 245763, 12673.0 / 70218},
    {87098.0 / 409605, 175762.0 / 245763, 12673.0 / 175545},
    {7918.0 / 409605, 87881.0 / 737289, 1001167.0 / 1053270},
}};
constexpr Matrix xyz_d65_to_linear_srgb = {{
    {12831.0 / 3959, -329.0 / 214, -1974.0 / 3959},
    {-851781.0 / 878810, 1648619.0 / 878810, 36519.0 / 878810},
    {705.0 / 12673, -2585.0 / 12673, 705.0 / 667},
}};
// Bradford's chromatic adaptation between the white points of sRGB and of Lab.
constexpr Matrix d65_to_d50 = {{
    {1.0479297925449969, 0.022946870601609652, -0.05019226628920524},
    {0.02962780877005599, 0.9904344267538799, -0.017073799063418826},
    {-0.009243040646204504, 0.015055191490298152, 0.7518742814281371},
}};
constexpr Matrix d50_to_d65 = {{
    {0.955473421488075, -0.02309845494876471, 0.06325924320057072},
    {-0.0283697093338637, 1.0099953980813041, 0.021041441191917323},
    {0.012314014864481998, -0.020507649298898964, 1.330365926242124},
}};
constexpr Vector d50_white = {0.3457 / 0.3585, 1.0, (1.0 - 0.3457 - 0.3585) / 0.3585};
constexpr Matrix xyz_d65_to_lms = {{
    {0.8190224379967030, 0.3619062600528904, -0.1288737815209879},
    {0.0329836539323885, 0.9292868615863434, 0.0361446663506424},
    {0.0481771893596242, 0.2642395317527308, 0.6335478284694309},
}};
constexpr Matrix lms_to_oklab = {{
    {0.2104542683093140, 0.7936177747023054, -0.0040720430116193},
    {1.9779985324311684, -2.4285922420485799, 0.4505937096174110},
    {0.0259040424655478, 0.7827717124575296, -0.8086757549230774},
}};
constexpr Matrix oklab_to_lms = {{
    {1.0, 0.3963377773761749, 0.2158037573099136},
    {1.0, -0.1055613458156586, -0.0638541728258133},
    {1.0, -0.0894841775298119, -1.2914855480194092},
}};
constexpr Matrix lms_to_xyz_d65 = {{
    {1.2268798758459243, -0.5578149944602171, 0.2813910456659647},
    {-0.0405757452148008, 1.1122868032803170, -0.0717110580655164},
    {-0.0763729366746601, -0.4214933324022432, 1.5869240198367816},
}};

// Lab's constants, as exact ratios.
constexpr double lab_epsilon = 216.0 / 24389;
constexpr double lab_kappa = 24389.0 / 27;

// The linear light of each 8-bit channel value, by the sRGB transfer function.
const std::array<double, 256>& linear_channel() noexcept {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linear{};
        for (int value = 0; value < 256; ++value) {
            const double c = value / 255.0;
            linear[value] = c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
        }
        return linear;
    }();
    return table;
}

double gamma_encoded(double linear) noexcept {
    const double magnitude = std::abs(linear);
    const double encoded =
        magnitude > 0.0031308 ? 1.055 * std::pow(magnitude, 1 / 2.4) - 0.055 : 12.92 * magnitude;
    return std::copysign(encoded, linear);
}

Vector linear_srgb_of(std::uint32_t rgb) noexcept {
    const auto& linear = linear_channel();
    return {linear[red_of(rgb)], linear[green_of(rgb)], linear[blue_of(rgb)]};
}

Vector srgb_of_linear(const Vector& linear) noexcept {
    return {gamma_encoded(linear[0]), gamma_encoded(linear[1]), gamma_encoded(linear[2])};
}

double degrees_of(double y, double x) noexcept {
    const double degrees = std::atan2(y, x) * (180 / std::numbers::pi);
    return degrees < 0 ? degrees + 360 : degrees;
}

// Lab or Oklab's a and b as chroma and hue; a grey has hue 0.
Vector polar(const Vector& lab, bool grey) noexcept {
    return {lab[0], std::hypot(lab[1], lab[2]), grey ? 0.0 : degrees_of(lab[2], lab[1])};
}

Vector cartesian(const Vector& lch) noexcept {
    const double radians = lch[2] * (std::numbers::pi / 180);
    return {lch[0], lch[1] * std::cos(radians), lch[1] * std::sin(radians)};
}

Vector lab_of(std::uint32_t rgb) noexcept {
    const Vector xyz = times(d65_to_d50, times(linear_srgb_to_xyz_d65, linear_srgb_of(rgb)));
    Vector f{};
    for (int i = 0; i < 3; ++i) {
        const double scaled = xyz[i] / d50_white[i];
        f[i] = scaled > lab_epsilon ? std::cbrt(scaled) : (lab_kappa * scaled + 16) / 116;
    }
    return {116 * f[1] - 16, 500 * (f[0] - f[1]), 200 * (f[1] - f[2])};
}

Vector srgb_of_lab(const Vector& lab) noexcept {
    const double f1 = (lab[0] + 16) / 116;
    const double f0 = lab[1] / 500 + f1;
    const double f2 = f1 - lab[2] / 200;
    const auto expand = [](double f) {
        const double cube = f * f * f;
        return cube > lab_epsilon ? cube : (116 * f - 16) / lab_kappa;
    };
    const double y = lab[0] > lab_kappa * lab_epsilon ? f1 * f1 * f1 : lab[0] / lab_kappa;
    const Vector xyz_d50 = {expand(f0) * d50_white[0], y * d50_white[1], expand(f2) * d50_white[2]};
    return srgb_of_linear(times(xyz_d65_to_linear_srgb, times(d50_to_d65, xyz_d50)));
}

// Oklab with its lightness from 0 to 1.
Vector oklab_of(std::uint32_t rgb) noexcept {
    Vector lms = times(xyz_d65_to_lms, times(linear_srgb_to_xyz_d65, linear_srgb_of(rgb)));
    for (double& c : lms)
        c = std::cbrt(c);
    return times(lms_to_oklab, lms);
}

Vector srgb_of_oklab(const Vector& oklab) noexcept {
    Vector lms = times(oklab_to_lms, oklab);
    for (double& c : lms)
        c = c * c * c;
    return srgb_of_linear(times(xyz_d65_to_linear_srgb, times(lms_to_xyz_d65, lms)));
}

// The hue of hsl() and hwb(), in degrees; 0 for a grey.
double hsl_hue(double r, double g, double b) noexcept {
    const double max = std::max({r, g, b});
    const double d = max - std::min({r, g, b});
    if (d == 0)
        return 0;
    double hue = max == r   ? (g - b) / d + (g < b ? 6 : 0)
                 : max == g ? (b - r) / d + 2
                            : (r - g) / d + 4;
    return hue * 60;
}

Vector hsl_of(std::uint32_t rgb) noexcept {
    const double r = red_of(rgb) / 255.0, g = green_of(rgb) / 255.0, b = blue_of(rgb) / 255.0;
    const double max = std::max({r, g, b}), min = std::min({r, g, b});
    const double light = (min + max) / 2;
    const double saturation =
        max == min || light == 0 || light == 1 ? 0 : (max - light) / std::min(light, 1 - light);
    return {hsl_hue(r, g, b), saturation * 100, light * 100};
}

Vector srgb_of_hsl(double hue, double saturation, double light) noexcept {
    const double a = saturation * std::min(light, 1 - light);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return light - a * std::max(-1.0, std::min({k - 3, 9 - k, 1.0}));
    };
    return {channel(0), channel(8), channel(4)};
}

Vector hwb_of(std::uint32_t rgb) noexcept {
    const double r = red_of(rgb) / 255.0, g = green_of(rgb) / 255.0, b = blue_of(rgb) / 255.0;
    return {hsl_hue(r, g, b), std::min({r, g, b}) * 100, (1 - std::max({r, g, b})) * 100};
}

Vector srgb_of_hwb(double hue, double white, double black) noexcept {
    if (white + black >= 1) {
        const double grey = white / (white + black);
        return {grey, grey, grey};
    }
    Vector rgb = srgb_of_hsl(hue, 1, 0.5);
    for (double& c : rgb)
        c = c * (1 - white - black) + white;
    return rgb;
}

bool is_grey(std::uint32_t rgb) noexcept {
    return red_of(rgb) == green_of(rgb) && green_of(rgb) == blue_of(rgb);
}

// Where `magnitude` times 10^decimals lies against `below` + 0.5: above (1), below (-1) or
// exactly on it (0), worked out from the double's bits, without rounding.
int side_of_half(double magnitude, int decimals, std::uint64_t below) noexcept {
    using Wide = unsigned __int128;
    int exponent = 0;
    const double fraction = std::frexp(magnitude, &exponent);
    // magnitude = mantissa * 2^-shift exactly.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - exponent;
    Wide scaled = mantissa;
    for (int d = 0; d < decimals; ++d)
        scaled *= 10;
    // Both sides doubled: 2 * mantissa * 10^decimals against (2 * below + 1) * 2^shift.
    scaled *= 2;
    const Wide half = 2 * static_cast<Wide>(below) + 1;
    if (shift <= 0)
        return 1; // a whole number of 2^53 or more: far from any half of the values here
    // The half fits 128 bits shifted by up to 76; a larger shift drops low bits of the
    // scaled value first, which only matter on equal high bits.
    const int dropped = shift > 76 ? shift - 76 : 0;
    const Wide high = dropped >= 128 ? 0 : scaled >> dropped;
    const Wide target = half << (shift - dropped);
    if (high != target)
        return high > target ? 1 : -1;
    const bool rest = dropped > 0 && dropped < 128 && (scaled & ((Wide{1} << dropped) - 1)) != 0;
    return rest ? 1 : 0;
}

// `value` written with `decimals` (at most 9), correctly rounded, a tie to the even digit:
// the scaled value rounds to the same integer as `value` itself does unless it lies next to
// a half, where the double's exact value decides.
void append_rounded(std::string_view& written, char* digits, std::size_t size, double value,
                    int decimals) {
    static constexpr double powers[] = {1, 10, 100, 1e3, 1e4, 1e5, 1e6, 1e7, 1e8, 1e9};
    decimals = std::clamp(decimals, 0, 9);
    const double magnitude = std::abs(value);
    const double scaled = magnitude * powers[decimals];
    const double below = std::floor(scaled);
    auto units = static_cast<std::uint64_t>(below);
    if (std::abs(scaled - below - 0.5) < 1e-6 + scaled * 1e-15) {
        const int side = side_of_half(magnitude, decimals, units);
        units += side > 0 || (side == 0 && units % 2 == 1) ? 1 : 0;
    } else if (scaled - below > 0.5) {
        ++units;
    }
    // The digits from the right: the decimals, the point, the whole part, the sign.
    char* end = digits + size;
    char* at = end;
    for (int d = 0; d < decimals; ++d) {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    if (decimals > 0)
        *--at = '.';
    do {
        *--at = static_cast<char>('0' + units % 10);
        units /= 10;
    } while (units != 0);
    if (value < 0)
        *--at = '-';
    written = std::string_view(at, static_cast<std::size_t>(end - at));
}

// Trailing zeros dropped; a hue that comes to 360 is written as 0, and a zero never gets a
// sign.
void append_number(CssText& text, double value, int decimals, bool hue) {
    char digits[48];
    std::string_view written;
    append_rounded(written, digits, sizeof digits, value, decimals);
    if (written.find('.') != std::string_view::npos) {
        while (written.back() == '0')
            written.remove_suffix(1);
        if (written.back() == '.')
            written.remove_suffix(1);
    }
    if (written == "-0" || (hue && written == "360"))
        written = "0";
    text.append(written);
}

} // namespace

CssDecimals css_decimals(CssForm form) noexcept {
    switch (form) {
    case CssForm::hsl:
        return {1, 1, 2};
    case CssForm::hwb:
        return {1, 1, 1};
    case CssForm::lab:
        return {2, 2, 2};
    case CssForm::lch:
        return {2, 2, 2};
    case CssForm::oklab:
        return {2, 5, 5};
    case CssForm::oklch:
        return {2, 5, 3};
    }
    return {};
}

std::string_view css_form_name(CssForm form) noexcept {
    switch (form) {
    case CssForm::hsl:
        return "hsl";
    case CssForm::hwb:
        return "hwb";
    case CssForm::lab:
        return "lab";
    case CssForm::lch:
        return "lch";
    case CssForm::oklab:
        return "oklab";
    case CssForm::oklch:
        return "oklch";
    }
    return {};
}

bool css_component_is_percent(CssForm form, int index) noexcept {
    switch (form) {
    case CssForm::hsl:
    case CssForm::hwb:
        return index > 0;
    case CssForm::oklab:
    case CssForm::oklch:
        return index == 0;
    case CssForm::lab:
    case CssForm::lch:
        return false;
    }
    return false;
}

CssComponents css_components(CssForm form, std::uint32_t rgb) noexcept {
    switch (form) {
    case CssForm::hsl:
        return hsl_of(rgb);
    case CssForm::hwb:
        return hwb_of(rgb);
    case CssForm::lab:
        return lab_of(rgb);
    case CssForm::lch:
        return polar(lab_of(rgb), is_grey(rgb));
    case CssForm::oklab: {
        Vector oklab = oklab_of(rgb);
        oklab[0] *= 100;
        return oklab;
    }
    case CssForm::oklch: {
        Vector oklch = polar(oklab_of(rgb), is_grey(rgb));
        oklch[0] *= 100;
        return oklch;
    }
    }
    return {};
}

std::array<double, 3> css_components_to_srgb(CssForm form, const CssComponents& c) noexcept {
    switch (form) {
    case CssForm::hsl:
        return srgb_of_hsl(c[0], c[1] / 100, c[2] / 100);
    case CssForm::hwb:
        return srgb_of_hwb(c[0], c[1] / 100, c[2] / 100);
    case CssForm::lab:
        return srgb_of_lab(c);
    case CssForm::lch:
        return srgb_of_lab(cartesian(c));
    case CssForm::oklab:
        return srgb_of_oklab({c[0] / 100, c[1], c[2]});
    case CssForm::oklch:
        return srgb_of_oklab(cartesian({c[0] / 100, c[1], c[2]}));
    }
    return {};
}

CssText css_text(CssForm form, std::uint32_t rgb) noexcept {
    return css_text(form, rgb, css_decimals(form));
}

CssText css_text(CssForm form, std::uint32_t rgb, const CssDecimals& decimals) noexcept {
    const CssComponents components = css_components(form, rgb);
    const bool polar_form = form == CssForm::lch || form == CssForm::oklch;
    const bool hue_first = form == CssForm::hsl || form == CssForm::hwb;
    CssText text;
    text.append(css_form_name(form));
    text.append('(');
    for (int i = 0; i < 3; ++i) {
        if (i > 0)
            text.append(' ');
        const bool hue = (hue_first && i == 0) || (polar_form && i == 2);
        append_number(text, components[i], decimals[i], hue);
        if (css_component_is_percent(form, i))
            text.append('%');
    }
    text.append(')');
    return text;
}

} // namespace pipetto
