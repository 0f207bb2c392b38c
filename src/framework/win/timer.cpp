#include "framework/win/timer.h"

#include "framework/core/errors.h"
#include "framework/win/application.h"

namespace pipetto::win {

Timer::Timer(std::uint32_t interval)
    : interval_(interval), id_(message_window::new_timer_id()),
      route_(WM_TIMER, id_, [this] { handle(); }) {}

Timer::~Timer() {
    enabled_ = false;
    if (const HWND window = message_window::handle(); window && running_)
        KillTimer(window, id_);
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    restart();
}

void Timer::SetInterval(std::uint32_t interval) {
    if (interval == interval_)
        return;
    interval_ = interval;
    restart();
}

void Timer::SetOnTimer(std::function<void()> on_timer) {
    on_timer_ = std::move(on_timer);
    restart();
}

void Timer::restart() {
    const HWND window = message_window::handle();
    // KillTimer(nullptr, id) would stop a thread timer of someone else's. A timer that
    // never started needs no stopping: under Wine each call is a round trip to the server.
    if (window && running_)
        KillTimer(window, id_);
    running_ = false;
    if (interval_ != 0 && enabled_ && on_timer_) {
        // Without the window, SetTimer would start a thread timer whose ticks reach no one
        // and that KillTimer here could never stop: that is a refusal too.
        if (!window || SetTimer(window, id_, interval_, nullptr) == 0)
            throw Exception("Nicht genügend Timer verfügbar");
        running_ = true;
    }
}

void Timer::tick() {
    if (on_timer_)
        on_timer_();
}

void Timer::handle() {
    // A tick that takes longer than the interval doesn't pile up ticks: Windows keeps at
    // most one WM_TIMER pending. Nor do ticks nest: the error display's message box (or any
    // other modal loop inside a tick) dispatches WM_TIMER, and a tick that failed every time
    // would otherwise stack a new box over the old one ten times a second.
    if (ticking_)
        return;
    ticking_ = true;
    try {
        tick();
    } catch (const std::exception& error) {
        report_exception(error);
    } catch (...) {
        report_unknown_exception();
    }
    ticking_ = false;
}

} // namespace pipetto::win
