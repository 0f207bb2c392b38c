#pragma once
// The one window that receives the program's timer and hotkey messages: each timer and
// hotkey takes an id of its own and hears the WM_TIMER or WM_HOTKEY with that id. It is
// the application's hidden owner window, which is made anyway; without an application, a
// message-only window of its own. One window for all of them, and none made for them at
// start-up: under Wine every window made costs some fifty round trips to the server.

#include <windows.h>

#include <functional>

namespace pipetto::win::message_window {

// The receiving window. Without an application it is made on first use, and it is not made
// again once destroyed, so that a component whose window is gone keeps refusing.
HWND handle();

// Hands a WM_TIMER or WM_HOTKEY that came to the receiving window to its route; false when
// none has the id. The owner window's procedure calls it.
bool deliver(UINT message, WPARAM id);

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
