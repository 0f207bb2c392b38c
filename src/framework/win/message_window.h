#pragma once
// A hidden window that only receives messages: timers, hotkeys and the like post to it.
// It is a zero-size pop-up tool window without owner, never shown.

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
