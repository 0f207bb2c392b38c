#pragma once
// The colour of a square of the screen, as the eye sees it from a little way off: the mean
// of its pixels in linear light. A 1-pixel black and white checkerboard is half the light,
// #BCBCBC, where the mean of the stored levels would give #808080.

#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "colour/colour_value.h"
#include "framework/core/monitor_placement.h"

namespace pipetto {

// The sizes of the square, in pixels each way, smallest first; 1 is the one pixel.
inline constexpr std::array<int, 5> sample_sizes{1, 3, 5, 11, 31};
inline constexpr int largest_sample_size = 31;

// The next size up or down; at either end the size itself.
int larger_sample_size(int size) noexcept;
int smaller_sample_size(int size) noexcept;
// A size as config.ini holds it, in decimal; any text that is no size reads as 1.
int sample_size_from_text(std::string_view text) noexcept;
// "5×5" (UTF-8).
std::string sample_size_text(int size);

// The square of `size` pixels each way centred on the pixel at `centre`.
ScreenRect sample_square(ScreenPoint centre, int size) noexcept;

// The square cut to the monitors: the pixels of it that lie on none (beyond the screen's
// edge, or in a gap between two monitors) are left out. Monitors don't overlap.
class SquareOnMonitors {
  public:
    // More monitors than any square can meet at once, each being larger than the square.
    static constexpr std::size_t max_parts = 8;

    SquareOnMonitors(const ScreenRect& square, std::span<const ScreenRect> monitors) noexcept;

    // The square's part on each monitor it meets.
    std::span<const ScreenRect> parts() const noexcept { return {parts_.data(), count_}; }
    // The smallest rectangle that holds every part; empty when the square is on no monitor.
    const ScreenRect& bounds() const noexcept { return bounds_; }

  private:
    std::array<ScreenRect, max_parts> parts_{};
    std::size_t count_ = 0;
    ScreenRect bounds_{};
};

// Pixels of the screen as a 32-bit top-down device-independent bitmap holds them: a byte
// each of blue, green and red and one unused, `stride` bytes from a row to the next. They
// show the rectangle `area` of the screen, its top-left pixel first.
struct ScreenPixels {
    const std::uint8_t* bgrx = nullptr;
    int stride = 0;
    ScreenRect area{};
};

// The mean in linear light of the pixels of `pixels` that lie in the parts (which lie in
// its area), turned back to levels; `unreadable_pixel` when the parts hold no pixel.
TColor linear_light_mean(const ScreenPixels& pixels, std::span<const ScreenRect> parts) noexcept;

} // namespace pipetto
