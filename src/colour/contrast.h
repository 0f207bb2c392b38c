#pragma once
// The contrast of text on a background as the web's accessibility guidelines (WCAG 2.x)
// define it: relative luminance of 8-bit sRGB colours, the ratio of the lighter to the
// darker, and the five verdicts designers look up.

#include <cstdint>
#include <string>

#include "colour/colour_value.h"

namespace pipetto {

// The relative luminance, 0 for black to 1 for white, of a painted colour ($00BBGGRR).
double relative_luminance(std::uint32_t rgb) noexcept;

// The contrast ratio of two painted colours in hundredths, cut after the second decimal
// and never rounded up: 4.499 is 449, so it fails the 4.5 that AA asks. From 100 (equal
// luminance) to 2100 (black and white); the order of the two doesn't matter.
int contrast_hundredths(std::uint32_t first_rgb, std::uint32_t second_rgb) noexcept;

struct ContrastVerdict {
    int hundredths = 100;
    bool aa = false;        // normal text, 4.5
    bool aaa = false;       // normal text, 7
    bool large_aa = false;  // large text, 3
    bool large_aaa = false; // large text, 4.5
    bool ui = false;        // controls and graphics, 3
    friend bool operator==(const ContrastVerdict&, const ContrastVerdict&) = default;
};

// Text and background may be system colours: each is judged as it is painted.
ContrastVerdict judge_contrast(TColor text, TColor background);

// "4.54:1".
std::string ratio_text(int hundredths);

// The line designers paste into reviews, text colour first:
// "#767676 on #FFFFFF: 4.54:1, AA pass, AAA fail, large AA pass, large AAA pass, UI pass".
std::string verdict_line(TColor text, TColor background);

} // namespace pipetto
