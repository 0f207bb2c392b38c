// The colour of a square of pixels: the mean in linear light against a computation of its
// own straight from the sRGB formulas, an area of one colour giving that colour exactly,
// and a square cut by the screen's edges counting only the pixels on a monitor.

#include "colour/area_colour.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace pipetto;

namespace {

// Pixels of a rectangle of the screen, as the screen's copy leaves them in a bitmap.
class Bitmap {
  public:
    explicit Bitmap(const ScreenRect& area)
        : area_(area), width_(area.right - area.left),
          bytes_(static_cast<size_t>(width_ * (area.bottom - area.top)) * 4) {}
    void set(int x, int y, TColor colour) {
        std::uint8_t* pixel =
            &bytes_[static_cast<size_t>((y - area_.top) * width_ + x - area_.left) * 4];
        pixel[0] = blue_of(colour);
        pixel[1] = green_of(colour);
        pixel[2] = red_of(colour);
    }
    void fill(TColor colour) {
        for (size_t at = 0; at < bytes_.size(); at += 4) {
            bytes_[at] = blue_of(colour);
            bytes_[at + 1] = green_of(colour);
            bytes_[at + 2] = red_of(colour);
        }
    }
    ScreenPixels pixels() const { return {bytes_.data(), width_ * 4, area_}; }

  private:
    ScreenRect area_;
    int width_;
    std::vector<std::uint8_t> bytes_;
};

// Each channel's mean light, back through the inverse transfer function, times 255,
// rounded: in long double, from the formulas and not from tables.
TColor reference_mean(const std::vector<TColor>& colours) {
    const auto linear = [](int level) {
        const long double c = level / 255.0L;
        return c <= 0.04045L ? c / 12.92L : powl((c + 0.055L) / 1.055L, 2.4L);
    };
    const auto encoded = [](long double light) {
        const long double c =
            light <= 0.0031308L ? light * 12.92L : 1.055L * powl(light, 1 / 2.4L) - 0.055L;
        return static_cast<TColor>(std::lround(static_cast<double>(c * 255)));
    };
    long double red = 0, green = 0, blue = 0;
    for (const TColor colour : colours) {
        red += linear(red_of(colour));
        green += linear(green_of(colour));
        blue += linear(blue_of(colour));
    }
    const auto n = static_cast<long double>(colours.size());
    return encoded(red / n) | encoded(green / n) << 8 | encoded(blue / n) << 16;
}

TColor mean_of_square(const Bitmap& bitmap, const ScreenRect& square) {
    const ScreenRect parts[] = {square};
    return linear_light_mean(bitmap.pixels(), parts);
}

} // namespace

TEST(AreaColour, ACheckerboardIsHalfTheLightNotTheMeanOfItsLevels) {
    const ScreenRect area{100, 200, 131, 231};
    Bitmap board(area);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            board.set(x, y, (x + y) % 2 ? 0x000000 : 0xFFFFFF);
    // An even square holds as many of each: half the light. The mean of the levels, and a
    // plain 2.2 power, would give #808080 and #BABABA.
    EXPECT_EQ(html_form(mean_of_square(board, {110, 210, 114, 214})).view(), "#BCBCBC");
    // 3 by 3 around a white pixel holds five white and four black, and around a black one
    // the other way round.
    EXPECT_EQ(html_form(mean_of_square(board, sample_square({110, 210}, 3))).view(), "#C5C5C5");
    EXPECT_EQ(html_form(mean_of_square(board, sample_square({111, 210}, 3))).view(), "#B2B2B2");

    // Squares of random colours at every size, each channel apart.
    std::mt19937 random(29);
    for (int round = 0; round < 200; ++round) {
        const int size = sample_sizes[static_cast<size_t>(round) % sample_sizes.size()];
        const ScreenRect square = sample_square({115, 215}, size);
        std::vector<TColor> colours;
        for (int y = square.top; y < square.bottom; ++y)
            for (int x = square.left; x < square.right; ++x) {
                colours.push_back(random() & 0xFFFFFF);
                board.set(x, y, colours.back());
            }
        ASSERT_EQ(mean_of_square(board, square), reference_mean(colours)) << "size " << size;
    }
}

TEST(AreaColour, AnAreaOfOneColourGivesExactlyThatColour) {
    const ScreenRect square = sample_square({0, 0}, 3);
    Bitmap area(square);
    for (TColor colour = 0; colour <= 0xFFFFFF; ++colour) {
        area.fill(colour);
        if (mean_of_square(area, square) != colour)
            FAIL() << html_form(colour).view() << " gave "
                   << html_form(mean_of_square(area, square)).view();
    }
    // The largest square sums 961 of each level.
    const ScreenRect largest = sample_square({0, 0}, largest_sample_size);
    Bitmap large_area(largest);
    for (TColor level = 0; level < 256; ++level) {
        const TColor colour = level | (255 - level) << 8 | (level ^ 0x5A) << 16;
        large_area.fill(colour);
        ASSERT_EQ(mean_of_square(large_area, largest), colour) << level;
    }
}

TEST(AreaColour, ASquareCutByTheScreensEdgesCountsOnlyThePixelsOnAMonitor) {
    // A second monitor to the right, 100 pixels lower: above it lies a gap in the virtual
    // screen, which the screen's copy fills with black.
    const ScreenRect monitors[] = {{0, 0, 1920, 1080}, {1920, 100, 3200, 1124}};
    const auto on_monitor = [&](int x, int y) {
        for (const ScreenRect& m : monitors)
            if (x >= m.left && x < m.right && y >= m.top && y < m.bottom)
                return true;
        return false;
    };
    const auto mean_at = [&](ScreenPoint centre, int size) {
        const SquareOnMonitors cut(sample_square(centre, size), monitors);
        Bitmap copy(cut.bounds());
        for (int y = cut.bounds().top; y < cut.bounds().bottom; ++y)
            for (int x = cut.bounds().left; x < cut.bounds().right; ++x)
                copy.set(x, y, on_monitor(x, y) ? 0x3366CC : 0x000000);
        return std::pair(cut.bounds(), linear_light_mean(copy.pixels(), cut.parts()));
    };

    // At the top-left corner of the screen only a quarter of the square is on it.
    EXPECT_EQ(mean_at({0, 0}, 11), std::pair(ScreenRect{0, 0, 6, 6}, TColor{0x3366CC}));
    // Across the two monitors beside the gap: the parts on each count, the gap doesn't.
    EXPECT_EQ(mean_at({1921, 100}, 11),
              std::pair(ScreenRect{1916, 95, 1927, 106}, TColor{0x3366CC}));
    EXPECT_EQ(SquareOnMonitors(sample_square({1921, 100}, 11), monitors).parts().size(), 2u);
    // Wholly in the gap, or beyond the screen, nothing is read.
    const SquareOnMonitors nowhere(sample_square({2000, 40}, 31), monitors);
    EXPECT_TRUE(nowhere.parts().empty());
    EXPECT_EQ(linear_light_mean({}, nowhere.parts()), unreadable_pixel);
}

TEST(AreaColour, SizesStepWithinTheirRangeAndAnythingElseStoredReadsAsOnePixel) {
    EXPECT_EQ(larger_sample_size(1), 3);
    EXPECT_EQ(larger_sample_size(11), 31);
    EXPECT_EQ(larger_sample_size(31), 31);
    EXPECT_EQ(smaller_sample_size(3), 1);
    EXPECT_EQ(smaller_sample_size(1), 1);
    EXPECT_EQ(sample_size_text(5), "5\xC3\x97"
                                   "5");
    EXPECT_EQ(sample_size_from_text("11"), 11);
    for (const std::string text : {"", "7", "0", "-3", "fünf", "31x31", "99999999999"})
        EXPECT_EQ(sample_size_from_text(text), 1) << text;
    EXPECT_EQ(sample_size_from_text(std::string(2'000'000, '9')), 1);
}
