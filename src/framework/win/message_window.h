#pragma once
// A window that only receives messages: timers, hotkeys and the like post to it. A
// message-only window, never shown: cheaper to make than a hidden top-level window, which
// under Wine has a window of the display server behind it.

#include <functional>

#include "framework/win/window.h"

namespace pipetto::win {

class MessageWindow : public Window {
  public:
    // `handler` sees every message; it returns true when it handled one, with `result` set.
    using Handler =
        std::function<bool(UINT message, WPARAM wparam, LPARAM lparam, LRESULT& result)>;
    explicit MessageWindow(Handler handler);

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override;

  private:
    Handler handler_;
};

} // namespace pipetto::win
