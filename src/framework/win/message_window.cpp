#include "framework/win/message_window.h"

#include <stdexcept>

namespace pipetto::win {

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
    create_window({L"PipettoMessageWindow", 0, nullptr}, 0, 0, L"", 0, 0, 0, 0, HWND_MESSAGE);
    if (!hwnd())
        throw std::runtime_error("CreateWindowEx failed");
}

LRESULT MessageWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
    LRESULT result = 0;
    if (handler_ && handler_(message, wparam, lparam, result))
        return result;
    return default_processing(message, wparam, lparam);
}

} // namespace pipetto::win
