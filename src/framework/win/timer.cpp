#include "framework/win/timer.h"

#include "framework/core/errors.h"
#include "framework/win/application.h"

namespace pipetto::win {
namespace {
constexpr UINT_PTR timer_id = 1;
}

Timer::Timer(std::uint32_t interval)
    : interval_(interval),
      window_([this](UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result) {
          return handle(message, wparam, lparam, result);
      }) {}

Timer::~Timer() {
    enabled_ = false;
    if (window_.hwnd())
        KillTimer(window_.hwnd(), timer_id);
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
    // KillTimer(nullptr, 1) would stop a thread timer of someone else's.
    if (window_.hwnd())
        KillTimer(window_.hwnd(), timer_id);
    if (interval_ != 0 && enabled_ && on_timer_)
        // Without the hidden window, SetTimer would start a thread timer whose ticks reach
        // no one and that KillTimer here could never stop: that is a refusal too.
        if (!window_.hwnd() || SetTimer(window_.hwnd(), timer_id, interval_, nullptr) == 0)
            throw Exception("Nicht genügend Timer verfügbar");
}

void Timer::tick() {
    if (on_timer_)
        on_timer_();
}

bool Timer::handle(UINT message, WPARAM, LPARAM, LRESULT& result) {
    if (message != WM_TIMER)
        return false;
    // A tick that takes longer than the interval doesn't pile up ticks: Windows keeps at
    // most one WM_TIMER pending. Nor do ticks nest: the error display's message box (or any
    // other modal loop inside a tick) dispatches WM_TIMER, and a tick that failed every time
    // would otherwise stack a new box over the old one ten times a second.
    result = 0;
    if (ticking_)
        return true;
    ticking_ = true;
    try {
        tick();
    } catch (const std::exception& error) {
        report_exception(error);
    } catch (...) {
        report_unknown_exception();
    }
    ticking_ = false;
    return true;
}

} // namespace pipetto::win
