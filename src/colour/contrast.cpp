#include "colour/contrast.h"

#include <cmath>
#include <utility>

#include "colour/linear_light.h"

namespace pipetto {
namespace {

constexpr int aa_normal = 450, aaa_normal = 700, aa_large = 300, aaa_large = 450, non_text = 300;

const char* pass_or_fail(bool passes) {
    return passes ? "pass" : "fail";
}

} // namespace

double relative_luminance(std::uint32_t rgb) noexcept {
    const auto& linear = linear_light_levels();
    return 0.2126 * linear[red_of(rgb)] + 0.7152 * linear[green_of(rgb)] +
           0.0722 * linear[blue_of(rgb)];
}

int contrast_hundredths(std::uint32_t first_rgb, std::uint32_t second_rgb) noexcept {
    double lighter = relative_luminance(first_rgb);
    double darker = relative_luminance(second_rgb);
    if (lighter < darker)
        std::swap(lighter, darker);
    // (L1 + 0.05) / (L2 + 0.05) with both sides times 20: 0.05 has no exact binary form,
    // and equal colours, and black against white, must come out exactly 1 and 21.
    const double ratio = (20.0 * lighter + 1.0) / (20.0 * darker + 1.0);
    return static_cast<int>(std::floor(ratio * 100.0));
}

ContrastVerdict judge_contrast(TColor text, TColor background) {
    ContrastVerdict verdict;
    verdict.hundredths = contrast_hundredths(colour_to_rgb(text), colour_to_rgb(background));
    // The thresholds are whole hundredths, so the cut ratio passes exactly when the
    // ratio itself does.
    verdict.aa = verdict.hundredths >= aa_normal;
    verdict.aaa = verdict.hundredths >= aaa_normal;
    verdict.large_aa = verdict.hundredths >= aa_large;
    verdict.large_aaa = verdict.hundredths >= aaa_large;
    verdict.ui = verdict.hundredths >= non_text;
    return verdict;
}

std::string ratio_text(int hundredths) {
    const int cents = hundredths % 100;
    return std::to_string(hundredths / 100) + (cents < 10 ? ".0" : ".") + std::to_string(cents) +
           ":1";
}

std::string verdict_line(TColor text, TColor background) {
    const ContrastVerdict verdict = judge_contrast(text, background);
    return html_form(colour_to_rgb(text)).str() + " on " +
           html_form(colour_to_rgb(background)).str() + ": " + ratio_text(verdict.hundredths) +
           ", AA " + pass_or_fail(verdict.aa) + ", AAA " + pass_or_fail(verdict.aaa) +
           ", large AA " + pass_or_fail(verdict.large_aa) + ", large AAA " +
           pass_or_fail(verdict.large_aaa) + ", UI " + pass_or_fail(verdict.ui);
}

} // namespace pipetto
