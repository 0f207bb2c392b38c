#pragma once
// Reading a CSS colour text back as a browser does, and the walk of every 8-bit colour
// through a form's text and back, shared by the core tests and the decimals search.

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>
#include <thread>
#include <vector>

#include "colour/css_colour.h"

namespace pipetto::testing {

struct ReadCssColour {
    CssForm form;
    CssComponents components;
};

// "oklch(65.2% 0.19012 253.21)": the form's name, three blank-separated numbers with their
// "%" where the form has one, nothing else.
inline std::optional<ReadCssColour> read_css_text(std::string_view text) {
    const auto open = text.find('(');
    if (open == std::string_view::npos || text.back() != ')')
        return std::nullopt;
    const std::string_view name = text.substr(0, open);
    const auto form = std::find_if(css_forms.begin(), css_forms.end(),
                                   [&](CssForm f) { return css_form_name(f) == name; });
    if (form == css_forms.end())
        return std::nullopt;
    ReadCssColour read{*form, {}};
    const char* at = text.data() + open + 1;
    const char* end = text.data() + text.size() - 1;
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && (at == end || *at++ != ' '))
            return std::nullopt;
        const auto [next, error] =
            std::from_chars(at, end, read.components[static_cast<size_t>(i)]);
        if (error != std::errc())
            return std::nullopt;
        at = next;
        if (css_component_is_percent(*form, i) && (at == end || *at++ != '%'))
            return std::nullopt;
    }
    if (at != end)
        return std::nullopt;
    return read;
}

// How far, in 8-bit levels, the text's colour lands from `rgb` on its worst channel;
// infinite for a text that doesn't read.
inline double round_trip_error(std::string_view text, std::uint32_t rgb) {
    const auto read = read_css_text(text);
    if (!read)
        return INFINITY;
    const auto srgb = css_components_to_srgb(read->form, read->components);
    double worst = 0;
    for (int c = 0; c < 3; ++c) {
        const double level = static_cast<double>((rgb >> (8 * c)) & 0xFF);
        worst = std::max(worst, std::abs(srgb[static_cast<size_t>(c)] * 255 - level));
    }
    return worst;
}

inline constexpr std::uint32_t colour_count = 1u << 24;

// The worst round-trip error of all 16,777,216 colours in `form` with `decimals`, over
// the machine's cores. The walk stops once a colour is off by more than `give_up_above`.
inline double worst_round_trip_error(CssForm form, const CssDecimals& decimals,
                                     double give_up_above = INFINITY) {
    const unsigned threads = std::max(1u, std::thread::hardware_concurrency());
    std::vector<double> worst(threads, 0.0);
    std::atomic<bool> given_up{false};
    std::vector<std::thread> workers;
    for (unsigned t = 0; t < threads; ++t)
        workers.emplace_back([&, t] {
            for (std::uint32_t rgb = t; rgb < colour_count && !given_up; rgb += threads) {
                const double error = round_trip_error(css_text(form, rgb, decimals), rgb);
                worst[t] = std::max(worst[t], error);
                if (error > give_up_above)
                    given_up = true;
            }
        });
    for (auto& worker : workers)
        worker.join();
    return *std::max_element(worst.begin(), worst.end());
}

} // namespace pipetto::testing
