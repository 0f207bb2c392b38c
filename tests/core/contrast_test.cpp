// The contrast ratio against a computation of its own, in long double straight from the
// guidelines' formula, for every colour on white and on black; and the verdicts at the
// thresholds, where rounding up would pass what fails.

#include "colour/contrast.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <string>

using namespace pipetto;

namespace {

constexpr std::uint32_t white = 0xFFFFFF, black = 0x000000;

struct Reference {
    std::array<long double, 256> linear{};
    Reference() {
        for (int value = 0; value < 256; ++value) {
            const long double c = value / 255.0L;
            linear[value] = c <= 0.04045L ? c / 12.92L : powl((c + 0.055L) / 1.055L, 2.4L);
        }
    }
    long double luminance(std::uint32_t rgb) const {
        return 0.2126L * linear[rgb & 0xFF] + 0.7152L * linear[(rgb >> 8) & 0xFF] +
               0.0722L * linear[(rgb >> 16) & 0xFF];
    }
    // The ratio times 100, uncut.
    long double hundredfold(std::uint32_t a, std::uint32_t b) const {
        const long double la = luminance(a), lb = luminance(b);
        const long double lighter = la > lb ? la : lb, darker = la > lb ? lb : la;
        return 100.0L * (lighter + 0.05L) / (darker + 0.05L);
    }
};

// The colours nearest a threshold from below and from above it.
struct NearThreshold {
    int threshold;
    long double below = 0, above = 1e9L;
    std::uint32_t below_colour = 0, above_colour = 0, other = 0, other_above = 0;
    void see(long double hundredfold, std::uint32_t colour, std::uint32_t against) {
        if (hundredfold < threshold && hundredfold > below) {
            below = hundredfold;
            below_colour = colour;
            other = against;
        } else if (hundredfold >= threshold && hundredfold < above) {
            above = hundredfold;
            above_colour = colour;
            other_above = against;
        }
    }
};

} // namespace

TEST(Contrast, EveryColourOnWhiteAndOnBlackIsCutLikeTheLongDoubleFormula) {
    const Reference reference;
    std::array<NearThreshold, 3> thresholds{{{300}, {450}, {700}}};
    long mismatches = 0;
    std::string first_mismatch;
    int on_a_boundary = 0;
    for (std::uint32_t colour = 0; colour <= 0xFFFFFF; ++colour) {
        for (const std::uint32_t against : {white, black}) {
            const long double exact = reference.hundredfold(colour, against);
            const int got = contrast_hundredths(colour, against);
            long double whole = std::floor(exact);
            // Within a hair of a whole hundredth only where the ratio is whole (equal
            // colours, black on white); it must then be that hundredth, not one below.
            if (exact - whole > 1 - 1e-9L)
                whole += 1;
            if (exact - whole < 1e-9L) {
                ++on_a_boundary;
                EXPECT_TRUE(colour == against || colour == (white ^ against)) << colour;
            }
            if (got != static_cast<int>(whole) && mismatches++ == 0)
                first_mismatch = std::to_string(colour) + " against " + std::to_string(against) +
                                 ": " + std::to_string(got);
            for (NearThreshold& near : thresholds)
                near.see(exact, colour, against);
        }
    }
    EXPECT_EQ(mismatches, 0) << first_mismatch;
    EXPECT_EQ(on_a_boundary, 4);
    EXPECT_EQ(contrast_hundredths(black, white), 2100);
    EXPECT_EQ(contrast_hundredths(white, white), 100);

    // Just below each threshold a colour fails it, by a cut hundredth; at it, it passes.
    for (const NearThreshold& near : thresholds) {
        const ContrastVerdict below = judge_contrast(near.below_colour, near.other);
        const ContrastVerdict above = judge_contrast(near.above_colour, near.other_above);
        EXPECT_EQ(below.hundredths, near.threshold - 1) << static_cast<double>(near.below);
        EXPECT_EQ(above.hundredths, near.threshold) << static_cast<double>(near.above);
        const auto passes = [&](const ContrastVerdict& verdict) {
            switch (near.threshold) {
            case 300:
                return verdict.large_aa && verdict.ui;
            case 450:
                return verdict.aa && verdict.large_aaa;
            default:
                return verdict.aaa;
            }
        };
        EXPECT_FALSE(passes(below)) << near.threshold;
        EXPECT_TRUE(passes(above)) << near.threshold;
    }
}

TEST(Contrast, TheVerdictLineNamesTheTextColourFirstAndEveryItemInOrder) {
    EXPECT_EQ(verdict_line(0x767676, white),
              "#767676 on #FFFFFF: 4.54:1, AA pass, AAA fail, large AA pass, large AAA pass, "
              "UI pass");
    // Swapped, the ratio is the same; the colours change places.
    EXPECT_EQ(verdict_line(white, 0x767676),
              "#FFFFFF on #767676: 4.54:1, AA pass, AAA fail, large AA pass, large AAA pass, "
              "UI pass");
    EXPECT_EQ(verdict_line(0x00FF901E, black),
              "#1E90FF on #000000: 6.48:1, AA pass, AAA fail, large AA pass, large AAA pass, "
              "UI pass");
    EXPECT_EQ(verdict_line(0x777777, 0x777777),
              "#777777 on #777777: 1.00:1, AA fail, AAA fail, large AA fail, large AAA fail, "
              "UI fail");
    EXPECT_EQ(ratio_text(2100), "21.00:1");
    EXPECT_EQ(ratio_text(405), "4.05:1");
}
