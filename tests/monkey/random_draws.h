#pragma once
// The random numbers of a round. Every action takes the same fixed set of draws, whatever
// windows are open when it runs, so a seed gives the same sequence of draws on a replay
// even where the program's windows come and go at other moments.

#include <cstdint>
#include <random>
#include <vector>

namespace pipetto::monkey {

struct ActionDraw {
    std::uint32_t window;    // which of the open windows
    std::uint32_t kind;      // click, drag, key ...
    std::uint32_t part;      // the whole window, or one of its controls
    std::uint32_t x, y;      // a point inside the window, as a fraction of 2^32
    std::uint32_t x2, y2;    // the second point of a drag
    std::uint32_t key;       // the key, or the wheel's turn
    std::uint32_t modifiers; // Ctrl, Alt, Shift, and the pause after the action
};

class RandomDraws {
  public:
    explicit RandomDraws(std::uint32_t seed) : engine_(seed) {}

    ActionDraw next() {
        ActionDraw draw;
        for (std::uint32_t* value : {&draw.window, &draw.kind, &draw.part, &draw.x, &draw.y,
                                     &draw.x2, &draw.y2, &draw.key, &draw.modifiers})
            *value = engine_();
        return draw;
    }

  private:
    // mt19937's output is fixed by the standard, unlike the library's distributions.
    std::mt19937 engine_;
};

// The index of the weight that `draw` falls on, each index as likely as its weight.
inline std::size_t weighted_pick(std::uint32_t draw, const std::vector<unsigned>& weights) {
    unsigned total = 0;
    for (unsigned weight : weights)
        total += weight;
    if (total == 0)
        return 0;
    unsigned point = draw % total;
    std::size_t index = 0;
    for (unsigned weight : weights) {
        if (point < weight)
            return index;
        point -= weight;
        ++index;
    }
    return weights.size() - 1;
}

// A value in [0, size) from the whole range of a draw.
inline int scaled(std::uint32_t draw, int size) {
    return size <= 0 ? 0 : static_cast<int>((static_cast<std::uint64_t>(draw) * size) >> 32);
}

} // namespace pipetto::monkey
