// Finds, for each CSS form, the fewest decimals of each component for which every 8-bit
// colour comes back within 0.45 of a level, and prints the table with the worst errors.
// A one-off run: the core tests assert the chosen table and that one decimal fewer fails.

#include <cstdio>

#include "support/css_round_trip.h"

using namespace pipetto;
using pipetto::testing::worst_round_trip_error;

int main() {
    constexpr double margin = 0.45;
    for (const CssForm form : css_forms) {
        // Each component alone, the others written far more finely than needed.
        CssDecimals chosen{};
        for (int i = 0; i < 3; ++i) {
            for (int d = 0; d <= 8; ++d) {
                CssDecimals trial{8, 8, 8};
                trial[static_cast<size_t>(i)] = d;
                if (worst_round_trip_error(form, trial, margin) <= margin) {
                    chosen[static_cast<size_t>(i)] = d;
                    break;
                }
            }
        }
        // Together they may need one more here or there.
        while (worst_round_trip_error(form, chosen, margin) > margin) {
            int best = 0;
            double best_error = INFINITY;
            for (int i = 0; i < 3; ++i) {
                CssDecimals trial = chosen;
                ++trial[static_cast<size_t>(i)];
                const double error = worst_round_trip_error(form, trial);
                if (error < best_error)
                    best = i, best_error = error;
            }
            ++chosen[static_cast<size_t>(best)];
        }
        std::printf("%-6s %d %d %d  worst %.4f", std::string(css_form_name(form)).c_str(),
                    chosen[0], chosen[1], chosen[2], worst_round_trip_error(form, chosen));
        for (int i = 0; i < 3; ++i) {
            if (chosen[static_cast<size_t>(i)] == 0)
                continue;
            CssDecimals fewer = chosen;
            --fewer[static_cast<size_t>(i)];
            std::printf("  (%d fewer: %.4f)", i + 1, worst_round_trip_error(form, fewer));
        }
        std::printf("\n");
        std::fflush(stdout);
    }
}
