#pragma once
// A timer component: its timer messages come to the program's shared message window under
// an id of its own. Ticks run on the user-interface thread, between other messages.

#include <cstdint>
#include <functional>

#include "framework/win/message_window.h"

namespace pipetto::win {

class Timer {
  public:
    // Starts enabled with the given interval; no ticks until OnTimer is set.
    explicit Timer(std::uint32_t interval = 1000);
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;
    virtual ~Timer();

    bool Enabled() const noexcept { return enabled_; }
    // Each setter restarts the timer when the value changes; "Nicht genügend Timer
    // verfügbar" when Windows refuses a timer (the new value is kept, no ticks come).
    void SetEnabled(bool enabled);
    std::uint32_t Interval() const noexcept { return interval_; }
    void SetInterval(std::uint32_t interval);
    // Setting the tick event always restarts the timer.
    void SetOnTimer(std::function<void()> on_timer);

    // The window that receives the ticks.
    HWND window() const { return message_window::handle(); }

  protected:
    // Called on every tick; calls OnTimer. An exception is shown by the error display and
    // the ticks go on.
    virtual void tick();

  private:
    void restart();
    void handle();

    std::uint32_t interval_;
    std::function<void()> on_timer_;
    bool enabled_ = true;
    bool ticking_ = false;
    bool running_ = false; // SetTimer succeeded and no KillTimer followed
    UINT_PTR id_;
    message_window::Route route_;
};

} // namespace pipetto::win
