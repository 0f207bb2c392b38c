#pragma once
// What the per-call benchmarks share: a round of timed calls, the median of rounds, and
// letting the windows have their waiting messages between rounds.

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace pipetto::bench {

inline constexpr int calls_per_round = 200;
inline constexpr int rounds = 9;

// Microseconds per call of `work(i)` over one round.
inline double time_round(const std::function<void(int)>& work) {
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < calls_per_round; ++i)
        work(i);
    const std::chrono::duration<double, std::micro> spent =
        std::chrono::steady_clock::now() - start;
    return spent.count() / calls_per_round;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

inline void dispatch_waiting_messages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// Lets the windows settle: paints, the first ticks, the window manager's replies.
inline void dispatch_messages_for(std::chrono::milliseconds span) {
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::steady_clock::now() - start < span)
        dispatch_waiting_messages();
}

} // namespace pipetto::bench
