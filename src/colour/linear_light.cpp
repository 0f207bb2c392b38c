#include "colour/linear_light.h"

#include <algorithm>
#include <cmath>

namespace pipetto {
namespace {

double linear_light(double encoded) {
    return encoded <= 0.04045 ? encoded / 12.92 : std::pow((encoded + 0.055) / 1.055, 2.4);
}

// The light half-way between each level and the next, on the encoded scale: the light at
// which rounding moves up a level. The curve rises everywhere, so a light belongs to the
// level below the first of these it doesn't reach, with no inverse to compute per call.
const std::array<double, 255>& rounding_points() noexcept {
    static const std::array<double, 255> points = [] {
        std::array<double, 255> halves{};
        for (int level = 0; level < 255; ++level)
            halves[level] = linear_light((level + 0.5) / 255.0);
        return halves;
    }();
    return points;
}

} // namespace

const std::array<double, 256>& linear_light_levels() noexcept {
    static const std::array<double, 256> table = [] {
        std::array<double, 256> linear{};
        for (int level = 1; level < 255; ++level)
            linear[level] = linear_light(level / 255.0);
        linear[255] = 1.0;
        return linear;
    }();
    return table;
}

std::uint8_t level_of_linear_light(double light) noexcept {
    const std::array<double, 255>& points = rounding_points();
    return static_cast<std::uint8_t>(std::upper_bound(points.begin(), points.end(), light) -
                                     points.begin());
}

} // namespace pipetto
