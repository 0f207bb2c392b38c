// Prints the CSS texts and the nearest name of a sample of colours, for the browser test
// (tests/browser): every grey, every named colour, the corners of the cube and their
// neighbours, and random colours of a fixed seed. With "names", the named colour table.
// One line per colour: "RRGGBB|hsl(...)|hwb(...)|lab(...)|lch(...)|oklab(...)|oklch(...)|Name",
// then the six forms again with 6 decimals each.
// With "decimals", each form's decimals: "hsl 1 1 2".

#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <string_view>

#include "colour/copy_as_texts.h"
#include "colour/css_colour.h"
#include "colour/named_colours.h"

using namespace pipetto;

int main(int argc, char** argv) {
    if (argc > 1 && std::string_view(argv[1]) == "names") {
        for (const NamedColour& entry : named_colours())
            std::printf("%s|%s\n", std::string(entry.name).c_str(),
                        std::string(entry.code).c_str());
        return 0;
    }
    if (argc > 1 && std::string_view(argv[1]) == "decimals") {
        for (const CssForm form : css_forms) {
            const CssDecimals decimals = css_decimals(form);
            std::printf("%s %d %d %d\n", std::string(css_form_name(form)).c_str(), decimals[0],
                        decimals[1], decimals[2]);
        }
        return 0;
    }
    // RRGGBB as written, red first.
    std::set<std::uint32_t> sample;
    for (std::uint32_t level = 0; level < 256; ++level)
        sample.insert(level << 16 | level << 8 | level);
    for (const NamedColour& entry : named_colours())
        sample.insert(
            static_cast<std::uint32_t>(std::stoul(std::string(entry.code.substr(1)), nullptr, 16)));
    for (std::uint32_t corner = 0; corner < 8; ++corner)
        for (const int step : {0, 1, -1})
            for (int channel = 0; channel < 3; ++channel) {
                std::uint32_t colour = 0;
                for (int c = 0; c < 3; ++c) {
                    int value = (corner >> c & 1) ? 255 : 0;
                    if (c == channel)
                        value = value == 0 ? std::max(0, step) : 255 + std::min(0, step);
                    colour |= static_cast<std::uint32_t>(value) << (8 * c);
                }
                sample.insert(colour);
            }
    std::mt19937 random(2828);
    while (sample.size() < 4000)
        sample.insert(random() & 0xFFFFFF);
    for (const std::uint32_t html : sample) {
        const std::uint32_t rgb = (html >> 16 & 0xFF) | (html & 0xFF00) | (html & 0xFF) << 16;
        const CopyAsTexts texts = copy_as_texts(rgb);
        std::printf("%06X", html);
        for (const CssText& text : texts.forms)
            std::printf("|%s", text.c_str());
        std::printf("|%s", std::string(texts.nearest_name).c_str());
        // The same far more finely, where the browser's own maths show.
        for (const CssForm form : css_forms)
            std::printf("|%s", css_text(form, rgb, {6, 6, 6}).c_str());
        std::printf("\n");
    }
}
