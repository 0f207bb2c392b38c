#pragma once
// The one window that only receives messages, shared by the program's timers and hotkeys:
// each of them takes an id of its own and hears the WM_TIMER or WM_HOTKEY with that id.
// A message-only window, never shown. One for all of them, because under Wine every
// window made costs some fifty round trips to the server; start-up made four.

#include <windows.h>

#include <functional>

namespace pipetto::win::message_window {

// The shared window, made on first use; null once it was destroyed (it is not made again,
// so that a component whose window is gone keeps refusing, as it would with its own).
HWND handle();

// A timer id that no other timer of the shared window has.
UINT_PTR new_timer_id() noexcept;

// While it lives, the shared window hands `message` with `id` in its wparam to `handler`.
class Route {
  public:
    Route() = default;
    Route(UINT message, WPARAM id, std::function<void()> handler);
    Route(const Route&) = delete;
    Route& operator=(const Route&) = delete;
    ~Route();

  private:
    UINT message_ = 0;
    WPARAM id_ = 0;
    std::function<void()> handler_;
};

} // namespace pipetto::win::message_window
