#include "framework/win/message_window.h"

#include <algorithm>
#include <vector>

#include "framework/win/application.h"
#include "framework/win/window.h"

namespace pipetto::win::message_window {
namespace {

struct Entry {
    UINT message;
    WPARAM id;
    const std::function<void()>* handler;
};

// Few routes live at a time (two timers, two hotkeys): a list is the quickest look-up.
std::vector<Entry>& routes() {
    static std::vector<Entry> table;
    return table;
}

class SharedWindow : public Window {
  public:
    SharedWindow() {
        create_window({L"PipettoMessageWindow", 0, nullptr}, 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE);
    }

  protected:
    LRESULT handle_message(UINT message, WPARAM wparam, LPARAM lparam) override {
        if (deliver(message, wparam))
            return 0;
        return default_processing(message, wparam, lparam);
    }
};

} // namespace

HWND handle() {
    if (Application::exists())
        return Application::current().owner_window();
    static SharedWindow window;
    return window.hwnd();
}

bool deliver(UINT message, WPARAM id) {
    if (message != WM_TIMER && message != WM_HOTKEY)
        return false;
    const auto& table = routes();
    const auto found = std::find_if(table.begin(), table.end(), [&](const Entry& entry) {
        return entry.message == message && entry.id == id;
    });
    if (found == table.end())
        return false;
    (*found->handler)();
    return true;
}

UINT_PTR new_timer_id() noexcept {
    static UINT_PTR last = 0;
    return ++last;
}

Route::Route(UINT message, WPARAM id, std::function<void()> handler)
    : message_(message), id_(id), handler_(std::move(handler)) {
    routes().push_back({message_, id_, &handler_});
}

Route::~Route() {
    std::erase_if(routes(), [this](const Entry& entry) { return entry.handler == &handler_; });
}

} // namespace pipetto::win::message_window
