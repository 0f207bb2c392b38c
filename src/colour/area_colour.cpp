#include "colour/area_colour.h"

#include <algorithm>

#include "colour/integer_conversion.h"
#include "colour/linear_light.h"

namespace pipetto {
namespace {

ScreenRect intersection(const ScreenRect& a, const ScreenRect& b) noexcept {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

bool is_empty(const ScreenRect& rect) noexcept {
    return rect.left >= rect.right || rect.top >= rect.bottom;
}

} // namespace

int larger_sample_size(int size) noexcept {
    const auto larger = std::ranges::upper_bound(sample_sizes, size);
    return larger == sample_sizes.end() ? size : *larger;
}

int smaller_sample_size(int size) noexcept {
    const auto at = std::ranges::lower_bound(sample_sizes, size);
    return at == sample_sizes.begin() ? size : *(at - 1);
}

int sample_size_from_text(std::string_view text) noexcept {
    const std::optional<std::int32_t> value = try_str_to_int(text);
    if (value && std::ranges::find(sample_sizes, *value) != sample_sizes.end())
        return *value;
    return 1;
}

std::string sample_size_text(int size) {
    const std::string side = std::to_string(size);
    return side + "\xC3\x97" + side;
}

ScreenRect sample_square(ScreenPoint centre, int size) noexcept {
    const int before = size / 2;
    return {centre.x - before, centre.y - before, centre.x - before + size,
            centre.y - before + size};
}

SquareOnMonitors::SquareOnMonitors(const ScreenRect& square,
                                   std::span<const ScreenRect> monitors) noexcept {
    for (const ScreenRect& monitor : monitors) {
        const ScreenRect part = intersection(square, monitor);
        if (is_empty(part) || count_ == max_parts)
            continue;
        bounds_ = count_ == 0 ? part
                              : ScreenRect{std::min(bounds_.left, part.left),
                                           std::min(bounds_.top, part.top),
                                           std::max(bounds_.right, part.right),
                                           std::max(bounds_.bottom, part.bottom)};
        parts_[count_++] = part;
    }
}

TColor linear_light_mean(const ScreenPixels& pixels, std::span<const ScreenRect> parts) noexcept {
    const std::array<double, 256>& light = linear_light_levels();
    double blue = 0, green = 0, red = 0;
    long count = 0;
    for (const ScreenRect& part : parts) {
        const int width = part.right - part.left;
        for (int y = part.top; y < part.bottom; ++y) {
            const std::uint8_t* pixel =
                pixels.bgrx + static_cast<std::ptrdiff_t>(y - pixels.area.top) * pixels.stride +
                static_cast<std::ptrdiff_t>(part.left - pixels.area.left) * 4;
            for (const std::uint8_t* end = pixel + width * 4; pixel != end; pixel += 4) {
                blue += light[pixel[0]];
                green += light[pixel[1]];
                red += light[pixel[2]];
            }
        }
        count += static_cast<long>(width) * (part.bottom - part.top);
    }
    if (count == 0)
        return unreadable_pixel;
    const auto level = [count](double sum) -> TColor {
        return level_of_linear_light(sum / static_cast<double>(count));
    };
    return level(red) | level(green) << 8 | level(blue) << 16;
}

} // namespace pipetto
