#include "colour/css_colour.h"
#include "colour/named_colours.h"
#include "colour/nearest_named_colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>

#include "support/css_round_trip.h"

using namespace pipetto;
using pipetto::testing::read_css_text;
using pipetto::testing::round_trip_error;
using pipetto::testing::worst_round_trip_error;

namespace {

constexpr double margin = 0.45;

std::uint32_t rgb(int r, int g, int b) {
    return static_cast<std::uint32_t>(r | g << 8 | b << 16);
}

std::string form_name(CssForm form) {
    return std::string(css_form_name(form));
}

} // namespace

TEST(CssColour, TextsAreShortAndWrittenAsCssColour4Reads) {
    const std::uint32_t dodger_blue = rgb(0x1E, 0x90, 0xFF);
    EXPECT_EQ(css_text(CssForm::hsl, dodger_blue), "hsl(209.6 100% 55.88%)");
    EXPECT_EQ(css_text(CssForm::hwb, dodger_blue), "hwb(209.6 11.8% 0%)");
    EXPECT_EQ(css_text(CssForm::lab, dodger_blue), "lab(58.36 0.89 -64.78)");
    EXPECT_EQ(css_text(CssForm::lch, dodger_blue), "lch(58.36 64.79 270.79)");
    EXPECT_EQ(css_text(CssForm::oklab, dodger_blue), "oklab(65.2% -0.05493 -0.18201)");
    EXPECT_EQ(css_text(CssForm::oklch, dodger_blue), "oklch(65.2% 0.19012 253.205)");
    // Trailing zeros go, and whole numbers have no point.
    EXPECT_EQ(css_text(CssForm::hsl, rgb(255, 0, 0)), "hsl(0 100% 50%)");
    EXPECT_EQ(css_text(CssForm::hwb, rgb(0, 0, 255)), "hwb(240 0% 0%)");
    // Greys have hue 0 and no chroma, never a "-0" from a hair below zero.
    for (int level : {0, 1, 127, 128, 254, 255}) {
        const std::uint32_t grey = rgb(level, level, level);
        for (const CssForm form : css_forms) {
            const std::string text(css_text(form, grey));
            EXPECT_EQ(text.find("-"), std::string::npos) << text;
            const auto read = read_css_text(text);
            ASSERT_TRUE(read) << text;
            // Lab's and Oklab's a and b, or chroma and hue; hsl's hue and saturation.
            const bool hue_first = form == CssForm::hsl || form == CssForm::hwb;
            EXPECT_EQ(read->components[hue_first ? 0 : 1], 0) << text;
            if (form != CssForm::hwb) {
                EXPECT_EQ(read->components[hue_first ? 1 : 2], 0) << text;
            }
        }
    }
    EXPECT_EQ(css_text(CssForm::lab, rgb(255, 255, 255)), "lab(100 0 0)");
    EXPECT_EQ(css_text(CssForm::oklch, rgb(0, 0, 0)), "oklch(0% 0 0)");
    EXPECT_EQ(css_text(CssForm::oklab, rgb(255, 255, 255)), "oklab(100% 0 0)");
}

// The decimals are the fewest that bring every one of the 16,777,216 colours back to its
// own 8-bit value within the margin: with them all come back, and with one decimal fewer
// on any component some colour doesn't.
TEST(CssColour, EveryColourComesBackFromItsTextWithTheFewestDecimals) {
    for (const CssForm form : css_forms) {
        const CssDecimals decimals = css_decimals(form);
        EXPECT_LE(worst_round_trip_error(form, decimals), margin) << form_name(form);
        for (std::size_t i = 0; i < 3; ++i) {
            if (decimals[i] == 0)
                continue;
            CssDecimals fewer = decimals;
            --fewer[i];
            EXPECT_GT(worst_round_trip_error(form, fewer, margin), margin)
                << form_name(form) << " component " << i + 1;
        }
    }
}

// Each number is the exact value rounded to its decimals, not some other value that
// happens to paint the same pixel.
TEST(CssColour, NumbersAreTheExactValuesCorrectlyRounded) {
    std::mt19937 random(28);
    for (int n = 0; n < 200000; ++n) {
        const std::uint32_t colour = random() & 0xFFFFFF;
        for (const CssForm form : css_forms) {
            const std::string text(css_text(form, colour));
            const auto read = read_css_text(text);
            ASSERT_TRUE(read) << text;
            const CssComponents exact = css_components(form, colour);
            const CssDecimals decimals = css_decimals(form);
            for (std::size_t i = 0; i < 3; ++i) {
                double difference = std::abs(read->components[i] - exact[i]);
                // A hue next to 360 is written as 0.
                if (read->components[i] == 0 && exact[i] > 359)
                    difference = std::abs(360 - exact[i]);
                EXPECT_LE(difference, 0.5 * std::pow(10.0, -decimals[i]) * (1 + 1e-9))
                    << text << " component " << i + 1;
            }
            ASSERT_LE(round_trip_error(text, colour), margin) << text;
        }
    }
}

TEST(NearestColourName, ANamedColourGetsItsOwnFirstName) {
    const auto table = named_colours();
    for (const NamedColour& entry : table) {
        const auto value =
            static_cast<std::uint32_t>(std::stoul(std::string(entry.code.substr(1)), nullptr, 16));
        const std::uint32_t colour = rgb(value >> 16, (value >> 8) & 0xFF, value & 0xFF);
        // DodgerBlue1 shares DodgerBlue's code and gets the first of the two.
        EXPECT_EQ(nearest_colour_name(colour), colour_name_of(entry.code).value()) << entry.name;
    }
    EXPECT_EQ(nearest_colour_name(rgb(0x1E, 0x90, 0xFF)), "DodgerBlue");
}

namespace {

// Oklab as first published, from linear sRGB straight to the cone responses and with
// matrices of its own digits, for a second opinion on the nearest name.
std::array<double, 3> published_oklab(std::uint32_t colour) {
    double linear[3];
    for (int c = 0; c < 3; ++c) {
        const double v = ((colour >> (8 * c)) & 0xFF) / 255.0;
        linear[c] = v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    }
    const double l =
        std::cbrt(0.4122214708 * linear[0] + 0.5363325363 * linear[1] + 0.0514459929 * linear[2]);
    const double m =
        std::cbrt(0.2119034982 * linear[0] + 0.6806995451 * linear[1] + 0.1073969566 * linear[2]);
    const double s =
        std::cbrt(0.0883024619 * linear[0] + 0.2817188376 * linear[1] + 0.6299787005 * linear[2]);
    return {0.2104542553 * l + 0.7936177850 * m - 0.0040720468 * s,
            1.9779984951 * l - 2.4285922050 * m + 0.4505937099 * s,
            0.0259040371 * l + 0.7827717662 * m - 0.8086757660 * s};
}

} // namespace

TEST(NearestColourName, UnnamedColoursGetTheNameThatLooksNearest) {
    std::mt19937 random(649);
    for (int n = 0; n < 300; ++n) {
        const std::uint32_t colour = random() & 0xFFFFFF;
        const auto mine = published_oklab(colour);
        std::string_view nearest;
        double nearest_distance = INFINITY;
        for (const NamedColour& entry : named_colours()) {
            const auto value = static_cast<std::uint32_t>(
                std::stoul(std::string(entry.code.substr(1)), nullptr, 16));
            const auto theirs =
                published_oklab(rgb(value >> 16, (value >> 8) & 0xFF, value & 0xFF));
            double distance = 0;
            for (int c = 0; c < 3; ++c)
                distance += (mine[c] - theirs[c]) * (mine[c] - theirs[c]);
            if (distance < nearest_distance)
                nearest = entry.name, nearest_distance = distance;
        }
        EXPECT_EQ(nearest_colour_name(colour), nearest) << std::hex << colour;
    }
    // One step off a named colour is still that colour.
    EXPECT_EQ(nearest_colour_name(rgb(0x1C, 0x90, 0xFF)), "DodgerBlue");
}
